#pragma once
// The named Sundays of a year, in calendar order, for the Gregorian or the
// Julian calendar.
#include "calendar/easter.h"

#include <QList>
#include <QString>
#include <QStringList>

enum class Calendar { Gregorian, Julian };

// Day numbers (Julian day numbers) of a date in either calendar, and back.
qint64 dayNumber(Calendar calendar, qint64 year, int month, int day);
CalendarDay fromDayNumber(Calendar calendar, qint64 dayNumber);
// 1 = Sunday … 7 = Saturday.
int weekdayOfDayNumber(qint64 dayNumber);

struct SundayRow {
    QString name;
    CalendarDay date;   // in the calendar of the list
};

struct SundayList {
    QList<SundayRow> rows;
    QStringList notices; // notices the window shows (a counter that ran past its bound)
};

// One row per Sunday of the year, from the first Sunday of January to the last of December.
SundayList churchSundays(qint64 year, Calendar calendar);

// The month names of the Julian date texts ("Marz" without the umlaut).
QString julianMonthName(int month);
// "= Sonntag 7. Januar 2019".
QString julianDateText(const CalendarDay& day);
