#pragma once
// A calendar date of the proleptic Gregorian calendar (year 0 included) with
// a time of day. Setting a day, month or year outside its range carries into
// the neighbouring months and years, as the church calendar's day steps expect.
#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <chrono>

class Date {
public:
    // Holds the current date and time.
    Date();
    static Date fromYmd(qint64 year, qint64 month, qint64 day);

    qint64 year() const;
    int month() const;
    int day() const;
    void setYear(qint64 year);
    void setMonth(qint64 month);
    void setDay(qint64 day);
    void addDays(qint64 days) { m_days += std::chrono::days(days); }

    // 1 = Sunday … 7 = Saturday.
    int dayOfWeek() const;
    // 1 = 1 January.
    int dayOfYear() const;
    std::chrono::sys_days days() const { return m_days; }

    // The long date form of the locale, for example "Sonntag, 21. April 2019";
    // also for years that QDate cannot hold.
    QString longDate(const QLocale& locale = QLocale()) const;

    bool operator==(const Date& other) const { return m_days == other.m_days; }

private:
    void set(qint64 year, qint64 month, qint64 day);

    std::chrono::sys_days m_days;
    std::chrono::seconds m_timeOfDay{0};
};
