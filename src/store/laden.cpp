// Opening a lexicon: the window's start-up and LexikonLaden.
#include "shell/platform.h"
#include "store/entrytable.h"
#include "store/filetypes.h"
#include "store/lexformat.h"
#include "ui/lexikon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void Lexikon::Event_Open()
{
    guard(QStringLiteral("Lexikon/Open"), Report::PlaceOnly, [&] {
        setWindowTitle(QStringLiteral("Vokabo"));
        const QString folder = platform().applicationFolder();
        if (!folder.isEmpty())
            LexikonDatei = QDir(folder).filePath(QStringLiteral("Lexikon.LEX"));
        if (LexikonDatei && QFileInfo::exists(*LexikonDatei))
            LexikonLaden();
        Suchstart = -1;
    });
}

bool Lexikon::LexikonLaden()
{
    bool replaced = false;
    guard(QStringLiteral("Lexikon/LexikonLaden"), Report::Failure, [&] {
        if (!LexikonDatei)
            LexikonDatei = platform().openFile(QStringLiteral("Wähle Lexikon"), platform().desktopFolder(),
                                               fileTypesFilter());
        if (LexikonDatei && QFileInfo::exists(*LexikonDatei)) {
            QFile file(*LexikonDatei);
            if (!file.open(QIODevice::ReadOnly)) {
                hinweis(QStringLiteral("Lexikon konnte nicht geöffnet werden"));
            } else {
                const QStringList lines = decodeLines(file.readAll());
                file.close();
                if (lines.isEmpty() || !isHeaderLine(lines.first())) {
                    hinweis(QStringLiteral("Falsche Daten"));
                } else {
                    QList<EntryRow> rows;
                    rows.reserve(lines.size());
                    for (qsizetype i = 1; i < lines.size(); ++i) {
                        const QString& line = lines[i];
                        if (isEndMarker(line))
                            break;
                        if (isTitleLine(line))
                            entries().setHeadings(titleHeadings(line));
                        else if (!line.isEmpty())
                            rows.append(parseEntryLine(line));
                    }
                    const bool hadSelection = CellRow >= 0;
                    entries().setRows(std::move(rows)); // one model reset for the whole file
                    replaced = true;
                    if (hadSelection)
                        ListBox1_Change();
                    LexChanged = false;
                }
            }
        }
        updateCount();
    });
    return replaced;
}
