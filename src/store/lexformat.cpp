#include "store/lexformat.h"

#include <cstring>

QString lineField(QStringView line, int n)
{
    qsizetype start = 0;
    for (int i = 1; i < n; ++i) {
        const qsizetype hash = line.indexOf(QLatin1Char('#'), start);
        if (hash < 0)
            return {};
        start = hash + 1;
    }
    const qsizetype end = line.indexOf(QLatin1Char('#'), start);
    return line.mid(start, end < 0 ? line.size() - start : end - start).toString();
}

bool isHeaderLine(QStringView line)
{
    return line.compare(QStringView(kLexHeader), Qt::CaseInsensitive) == 0;
}

bool isEndMarker(QStringView line)
{
    return line.compare(QStringView(kEndMarker), Qt::CaseInsensitive) == 0;
}

bool isTitleLine(QStringView line)
{
    return line.startsWith(QStringView(kTitlePrefix), Qt::CaseInsensitive);
}

EntryRow titleHeadings(QStringView line)
{
    return {lineField(line, 2), lineField(line, 3), lineField(line, 4), lineField(line, 5)};
}

EntryRow parseEntryLine(QByteArrayView line)
{
    // "#" is ASCII, so the UTF-8 bytes are cut before they are decoded.
    EntryRow row;
    qsizetype start = 0;
    for (int i = 0; i < 4 && start <= line.size(); ++i) {
        const char* from = line.data() + start;
        const void* hash = start < line.size() ? std::memchr(from, '#', size_t(line.size() - start)) : nullptr;
        const qsizetype length = hash ? static_cast<const char*>(hash) - from : line.size() - start;
        row[i] = QString::fromUtf8(from, length);
        if (!hash)
            break;
        start += length + 1;
    }
    if (row[1].contains(QLatin1Char('<')))
        row[1].replace(QStringLiteral("<br>"), QStringLiteral("\n"));
    return row;
}

EntryRow parseEntryLine(const QString& line)
{
    return parseEntryLine(QByteArrayView(line.toUtf8()));
}

LexiconContent parseLexicon(const QByteArray& bytes)
{
    LexiconContent content;
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF")) // a byte-order mark before the header
        text = text.sliced(3);
    const QList<QByteArrayView> lines = splitLines(text);
    content.headerOk = !lines.isEmpty() && isHeaderLine(QString::fromUtf8(lines.first()));
    if (!content.headerOk)
        return content;
    content.rows.reserve(lines.size());
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArrayView line = lines[i];
        if (line.isEmpty())
            continue;
        if (line.front() == '<') {
            const QString text = QString::fromUtf8(line);
            if (isEndMarker(text))
                break;
            if (isTitleLine(text)) {
                content.headings = titleHeadings(text);
                continue;
            }
        }
        content.rows.append(parseEntryLine(line));
    }
    return content;
}

QString composeEntryLine(const EntryRow& row)
{
    const QStringView explanation = QStringView(row[1]).trimmed();
    QString line;
    line.reserve(row[0].size() + explanation.size() + row[2].size() + row[3].size() + 8);
    line += QStringView(row[0]).trimmed();
    line += QLatin1Char('#');
    if (explanation.contains(QLatin1Char('\n')) || explanation.contains(QLatin1Char('\r'))) {
        QString converted = explanation.toString();
        converted.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
        converted.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
        converted.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
        line += converted;
    } else {
        line += explanation;
    }
    line += QLatin1Char('#');
    line += QStringView(row[2]).trimmed();
    line += QLatin1Char('#');
    line += QStringView(row[3]).trimmed();
    return line;
}

QList<QByteArrayView> splitLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* eol = p;
        while (eol < end && *eol != '\n' && *eol != '\r')
            ++eol;
        lines << QByteArrayView(p, eol - p);
        p = eol + 1;
        if (eol + 1 < end && eol[0] == '\r' && eol[1] == '\n')
            ++p;
    }
    return lines;
}
