#include "store/filetypes.h"

#include <QStringList>

const QList<FileType>& FileTypes()
{
    static const QList<FileType> types = {
        {QStringLiteral("text"), QString(), QStringLiteral("TEXT"), QStringLiteral("R*ch")},
        {QStringLiteral("alle"), QString(), QStringLiteral("????"), QStringLiteral("????")},
        {QStringLiteral("Lexikon"), QStringLiteral(".lex"), QStringLiteral("????"), QString()},
        {QStringLiteral("special/any"), QString(), QStringLiteral("????"), QString()},
    };
    return types;
}

QString fileTypesText()
{
    QStringList names;
    for (const FileType& t : FileTypes())
        names << t.name;
    return names.join(QLatin1Char(';'));
}

QString fileTypesFilter()
{
    QStringList filters;
    for (const FileType& t : FileTypes()) {
        // File names on Linux are case-sensitive; the default lexicon is "Lexikon.LEX".
        const QString pattern = t.extension.isEmpty()
            ? QStringLiteral("*")
            : QStringLiteral("*%1 *%2").arg(t.extension, t.extension.toUpper());
        filters << QStringLiteral("%1 (%2)").arg(t.name, pattern);
    }
    return filters.join(QStringLiteral(";;"));
}
