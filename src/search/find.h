#pragma once
#include <QString>
#include <functional>

// The row the incremental search leads to in a column of n texts sorted in
// ascending order: a binary search that reads at most three cells per step.
// Comparisons ignore letter case. Returns -1 when the column has fewer than
// two rows (nothing is selected then).
qsizetype findRow(qsizetype n, const std::function<QString(qsizetype)>& cellAt, const QString& term);

// Whether the button search finds the text in a term (case-insensitive; the
// empty text is contained in no term).
bool termContains(const QString& term, const QString& text);
