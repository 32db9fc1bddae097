#include "search/soundex.h"

#include <QList>

namespace {

char32_t groupDigit(char32_t c)
{
    switch (c) {
    case 'B': case 'P': case 'F': case 'V':
    case 'b': case 'p': case 'f': case 'v': return U'1';
    case 'C': case 'S': case 'K': case 'G': case 'J': case 'Q': case 'X': case 'Z':
    case 'c': case 's': case 'k': case 'g': case 'j': case 'q': case 'x': case 'z': return U'2';
    case 'D': case 'T': case 'd': case 't': return U'3';
    case 'L': case 'l': return U'4';
    case 'M': case 'N': case 'm': case 'n': return U'5';
    case 'R': case 'r': return U'6';
    case 'H': case 'W': case 'h': case 'w': return U'7';
    default: return U'0';
    }
}

} // namespace

QString soundexCode(const QString& term)
{
    QString s = term;
    s.replace(QStringLiteral("Ä"), QStringLiteral("AE"), Qt::CaseInsensitive);
    s.replace(QStringLiteral("Ö"), QStringLiteral("OE"), Qt::CaseInsensitive);
    s.replace(QStringLiteral("Ü"), QStringLiteral("UE"), Qt::CaseInsensitive);
    s.replace(QStringLiteral("ß"), QStringLiteral("s"), Qt::CaseInsensitive);

    // Counted in characters, not UTF-16 units.
    const QList<uint> chars = s.toUcs4();
    QList<char32_t> code;
    if (!chars.isEmpty())
        code << char32_t(chars.first());
    char32_t last = 0;
    for (qsizetype i = 0; i < chars.size() && code.size() < 4; ++i) {
        const char32_t d = groupDigit(char32_t(chars[i]));
        if (i > 0 && d != last && d != U'0' && last != U'7' && d != U'7')
            code << d;
        last = d;
    }
    const qsizetype wanted = code.isEmpty() ? 3 : 4;
    while (code.size() < wanted)
        code << U'0';
    return QString::fromUcs4(code.constData(), code.size());
}
