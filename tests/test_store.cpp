// The lexicon file format, opening and saving.
#include "testwindow.h"

#include "store/filetypes.h"
#include "store/lexformat.h"

#include <QDir>
#include <QMimeData>
#include <QPushButton>
#include <QLabel>
#include <QTableView>
#include <csignal>
#include <sys/resource.h>

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void entryLine_data();
    void entryLine();
    void writerLine_data();
    void writerLine();
    void roundTrip();
    void splitLines_data();
    void splitLines();
    void fileTypes();
    void tableOperations();
    void rowsReorderedByDragging();

    void startupLoadsDefaultFile();
    void startupWithoutDefaultFile();
    void startupWithWrongHeader();
    void titleLinesAndEndMarker();
    void loadFailures_data();
    void loadFailures();
    void binaryAndInvalidUtf8();
    void openCommandDialog();
    void openCommandCancelledKeepsFile();
    void openCommandRefusedFileKeepsFile();

    void saveWritesExactBytes();
    void saveEmptyTable();
    void saveCreatesDefaultFileWithoutDialog();
    void saveFailures_data();
    void saveFailures();
    void saveAsAsksAndSortsButton();
    void saveWriteFailureReportsRow();
    void saveWriteFailureKeepsOldFile();
};

void TestStore::entryLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("four fields") << "Pate#Taufzeuge#Verwandtschaft#godfather"
                                 << QStringList{"Pate", "Taufzeuge", "Verwandtschaft", "godfather"};
    QTest::newRow("no hash") << "Hufe" << QStringList{"Hufe", "", "", ""};
    QTest::newRow("five fields") << "A#B#C#D#E" << QStringList{"A", "B", "C", "D"};
    QTest::newRow("br in explanation") << "a#x<br>y#x<br>y#" << QStringList{"a", "x\ny", "x<br>y", ""};
    QTest::newRow("not trimmed") << " a # b #c#d " << QStringList{" a ", " b ", "c", "d "};
    QTest::newRow("empty fields") << "##Art#" << QStringList{"", "", "Art", ""};
    QTest::newRow("umlauts") << "Häusler#Kätner, Kleinbauer#Stand#cottager"
                             << QStringList{"Häusler", "Kätner, Kleinbauer", "Stand", "cottager"};
}

void TestStore::entryLine()
{
    QFETCH(QString, line);
    QFETCH(QStringList, row);
    const EntryRow r = parseEntryLine(line);
    QCOMPARE((QStringList{r[0], r[1], r[2], r[3]}), row);
}

void TestStore::writerLine_data()
{
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << QStringList{"Pate", "Taufzeuge", "Verwandtschaft", "godfather"}
                           << "Pate#Taufzeuge#Verwandtschaft#godfather";
    QTest::newRow("trimmed") << QStringList{"  a\t", " b ", "\nc", "d \r\n"} << "a#b#c#d";
    QTest::newRow("LF") << QStringList{"a", "x\ny", "", ""} << "a#x<br>y##";
    QTest::newRow("CRLF") << QStringList{"a", "x\r\ny", "", ""} << "a#x<br>y##";
    QTest::newRow("CR") << QStringList{"a", "x\ry\n\nz", "", ""} << "a#x<br>y<br><br>z##";
    QTest::newRow("trailing break trimmed") << QStringList{"a", "x\n", "", ""} << "a#x##";
    QTest::newRow("br only in explanation") << QStringList{"a\nb", "", "", ""} << "a\nb###";
    QTest::newRow("empty row") << QStringList{" ", "\n", "\t", ""} << "###";
}

void TestStore::writerLine()
{
    QFETCH(QStringList, row);
    QFETCH(QString, line);
    QCOMPARE(composeEntryLine({row[0], row[1], row[2], row[3]}), line);
}

void TestStore::roundTrip()
{
    // What the writer produces, the reader reads back (cells trimmed).
    const QList<EntryRow> rows = {
        {"Abdecker", "Schinder, Tierkörperverwerter\nBeruf mit geringem Ansehen", "Beruf", "knacker"},
        {"Weiß", "eine\n\nLeerzeile", "", "white"},
        {"x<br>y", "a", "x<br>y", "ß"},
    };
    for (const EntryRow& row : rows)
        QCOMPARE(parseEntryLine(composeEntryLine(row)), row);
}

