#include "list/sortkey.h"

#include <array>

namespace {

// Folding of the characters up to U+024F (Latin-1 and Latin Extended A/B),
// worked out once from their canonical decompositions; 0 means "?".
constexpr char16_t kTableEnd = 0x250;

const std::array<char, kTableEnd>& foldTable()
{
    static const std::array<char, kTableEnd> table = [] {
        std::array<char, kTableEnd> t{};
        for (char16_t u = 0x80; u < kTableEnd; ++u) {
            const QString decomposed = QString(QChar(u)).normalized(QString::NormalizationForm_D);
            const QChar base = decomposed.at(0);
            if (decomposed.size() > 1 && base.unicode() < 0x80 && base.isLetter())
                t[u] = char(base.unicode());
        }
        return t;
    }();
    return table;
}

// The ASCII form of text, upper-cased when asked; a hot path of every sort.
QByteArray asciiBytes(const QString& text, bool upper)
{
    const auto& table = foldTable();
    const qsizetype n = text.size();
    const char16_t* in = reinterpret_cast<const char16_t*>(text.constData());
    QByteArray out(n * 2, Qt::Uninitialized); // ß may become two characters
    char* o = out.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = in[i];
        char c;
        if (u < 0x80) {
            c = char(u);
        } else if (u == 0x00DF || u == 0x1E9E) {    // ß, ẞ
            *o++ = upper || u == 0x1E9E ? 'S' : 's';
            c = upper || u == 0x1E9E ? 'S' : 's';
        } else {
            if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(in[i + 1]))
                ++i;                                // one "?" for one character
            const char folded = u < kTableEnd ? table[u] : 0;
            c = folded ? folded : '?';
        }
        if (upper && c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        *o++ = c;
    }
    out.truncate(o - out.constData());
    return out;
}

} // namespace

QString toAscii(const QString& text)
{
    return QString::fromLatin1(asciiBytes(text, false));
}

QByteArray sortKey(const QString& text)
{
    return asciiBytes(text, true);
}

int compareCells(const QString& a, const QString& b)
{
    const int c = sortKey(a).compare(sortKey(b));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
