#include "calendar/sundays.h"

#include <chrono>

namespace {

constexpr qint64 kUnixEpochDayNumber = 2440588; // 1 January 1970 (Gregorian)

const char* const kEasterCycle[] = {
    "Circumdederunt", "Exsurge", "Estomihi", "Invocavit", "Reminiscere", "Oculi",
    "Laetare", "Judica", "Palmarum", "Pascha", "Quasimodogeniti", "Misericordias",
    "Jubilate", "Cantate", "Rogate", "Exaudi", "Pentecoste", "Trinitatis",
};

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

qint64 dayNumber(Calendar calendar, qint64 year, int month, int day)
{
    if (calendar == Calendar::Gregorian) {
        using namespace std::chrono;
        const sys_days d = sys_days(std::chrono::year(int(year)) / std::chrono::month(unsigned(month)) / 1)
            + days(day - 1);
        return d.time_since_epoch().count() + kUnixEpochDayNumber;
    }
    // Julian calendar: every fourth year a leap year, also the century years.
    const qint64 a = floorDiv(14 - month, 12);
    const qint64 y = year + 4800 - a;
    const qint64 m = month + 12 * a - 3;
    return day + floorDiv(153 * m + 2, 5) + 365 * y + floorDiv(y, 4) - 32083;
}

CalendarDay fromDayNumber(Calendar calendar, qint64 jdn)
{
    if (calendar == Calendar::Gregorian) {
        using namespace std::chrono;
        const year_month_day ymd(sys_days(days(jdn - kUnixEpochDayNumber)));
        return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
    }
    const qint64 c = jdn + 32082;
    const qint64 d = floorDiv(4 * c + 3, 1461);
    const qint64 e = c - floorDiv(1461 * d, 4);
    const qint64 m = floorDiv(5 * e + 2, 153);
    return {d - 4800 + m / 10, int(m + 3 - 12 * (m / 10)), int(e - floorDiv(153 * m + 2, 5) + 1)};
}

int weekdayOfDayNumber(qint64 jdn)
{
    return int(((jdn + 1) % 7 + 7) % 7) + 1; // day number 0 was a Monday
}

SundayList churchSundays(qint64 year, Calendar calendar)
{
    const bool julian = calendar == Calendar::Julian;
    const int postEpiphaniaBound = julian ? 100 : 400;
    const int postTrinitatisBound = julian ? 367 : 400;
    const QString notFound = QStringLiteral("Der Sonntag konnte nicht gefunden werden.");

    SundayList list;
    const qint64 newYear = dayNumber(calendar, year, 1, 1);
    qint64 c = newYear;
    while (weekdayOfDayNumber(c) != 1)
        ++c;
    auto add = [&](const QString& name) {
        list.rows.append({name, fromDayNumber(calendar, c)});
        c += 7;
    };

    // The head of January, by the day of the first Sunday.
    switch (c - newYear + 1) {
    case 1: add(QStringLiteral("Circumcisio")); break;
    case 2: case 3: case 4: case 5: add(QStringLiteral("DominicaPostCircumcisio")); break;
    case 6: add(QStringLiteral("Epiphanias")); break;
    default: break;
    }
    add(QStringLiteral("DominicaPostEpiphania"));

    const CalendarDay easter = easterSunday(year, julian);
    const qint64 septuagesima = dayNumber(calendar, easter.year, easter.month, easter.day) - 63;
    for (int n = 2; c < septuagesima; ++n) {
        if (n > postEpiphaniaBound) {
            list.notices << notFound;
            break;
        }
        add(QString::number(n) + QStringLiteral(". PostEpiphania"));
    }

    for (const char* name : kEasterCycle)
        add(QString::fromLatin1(name));

    // 27 November is the earliest first Sunday of Advent.
    const qint64 november27 = dayNumber(calendar, year, 11, 27);
    for (int n = 1; c < november27; ++n) {
        if (n > postTrinitatisBound) {
            list.notices << notFound;
            break;
        }
        add(QString::number(n) + QStringLiteral(". PostTrinitatis"));
    }

    for (int n = 1; n <= 4; ++n)
        add(julian ? QStringLiteral("%1. Advent").arg(n) : QStringLiteral("%1Advent").arg(n));

    // 27 November and 25 December fall on the same weekday.
    add(weekdayOfDayNumber(november27) == 1 ? QStringLiteral("NativitasDomini")
                                            : QStringLiteral("DominicaPostNativitas"));
    return list;
}

QString julianMonthName(int month)
{
    static const char* const names[] = {"Januar", "Februar", "Marz", "April", "Mai", "Juni", "Juli",
                                        "August", "September", "Oktober", "November", "Dezember"};
    return month >= 1 && month <= 12 ? QString::fromLatin1(names[month - 1]) : QString();
}

QString julianDateText(const CalendarDay& day)
{
    return QStringLiteral("= Sonntag %1. %2 %3").arg(day.day).arg(julianMonthName(day.month)).arg(day.year);
}