void TestStore::splitLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("CRLF") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("mixed with empty lines") << QByteArray("a\r\n\rb\n\nc") << QStringList{"a", "", "b", "", "c"};
    QTest::newRow("empty") << QByteArray() << QStringList{};
}

void TestStore::splitLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QStringList result;
    for (QByteArrayView line : ::splitLines(bytes))
        result << QString::fromUtf8(line);
    QCOMPARE(result, lines);
}

void TestStore::fileTypes()
{
    QCOMPARE(fileTypesText(), QString("text;alle;Lexikon;special/any"));
    QCOMPARE(FileTypes().at(0).creatorCode, QString("R*ch"));
    QVERIFY(fileTypesFilter().contains("Lexikon (*.lex *.LEX)"));
}

void TestStore::tableOperations()
{
    EntryTable t;
    t.addRow("Pate");
    t.addRow("Hufe");
    QCOMPARE(t.lastAddedRow(), 1);
    t.setCell(t.lastAddedRow(), 1, "Hofstelle");
    t.setHeadings("Wort\tErklärung\tArt");
    QCOMPARE(t.heading(1), QString("Erklärung"));
    QCOMPARE(t.heading(3), QString());
    QCOMPARE(t.headerData(0, Qt::Horizontal).toString(), QString("Wort"));
    t.sortByColumn(0);
    QCOMPARE(tableRows(t), (QStringList{"Hufe|Hofstelle||", "Pate|||"}));
    QCOMPARE(t.lastAddedRow(), 0); // the row added last moved with the sort
    t.removeRow(0);
    QCOMPARE(tableRows(t), QStringList{"Pate|||"});
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, t.cell(1, 0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, t.setCell(0, 4, "x"));
    t.removeAllRows();
    QCOMPARE(t.count(), 0);
}

void TestStore::rowsReorderedByDragging()
{
    EntryTable t;
    t.setRows({{"a", "", "", ""}, {"b", "", "", ""}, {"c", "", "", ""}, {"d", "", "", ""}});
    const QPersistentModelIndex selected = t.index(3, 0);
    std::unique_ptr<QMimeData> mime(t.mimeData({t.index(0, 0), t.index(0, 1), t.index(2, 0)}));
    // The view must find nothing left to remove after the move.
    QVERIFY(!t.dropMimeData(mime.get(), Qt::MoveAction, 4, 0, {}));
    QCOMPARE(tableRows(t), (QStringList{"b|||", "d|||", "a|||", "c|||"}));
    QCOMPARE(selected.row(), 1); // the selection moves with its entry
    mime.reset(t.mimeData({t.index(3, 0)}));
    t.dropMimeData(mime.get(), Qt::MoveAction, -1, -1, t.index(0, 0)); // dropped on the first row
    QCOMPARE(tableRows(t), (QStringList{"c|||", "b|||", "d|||", "a|||"}));
}

void TestStore::startupLoadsDefaultFile()
{
    TestWindow t;
    t.write("Lexikon.LEX", lexFile("Pate#Taufzeuge#Verwandtschaft#godfather\r\n\r\nHufe#Hofstelle\n"));
    auto& w = t.open();
    QCOMPARE(w.windowTitle(), QString("Vokabo"));
    QCOMPARE(tableRows(w.entries()), (QStringList{"Pate|Taufzeuge|Verwandtschaft|godfather", "Hufe|Hofstelle||"}));
    QCOMPARE(w.Label2->text(), QString("2"));
    QCOMPARE(*w.LexikonDatei, t.appDir.filePath("Lexikon.LEX"));
    QCOMPARE(w.LexChanged, false);
    QCOMPARE(w.Suchstart, qint64(-1));
    QVERIFY(t.platform.dialogs.isEmpty());
    QVERIFY(t.platform.notices.isEmpty());
    // The list's own headings stay until a title line replaces them.
    QCOMPARE(w.entries().heading(1), QString("Deutsch"));
}

void TestStore::startupWithoutDefaultFile()
{
    TestWindow t;
    auto& w = t.open();
    QCOMPARE(w.entries().count(), 0);
    QCOMPARE(w.Label2->text(), QString("0"));
    // The default file is remembered even though it does not exist yet.
    QCOMPARE(*w.LexikonDatei, t.appDir.filePath("Lexikon.LEX"));
    QVERIFY(t.platform.dialogs.isEmpty());
    QVERIFY(t.platform.notices.isEmpty());
    QVERIFY(t.platform.errorReports.isEmpty());
}

