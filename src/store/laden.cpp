// Opening a lexicon: the window's start-up and LexikonLaden.
#include "shell/platform.h"
#include "store/entrytable.h"
#include "store/filetypes.h"
#include "store/lexformat.h"
#include "ui/lexikon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTableView>

void Lexikon::Event_Open()
{
    guard(QStringLiteral("Lexikon/Open"), Report::PlaceOnly, [&] {
        setWindowTitle(QStringLiteral("Vokabo"));
        const QString folder = platform().applicationFolder();
        if (!folder.isEmpty())
            LexikonDatei = QDir(folder).filePath(QStringLiteral("Lexikon.LEX"));
        // A refused file is not the document: a save must not write over it.
        if (LexikonDatei && QFileInfo::exists(*LexikonDatei) && !LexikonLaden())
            LexikonDatei.reset();
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
                LexiconContent content = parseLexicon(file.readAll());
                file.close();
                if (!content.headerOk) {
                    hinweis(QStringLiteral("Falsche Daten"));
                } else {
                    if (content.headings)
                        entries().setHeadings(*content.headings);
                    const bool hadSelection = ListBox1->selectionModel()->hasSelection();
                    entries().setRows(std::move(content.rows)); // one model reset for the whole file
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
