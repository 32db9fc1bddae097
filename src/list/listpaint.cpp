#include "list/listpaint.h"

QColor rowFillColor(qint64 row, bool selected, const QColor& highlight)
{
    if (selected)
        return highlight;
    return row % 2 == 0 ? QColor(200, 255, 255) : QColor(230, 230, 230);
}

int rowBrightness(qint64 row, bool selected, const QColor& highlight)
{
    if (selected)
        return int(2.0 * (highlight.red() + highlight.green() + highlight.blue()) / 3.0);
    return row % 2 == 0 ? 625 : 460;
}

QColor rowTextColor(qint64 row, bool selected, const QColor& highlight)
{
    return rowBrightness(row, selected, highlight) > 250 ? QColor(0, 0, 0) : QColor(255, 255, 255);
}