void TestStore::startupWithWrongHeader()
{
    TestWindow t;
    const QByteArray other = "Kein Lexikon\nPate#Taufzeuge\n";
    const QString lex = t.write("Lexikon.LEX", other);
    auto& w = t.open();
    QCOMPARE(t.platform.notices, QStringList{"Falsche Daten"});
    QCOMPARE(w.entries().count(), 0);
    // The refused file is not overwritten by a save: the save asks where to save.
    w.entries().addRow("Hufe");
    t.platform.saveAnswers << std::nullopt;
    w.FileLexikonSichern();
    QCOMPARE(t.platform.dialogs, QStringList{"save: Lexikon.LEX"});
    QFile f(lex);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), other);
}

void TestStore::titleLinesAndEndMarker()
{
    TestWindow t;
    t.write("Lexikon.LEX", "\xEF\xBB\xBF" "SIPPENKOMPASS - LEXIKONDATEI\n"
                           "<title>#Wort#Erklärung\n"
                           "a#1\n"
                           "<TITLE>#W#E#K#En\n"
                           "b#2\n"
                           "<ende zeilentabelle>\n"
                           "c#3\n");
    auto& w = t.open();
    QCOMPARE(tableRows(w.entries()), (QStringList{"a|1||", "b|2||"}));
    QCOMPARE((QStringList{w.entries().heading(0), w.entries().heading(1), w.entries().heading(2),
                          w.entries().heading(3)}),
             (QStringList{"W", "E", "K", "En"}));

    // A file whose second line is the end marker loads as an empty table.
    w.LexChanged = true;
    t.write("Lexikon.LEX", "Sippenkompass - Lexikondatei\n<Ende Zeilentabelle>\nx#y\n");
    w.LexikonLaden();
    QCOMPARE(w.entries().count(), 0);
    QCOMPARE(w.LexChanged, false);
    QCOMPARE(w.entries().heading(0), QString("W")); // no title line: headings kept

    t.write("Lexikon.LEX", "Sippenkompass - Lexikondatei");
    w.entries().addRow("x");
    w.LexikonLaden();
    QCOMPARE(w.entries().count(), 0);
    QCOMPARE(w.Label2->text(), QString("0"));
}

void TestStore::loadFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("notice");
    QTest::newRow("missing file") << "missing" << "";
    QTest::newRow("unreadable file") << "directory" << "Lexikon konnte nicht geöffnet werden";
    QTest::newRow("wrong header") << "header" << "Falsche Daten";
    QTest::newRow("empty file") << "empty" << "Falsche Daten";
}

void TestStore::loadFailures()
{
    QFETCH(QString, kind);
    QFETCH(QString, notice);
    TestWindow t;
    t.write("Lexikon.LEX", lexFile("Pate#Taufzeuge\n<Title>#A#B#C#D\n"));
    auto& w = t.open();
    w.LexChanged = true;
    const QString other = t.desktop.filePath("other.lex");
    if (kind == "directory")
        QDir().mkpath(other);
    else if (kind == "header")
        t.write(other, "Sippenkompass\nx#y\n");
    else if (kind == "empty")
        t.write(other, "");
    w.LexikonDatei = other;
    w.LexikonLaden();
    QCOMPARE(t.platform.notices, notice.isEmpty() ? QStringList{} : QStringList{notice});
    QCOMPARE(tableRows(w.entries()), QStringList{"Pate|Taufzeuge||"});
    QCOMPARE(w.entries().heading(0), QString("A"));
    QCOMPARE(w.LexChanged, true);
    QCOMPARE(w.Label2->text(), QString("1"));
    QVERIFY(t.platform.errorReports.isEmpty());
}

void TestStore::binaryAndInvalidUtf8()
{
    TestWindow t;
    auto& w = t.open();
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 7919) & 0xFF);
    w.LexikonDatei = t.write(t.desktop.filePath("binary.bin"), binary);
    w.LexikonLaden();
    QCOMPARE(t.platform.notices, QStringList{"Falsche Daten"});

    // Behind a good header, a NUL byte and invalid UTF-8 load as far as they can.
    w.LexikonDatei = t.write(t.desktop.filePath("odd.lex"), lexFile(QByteArray("a\0b#c\xC3(#d\n", 10)));
    w.LexikonLaden();
    QCOMPARE(w.entries().count(), 1);
    QCOMPARE(w.entries().cell(0, 0), QString("a") + QChar(0) + "b");
    QCOMPARE(w.entries().cell(0, 1), QString("c") + QChar(0xFFFD) + "(");
}

