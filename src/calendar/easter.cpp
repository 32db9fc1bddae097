#include "calendar/easter.h"

int easterDayOfMarch(qint64 year, bool julian)
{
    const qint64 K = year / 100;                      // secular number
    qint64 M = 15;                                    // secular moon equation
    qint64 S = 0;                                     // secular sun equation
    if (!julian) {
        M = 15 + (3 * K + 3) / 4 - (8 * K + 13) / 25;
        S = 2 - (3 * K + 3) / 4;
    }
    const qint64 A = year % 19;                       // the moon's parameter
    const qint64 D = (19 * A + M) % 30;               // seed of the first full moon in spring
    const qint64 R = (D + A / 11) / 29;               // calendar correction
    const qint64 OG = 21 + D - R;                     // Easter limit, as a day of March
    const qint64 SZ = 7 - (year + year / 4 + S) % 7;  // first Sunday in March
    const qint64 OE = 7 - (OG - SZ) % 7;              // distance of Easter from the limit
    return int(OG + OE);
}

CalendarDay easterSunday(qint64 year, bool julian)
{
    const int os = easterDayOfMarch(year, julian);
    // March has 31 days in both calendars.
    return os <= 31 ? CalendarDay{year, 3, os} : CalendarDay{year, 4, os - 31};
}
