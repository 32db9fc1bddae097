#include "calendar/date.h"

using namespace std::chrono;

namespace {

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

Date::Date()
{
    const auto now = system_clock::now();
    m_days = floor<std::chrono::days>(now);
    m_timeOfDay = duration_cast<seconds>(now - m_days);
}

Date Date::fromYmd(qint64 year, qint64 month, qint64 day)
{
    Date d;
    d.set(year, month, day);
    return d;
}

void Date::set(qint64 year, qint64 month, qint64 day)
{
    // Months outside 1..12 carry into the years, days outside the month into the months.
    const qint64 months = year * 12 + (month - 1);
    const qint64 y = floorDiv(months, 12);
    const qint64 m = months - y * 12 + 1;
    m_days = sys_days(std::chrono::year(int(y)) / std::chrono::month(unsigned(m)) / 1) + std::chrono::days(day - 1);
}

qint64 Date::year() const
{
    return int(year_month_day(m_days).year());
}

int Date::month() const
{
    return int(unsigned(year_month_day(m_days).month()));
}

int Date::day() const
{
    return int(unsigned(year_month_day(m_days).day()));
}

void Date::setYear(qint64 y)
{
    set(y, month(), day());
}

void Date::setMonth(qint64 m)
{
    set(year(), m, day());
}

void Date::setDay(qint64 d)
{
    set(year(), month(), d);
}

int Date::dayOfWeek() const
{
    return int(weekday(m_days).c_encoding()) + 1;
}

int Date::dayOfYear() const
{
    const auto first = sys_days(year_month_day(m_days).year() / January / 1);
    return int((m_days - first).count()) + 1;
}

QString Date::longDate(const QLocale& locale) const
{
    const QString format = locale.dateFormat(QLocale::LongFormat);
    const int qtDay = dayOfWeek() == 1 ? 7 : dayOfWeek() - 1; // Qt counts Monday = 1
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {                  // quoted literal text
            const qsizetype end = format.indexOf(QLatin1Char('\''), i + 1);
            if (end == i + 1) {
                out += QLatin1Char('\'');
                i += 2;
                continue;
            }
            out += format.mid(i + 1, end < 0 ? -1 : end - i - 1);
            i = end < 0 ? format.size() : end + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        if (c == QLatin1Char('d')) {
            if (run >= 4)
                out += locale.dayName(qtDay, QLocale::LongFormat);
            else if (run == 3)
                out += locale.dayName(qtDay, QLocale::ShortFormat);
            else
                out += run == 2 ? QStringLiteral("%1").arg(day(), 2, 10, QLatin1Char('0')) : QString::number(day());
        } else if (c == QLatin1Char('M')) {
            if (run >= 4)
                out += locale.monthName(month(), QLocale::LongFormat);
            else if (run == 3)
                out += locale.monthName(month(), QLocale::ShortFormat);
            else
                out += run == 2 ? QStringLiteral("%1").arg(month(), 2, 10, QLatin1Char('0')) : QString::number(month());
        } else if (c == QLatin1Char('y')) {
            out += run == 2 ? QStringLiteral("%1").arg(year() % 100, 2, 10, QLatin1Char('0')) : QString::number(year());
        } else {
            out += format.mid(i, run);
        }
        i += run;
    }
    return out;
}