void TestStore::openCommandDialog()
{
    TestWindow t;
    t.write("Lexikon.LEX", lexFile("Pate#Taufzeuge\n"));
    auto& w = t.open();
    w.LexChanged = true;
    const QString other = t.write(t.desktop.filePath("zwei.lex"), lexFile("A#1\nB#2\n"));
    t.platform.openAnswers << other;
    QTest::mouseClick(w.PushButton1, Qt::LeftButton); // "Lexikon laden"
    // Unsaved changes are replaced without a question.
    QCOMPARE(t.platform.dialogs, QStringList{"open: Wähle Lexikon"});
    QCOMPARE(t.platform.lastFolder, t.desktop.path());
    QCOMPARE(t.platform.lastFilter, fileTypesFilter());
    QCOMPARE(tableRows(w.entries()), (QStringList{"A|1||", "B|2||"}));
    QCOMPARE(*w.LexikonDatei, other);
    QCOMPARE(w.LexChanged, false);
}

void TestStore::openCommandCancelledKeepsFile()
{
    TestWindow t;
    const QString lex = t.write("Lexikon.LEX", lexFile("Pate#Taufzeuge\n"));
    auto& w = t.open();
    t.platform.openAnswers << std::nullopt;
    w.LexikonOeffnen();
    QCOMPARE(tableRows(w.entries()), QStringList{"Pate|Taufzeuge||"});
    QCOMPARE(w.LexikonDatei, std::optional<QString>(lex));
    QCOMPARE(w.Label2->text(), QString("1"));
    // The next save writes the same file without asking.
    w.FileLexikonSichern();
    QVERIFY(t.platform.unexpected.isEmpty());
}

void TestStore::openCommandRefusedFileKeepsFile()
{
    TestWindow t;
    const QString lex = t.write("Lexikon.LEX", lexFile("Pate#Taufzeuge\n"));
    auto& w = t.open();
    const QString notes = t.write(t.desktop.filePath("notes.txt"), "meine Notizen\n");
    t.platform.openAnswers << notes;
    w.LexikonOeffnen();
    QCOMPARE(t.platform.notices, QStringList{"Falsche Daten"});
    // A save must not write the lexicon over the refused file.
    QCOMPARE(w.LexikonDatei, std::optional<QString>(lex));
}

void TestStore::saveWritesExactBytes()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"Zunft  ", "Vereinigung\r\nder Handwerker\n", " Beruf", "guild "},
                         {"", " ", "", "\t"},
                         {"Ahne", "Vorfahr", "Verwandtschaft", "ancestor"},
                         {"Öl", "x", "", ""}});
    w.LexChanged = true;
    w.FileLexikonSichern();
    QFile f(t.appDir.filePath("Lexikon.LEX"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    // Sorted by term, cells trimmed, breaks as <br>, the empty row left out.
    QCOMPARE(f.readAll(), QByteArray("Sippenkompass - Lexikondatei\n\n"
                                     "Ahne#Vorfahr#Verwandtschaft#ancestor\n"
                                     "\xC3\x96l#x##\n"
                                     "Zunft#Vereinigung<br>der Handwerker#Beruf#guild\n"));
    QCOMPARE(w.LexChanged, false);
    QVERIFY(t.platform.dialogs.isEmpty());
}

void TestStore::saveEmptyTable()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"", "", "", ""}});
    QVERIFY(w.LexikonSichern());
    QFile f(t.appDir.filePath("Lexikon.LEX"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Sippenkompass - Lexikondatei\n\n"));
}

void TestStore::saveCreatesDefaultFileWithoutDialog()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().addRow("Pate");
    w.sichern_Action();
    QVERIFY(QFile::exists(t.appDir.filePath("Lexikon.LEX")));
    QVERIFY(t.platform.dialogs.isEmpty());
    QCOMPARE(w.sichern->text(), QString("Lexikon sichern"));
    QVERIFY(w.sichern->isEnabled());
}

