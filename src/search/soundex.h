#pragma once
#include <QString>

// The phonetic code shown beside the search field: the first character as it
// is, then up to three group digits, filled up with "0"; "000" for no text.
QString soundexCode(const QString& term);
