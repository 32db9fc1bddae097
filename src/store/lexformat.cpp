#include "store/lexformat.h"

#include <QStringDecoder>

QString lineField(const QString& line, int n)
{
    int start = 0;
    for (int i = 1; i < n; ++i) {
        const int hash = line.indexOf(QLatin1Char('#'), start);
        if (hash < 0)
            return {};
        start = hash + 1;
    }
    const int end = line.indexOf(QLatin1Char('#'), start);
    return line.mid(start, end < 0 ? -1 : end - start);
}

bool isHeaderLine(const QString& line)
{
    return line.compare(QStringView(kLexHeader), Qt::CaseInsensitive) == 0;
}

bool isEndMarker(const QString& line)
{
    return line.compare(QStringView(kEndMarker), Qt::CaseInsensitive) == 0;
}

bool isTitleLine(const QString& line)
{
    return line.startsWith(QStringView(kTitlePrefix), Qt::CaseInsensitive);
}

EntryRow titleHeadings(const QString& line)
{
    return {lineField(line, 2), lineField(line, 3), lineField(line, 4), lineField(line, 5)};
}

EntryRow parseEntryLine(const QString& line)
{
    const QStringList fields = line.split(QLatin1Char('#'));
    EntryRow row;
    for (int i = 0; i < 4 && i < fields.size(); ++i)
        row[i] = fields[i];
    row[1].replace(QStringLiteral("<br>"), QStringLiteral("\n"));
    return row;
}

QString composeEntryLine(const EntryRow& row)
{
    QString explanation = row[1].trimmed();
    explanation.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    explanation.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    explanation.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
    return row[0].trimmed() + QLatin1Char('#') + explanation + QLatin1Char('#') + row[2].trimmed()
        + QLatin1Char('#') + row[3].trimmed();
}

QStringList decodeLines(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes); // replacement characters for invalid input; drops the BOM
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            lines << text.mid(start, i - start);
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}