void TestStore::saveFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("notice");
    QTest::newRow("write-protected file") << "file" << "Die Datei ist schreibgeschützt!";
    QTest::newRow("folder without write permission")
        << "folder"
        << "Sie haben keine Schreibrechte im Verzeichnis für die Lexikondatei. "
           "Bitte sichern Sie das Lexikon in einem anderen Verzeichnis.";
    QTest::newRow("cancelled dialog") << "cancel" << "";
}

void TestStore::saveFailures()
{
    QFETCH(QString, kind);
    QFETCH(QString, notice);
    TestWindow t;
    const QByteArray old = lexFile("alt#alt\n");
    const QString lex = t.write("Lexikon.LEX", old);
    auto& w = t.open();
    w.entries().setRows({{"neu", "neu", "", ""}});
    w.LexChanged = true;
    if (kind == "file")
        QFile::setPermissions(lex, QFile::ReadOwner | QFile::ReadGroup);
    else if (kind == "folder")
        QFile::setPermissions(t.appDir.path(), QFile::ReadOwner | QFile::ExeOwner);
    else
        t.platform.saveAnswers << std::nullopt;

    if (kind == "cancel")
        w.FileLexikonSichernAls();
    else
        w.FileLexikonSichern();
    QFile::setPermissions(t.appDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(lex, QFile::ReadOwner | QFile::WriteOwner);

    QCOMPARE(t.platform.notices, notice.isEmpty() ? QStringList{} : QStringList{notice});
    QVERIFY(t.platform.errorReports.isEmpty());
    QCOMPARE(w.LexChanged, true);
    QFile f(lex);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), old);
    QCOMPARE(QDir(t.appDir.path()).entryList(QDir::Files), QStringList{"Lexikon.LEX"});
}

void TestStore::saveAsAsksAndSortsButton()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"b", "", "", ""}, {"A", "", "", ""}});
    const QString target = t.desktop.filePath("neu.lex");
    t.platform.saveAnswers << target;
    w.sichern->setText("Sichern als"); // as while Option is held
    w.LexChanged = true;
    w.sichern_Action();
    QCOMPARE(t.platform.dialogs, QStringList{"save: Lexikon.LEX"});
    QCOMPARE(t.platform.lastFilter, fileTypesFilter());
    QCOMPARE(*w.LexikonDatei, target);
    QCOMPARE(w.LexChanged, false);
    QCOMPARE(tableRows(w.entries()), (QStringList{"A|||", "b|||"}));
    QCOMPARE(w.sichern->text(), QString("Lexikon sichern"));
}

namespace {
// Limits the size of files this process may write, so that a write fails for real.
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};
} // namespace

void TestStore::saveWriteFailureReportsRow()
{
    TestWindow t;
    auto& w = t.open();
    // Rows are written in blocks; the long third row fills the first block.
    const QString longText(70000, QLatin1Char('x'));
    w.entries().setRows({{"a", "1", "", ""}, {"b", "2", "", ""}, {"c", longText, "", ""}, {"d", "", "", ""}});
    bool written = true;
    {
        FileSizeLimit limit(10);
        written = w.LexikonSichern();
    }
    QVERIFY(!written);
    QCOMPARE(t.platform.errorReports,
             QStringList{"Fehler in der Routine >Lexikon/LexikonSichern, Fehlerstelle: 12; i=2; bis=3; Zeile=c#"
                         + longText + "##"});
}

void TestStore::saveWriteFailureKeepsOldFile()
{
    TestWindow t;
    const QByteArray old = lexFile("alt#alt\n");
    const QString lex = t.write("Lexikon.LEX", old);
    auto& w = t.open();
    w.entries().setRows({{"neu", QString(200, QLatin1Char('y')), "", ""}});
    w.LexChanged = true;
    {
        FileSizeLimit limit(100);
        w.FileLexikonSichern();
    }
    QCOMPARE(t.platform.errorReports.size(), 1);
    QVERIFY(t.platform.errorReports[0].startsWith(
        "Fehler in der Routine >Lexikon/LexikonSichern, Fehlerstelle: 14; i=1; bis=0; Zeile=neu#y"));
    QCOMPARE(w.LexChanged, true);
    QFile f(lex);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), old);
}

QTEST_MAIN(TestStore)
#include "test_store.moc"
