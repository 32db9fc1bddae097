#pragma once
// The one row order of the lexicon: cells converted to 7-bit ASCII and upper
// case, compared character code by character code.
#include <QByteArray>
#include <QString>

// Letters with diacritics fold to their base letter (ä → a, é → e), ß → ss,
// every other character outside ASCII becomes "?".
QString toAscii(const QString& text);

// The key rows are sorted by: toAscii, then upper case, as bytes.
QByteArray sortKey(const QString& text);

// −1, 0 or +1: the order of two cell texts.
int compareCells(const QString& a, const QString& b);
