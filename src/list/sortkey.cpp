#include "list/sortkey.h"

namespace {

bool isAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

QString toAscii(const QString& text)
{
    if (isAscii(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            out += c;
            continue;
        }
        if (c == QChar(0x00DF)) {          // ß
            out += QStringLiteral("ss");
            continue;
        }
        if (c == QChar(0x1E9E)) {          // capital ẞ
            out += QStringLiteral("SS");
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;                           // one "?" for one character
        // A letter whose canonical decomposition starts with an ASCII letter
        // folds to that letter; combining marks after it are dropped.
        const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
        const QChar base = decomposed.at(0);
        if (decomposed.size() > 1 && base.unicode() < 0x80 && base.isLetter())
            out += base;
        else
            out += QLatin1Char('?');
    }
    return out;
}

QByteArray sortKey(const QString& text)
{
    QByteArray key = toAscii(text).toLatin1();
    for (char& ch : key)
        if (ch >= 'a' && ch <= 'z')
            ch = char(ch - 'a' + 'A');
    return key;
}

int compareCells(const QString& a, const QString& b)
{
    const int c = sortKey(a).compare(sortKey(b));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
