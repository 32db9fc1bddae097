#pragma once
// Colours of the entry list: striped rows, the system highlight for selected
// rows, and a text colour chosen by the brightness of the fill.
#include <QColor>

// Pale cyan for even rows, light grey for odd ones, the highlight when selected.
QColor rowFillColor(qint64 row, bool selected, const QColor& highlight);
// The brightness value d: 2 × (R + G + B) ÷ 3 of the highlight when selected,
// 625 for even and 460 for odd unselected rows.
int rowBrightness(qint64 row, bool selected, const QColor& highlight);
// Black above 250, white at or below.
QColor rowTextColor(qint64 row, bool selected, const QColor& highlight);
