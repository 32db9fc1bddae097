#pragma once
#include <QtGlobal>

struct CalendarDay {
    qint64 year;
    int month;
    int day;
    bool operator==(const CalendarDay&) const = default;
};

// Easter Sunday by the corrected Gauss formula, as year, month and day of the
// calendar asked for (Julian or Gregorian).
CalendarDay easterSunday(qint64 year, bool julian);

// Easter Sunday as a day of March (22 to 56; 32 is 1 April).
int easterDayOfMarch(qint64 year, bool julian);
