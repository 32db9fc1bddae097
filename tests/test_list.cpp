// The entry list: sort order, selection following, clicks, painting, clipboard keys.
#include "testwindow.h"

#include "list/clipboard.h"
#include "list/listpaint.h"
#include "list/sortkey.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>

class TestList : public QObject {
    Q_OBJECT
private slots:
    void asciiFolding_data();
    void asciiFolding();
    void sortOrder_data();
    void sortOrder();
    void headerClickSorts();
    void selectionFollows();
    void doubleClickOpensRecordedCell();
    void paintColours_data();
    void paintColours();
    void paintedRows();

    void clipboardCompositions();
    void clipboardErrorPlace_data();
    void clipboardErrorPlace();
    void clipboardKeys_data();
    void clipboardKeys();
    void clipboardEmpty();
    void keysWithoutCommandPassThrough();
};

void TestList::asciiFolding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ascii");
    QTest::newRow("plain") << "Abend-1" << "Abend-1";
    QTest::newRow("umlauts") << "Häusler Öl Über" << "Hausler Ol Uber";
    QTest::newRow("sharp s") << "Weiß" << "Weiss";
    QTest::newRow("accents") << "Café élève" << "Cafe eleve";
    QTest::newRow("other") << "Ω€ x" << "?? x";
    QTest::newRow("outside BMP") << QString::fromUtf8("a\xF0\x9F\x98\x80" "b") << "a?b";
}

void TestList::asciiFolding()
{
    QFETCH(QString, text);
    QFETCH(QString, ascii);
    QCOMPARE(toAscii(text), ascii);
}

void TestList::sortOrder_data()
{
    QTest::addColumn<QStringList>("terms");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("signs, digits, letters; case ignored")
        << QStringList{"abend", "Abend", "Zunft", "Ader", "1800er", "-ung"}
        << QStringList{"-ung", "1800er", "abend", "Abend", "Ader", "Zunft"};
    QTest::newRow("prefix first") << QStringList{"Hofmann", "Hof"} << QStringList{"Hof", "Hofmann"};
    QTest::newRow("hyphen before letters") << QStringList{"Hofa", "Hof-"} << QStringList{"Hof-", "Hofa"};
    QTest::newRow("signs after Z") << QStringList{"_x", "Zaun", "[a"} << QStringList{"Zaun", "[a", "_x"};
    QTest::newRow("space first") << QStringList{"Ab", "A b"} << QStringList{"A b", "Ab"};
    QTest::newRow("umlaut as base letter") << QStringList{"Ofen", "Öl", "Ober"} << QStringList{"Ober", "Ofen", "Öl"};
    QTest::newRow("equal keys keep their order") << QStringList{"MÜLLER", "Muller", "müller"}
                                                 << QStringList{"MÜLLER", "Muller", "müller"};
}

void TestList::sortOrder()
{
    QFETCH(QStringList, terms);
    QFETCH(QStringList, sorted);
    EntryTable table;
    QList<EntryRow> rows;
    for (const QString& t : terms)
        rows.append({t, "", "", ""});
    table.setRows(rows);
    table.sortByColumn(0);
    QStringList result;
    for (const EntryRow& r : table.rows())
        result << r[0];
    QCOMPARE(result, sorted);
    QCOMPARE(compareCells("abend", "Abend"), 0);
    QCOMPARE(compareCells("Hof", "Hofmann"), -1);
}

void TestList::headerClickSorts()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"b", "", "Zunft", ""}, {"a", "", "Beruf", ""}, {"c", "", "Amt", ""}});
    QHeaderView* header = w.ListBox1->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    QCOMPARE(w.Sortierspalte, qint64(2));
    QCOMPARE(tableRows(w.entries()), (QStringList{"c||Amt|", "a||Beruf|", "b||Zunft|"}));
    // The selection stays on its entry.
    w.ListBox1->selectRow(2);
    QCOMPARE(w.Label3->text(), QString("b"));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    QCOMPARE(w.Sortierspalte, qint64(0));
    QCOMPARE(tableRows(w.entries()), (QStringList{"a||Beruf|", "b||Zunft|", "c||Amt|"}));
    QCOMPARE(w.ListBox1->selectionModel()->selectedRows().value(0).row(), 1);
}

void TestList::selectionFollows()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"Pate", "Taufzeuge", "", ""}, {"Hufe", "Hofstelle\nLand", "", ""}, {"Elle", "Maß", "", ""}});
    w.ListBox1->selectRow(1);
    QCOMPARE(w.CellRow, qint64(1));
    QCOMPARE(w.Label3->text(), QString("Hufe"));
    QCOMPARE(w.EditField2->toPlainText(), QString("Hofstelle\nLand"));
    QVERIFY(w.EditField2->isEnabled());
    QVERIFY(w.loeschen->isEnabled());
    QCOMPARE(w.loeschen->text(), QString("Zeile löschen"));

    w.ListBox1->selectAll();
    QCOMPARE(w.CellRow, qint64(0));
    QCOMPARE(w.loeschen->text(), QString("Zeilen löschen"));
    QCOMPARE(w.Label3->text(), QString("Pate"));

    w.ListBox1->selectRow(2);
    QCOMPARE(w.loeschen->text(), QString("Zeile löschen"));

    // Clicking below the last row clears the selection.
    QTest::mouseClick(w.ListBox1->viewport(), Qt::LeftButton, {}, QPoint(10, 19 * 3 + 10));
    QCOMPARE(w.CellRow, qint64(-1));
    QCOMPARE(w.EditField2->toPlainText(), QString());
    QVERIFY(!w.EditField2->isEnabled());
    QVERIFY(!w.loeschen->isEnabled());
    QCOMPARE(w.Label3->text(), QString("Elle"));
}

namespace {
QLineEdit* openCellEditor(QTableView* list)
{
    for (QLineEdit* e : list->viewport()->findChildren<QLineEdit*>())
        if (e->isVisible())
            return e;
    return nullptr;
}
} // namespace

void TestList::doubleClickOpensRecordedCell()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"Pate", "Taufzeuge", "Verwandtschaft", "godfather"}, {"Hufe", "", "Maß", ""}});
    QTableView* list = w.ListBox1;
    const QRect art = list->visualRect(w.entries().index(1, 2));
    // A double-click: the first click's press, then the double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, art.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, art.center());
    QCOMPARE(w.CellRow, qint64(1));
    QCOMPARE(w.CellColumn, qint64(2));
    QLineEdit* editor = openCellEditor(list);
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString("Maß"));
    QCOMPARE(editor->geometry(), list->visualRect(w.entries().index(1, 2)));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!openCellEditor(list));

    // Below the last row: the selection is cleared and nothing opens.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 19 * 2 + 30));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 19 * 2 + 30));
    QCOMPARE(w.CellRow, qint64(-1));
    QVERIFY(!openCellEditor(list));
}

void TestList::paintColours_data()
{
    QTest::addColumn<qint64>("row");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<QColor>("text");
    const QColor dark(0, 99, 225), light(179, 215, 255), black(0, 0, 0), white(255, 255, 255);
    QTest::newRow("row 0") << qint64(0) << false << dark << QColor(200, 255, 255) << 625 << black;
    QTest::newRow("row 1") << qint64(1) << false << dark << QColor(230, 230, 230) << 460 << black;
    QTest::newRow("row 2") << qint64(2) << false << dark << QColor(200, 255, 255) << 625 << black;
    QTest::newRow("selected, dark highlight") << qint64(1) << true << dark << dark << 216 << white;
    QTest::newRow("selected, light highlight") << qint64(4) << true << light << light << 432 << black;
    QTest::newRow("threshold 250 is white") << qint64(0) << true << QColor(125, 125, 125) << QColor(125, 125, 125) << 250 << white;
    QTest::newRow("251 is black") << qint64(0) << true << QColor(126, 125, 126) << QColor(126, 125, 126) << 251 << black;
}

void TestList::paintColours()
{
    QFETCH(qint64, row);
    QFETCH(bool, selected);
    QFETCH(QColor, highlight);
    QFETCH(QColor, fill);
    QFETCH(int, brightness);
    QFETCH(QColor, text);
    QCOMPARE(rowFillColor(row, selected, highlight), fill);
    QCOMPARE(rowBrightness(row, selected, highlight), brightness);
    QCOMPARE(rowTextColor(row, selected, highlight), text);
}

void TestList::paintedRows()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"Pate", "", "", ""}, {"Hufe", "", "", ""}, {"Elle", "", "", ""}});
    QPalette p = w.ListBox1->palette();
    p.setColor(QPalette::Active, QPalette::Highlight, QColor(0, 99, 225));
    p.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0, 99, 225));
    w.ListBox1->setPalette(p);
    w.ListBox1->selectRow(2);
    const QImage image = w.ListBox1->viewport()->grab().toImage();
    const int x = w.ListBox1->columnWidth(0) - 4; // right of the text, left of the grid line
    QCOMPARE(QColor(image.pixel(x, 2)), QColor(200, 255, 255));
    QCOMPARE(QColor(image.pixel(x, 19 + 2)), QColor(230, 230, 230));
    QCOMPARE(QColor(image.pixel(x, 38 + 2)), QColor(0, 99, 225));
    // The selected row's text is drawn in white.
    bool whiteText = false;
    for (int px = 2; px < 40 && !whiteText; ++px)
        for (int py = 38; py < 57; ++py)
            whiteText |= QColor(image.pixel(px, py)) == QColor(255, 255, 255);
    QVERIFY(whiteText);
}

void TestList::clipboardCompositions()
{
    QCOMPARE(cutSelection({"Schulze", 5, 2}), (TextState{"Schul", 5, 0}));
    QCOMPARE(pasteText({"Schulze", 3, 0}, "-"), (TextState{"Sch-ulze", 3, 1}));
    QCOMPARE(pasteText({"Ackermann", 0, 5}, "Bauers"), (TextState{"Bauersmann", 0, 6}));
    QCOMPARE(cutSelection({"abc", 0, 0}), (TextState{"abc", 0, 0}));
}

void TestList::clipboardErrorPlace_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("letter") << "v" << "Key=v";
    QTest::newRow("left arrow") << QString(QChar(28)) << "Key=28";
}

void TestList::clipboardErrorPlace()
{
    QFETCH(QString, key);
    QFETCH(QString, lastLine);
    QCOMPARE(::clipboardErrorPlace(std::nullopt, QString("Abt"), key),
             "Clipboardfunktionen\nFeld=nil\nFeld1=Abt\n" + lastLine);
    QCOMPARE(::clipboardErrorPlace(QString("x"), std::nullopt, "c"), QString("Clipboardfunktionen\nFeld=x\nFeld1=nil\nKey=c"));
}

namespace {
struct FieldState {
    QString text;
    int start;
    int length;
};

FieldState stateOf(QWidget* field)
{
    if (auto* le = qobject_cast<QLineEdit*>(field)) {
        if (le->hasSelectedText())
            return {le->text(), le->selectionStart(), int(le->selectionLength())};
        return {le->text(), le->cursorPosition(), 0};
    }
    auto* te = qobject_cast<QTextEdit*>(field);
    const QTextCursor c = te->textCursor();
    return {te->toPlainText(), c.selectionStart(), c.selectionEnd() - c.selectionStart()};
}

void setState(QWidget* field, const QString& text, int start, int length)
{
    if (auto* le = qobject_cast<QLineEdit*>(field)) {
        le->setText(text);
        if (length)
            le->setSelection(start, length);
        else
            le->setCursorPosition(start);
        return;
    }
    auto* te = qobject_cast<QTextEdit*>(field);
    te->setPlainText(text);
    QTextCursor c = te->textCursor();
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    te->setTextCursor(c);
}
} // namespace

void TestList::clipboardKeys_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<QString>("expectText");
    QTest::addColumn<int>("expectStart");
    QTest::addColumn<int>("expectLength");
    QTest::addColumn<QString>("clipboardAfter");

    for (const char* field : {"EditField1", "EditField2"}) {
        const QString f = QString::fromLatin1(field);
        QTest::newRow(qPrintable(f + " right")) << f << "Schulz" << 2 << 0 << int(Qt::Key_Right) << false << "" << "Schulz" << 6 << 0 << "";
        QTest::newRow(qPrintable(f + " left")) << f << "Schulz" << 4 << 0 << int(Qt::Key_Left) << false << "" << "Schulz" << 0 << 0 << "";
        QTest::newRow(qPrintable(f + " select all")) << f << "Ackermann" << 3 << 0 << int(Qt::Key_A) << false << "" << "Ackermann" << 0 << 9 << "";
        QTest::newRow(qPrintable(f + " shift A")) << f << "Ackermann" << 3 << 0 << int(Qt::Key_A) << true << "" << "Ackermann" << 0 << 9 << "";
        QTest::newRow(qPrintable(f + " cut")) << f << "Schulze" << 5 << 2 << int(Qt::Key_X) << false << "q" << "Schul" << 5 << 0 << "ze";
        QTest::newRow(qPrintable(f + " copy")) << f << "Schulze" << 1 << 3 << int(Qt::Key_C) << false << "q" << "Schulze" << 1 << 3 << "chu";
        QTest::newRow(qPrintable(f + " paste")) << f << "Schulze" << 3 << 0 << int(Qt::Key_V) << false << "-" << "Sch-ulze" << 3 << 1 << "-";
        QTest::newRow(qPrintable(f + " paste over selection")) << f << "Ackermann" << 0 << 5 << int(Qt::Key_V) << false << "Bauers" << "Bauersmann" << 0 << 6 << "Bauers";
    }
    QTest::newRow("EditField2 right, several lines") << "EditField2" << "Taufzeuge\nbei der Taufe" << 2 << 0 << int(Qt::Key_Right) << false << "" << "Taufzeuge\nbei der Taufe" << 23 << 0 << "";
    QTest::newRow("TextField1 paste digits") << "TextField1" << "20" << 2 << 0 << int(Qt::Key_V) << false << "19" << "2019" << 2 << 2 << "19";
    QTest::newRow("TextField1 paste keeps the mask") << "TextField1" << "20" << 2 << 0 << int(Qt::Key_V) << false << "1a9x55" << "2019" << 2 << 2 << "1a9x55";
    QTest::newRow("TextField1 cut") << "TextField1" << "2019" << 0 << 2 << int(Qt::Key_X) << false << "" << "19" << 0 << 0 << "20";
}

void TestList::clipboardKeys()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(QString, clipboardBefore);
    QFETCH(QString, expectText);
    QFETCH(int, expectStart);
    QFETCH(int, expectLength);
    QFETCH(QString, clipboardAfter);

    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"Pate", "", "", ""}});
    w.ListBox1->selectRow(0); // the explanation editor is enabled for a selected row
    auto* field = w.findChild<QWidget*>(fieldName);
    QVERIFY(field);
    setState(field, text, start, length);
    QApplication::clipboard()->setText(clipboardBefore);
    int changes = 0;
    if (auto* le = qobject_cast<QLineEdit*>(field))
        connect(le, &QLineEdit::textChanged, this, [&] { ++changes; });
    else
        connect(qobject_cast<QTextEdit*>(field), &QTextEdit::textChanged, this, [&] { ++changes; });

    t.platform.command = true;
    Qt::KeyboardModifiers mods = Qt::ControlModifier;
    if (shift)
        mods |= Qt::ShiftModifier;
    QTest::keyClick(field, Qt::Key(key), mods);
    t.platform.command = false;

    const FieldState s = stateOf(field);
    QCOMPARE(s.text, expectText);
    QCOMPARE(s.start, expectStart);
    QCOMPARE(s.length, expectLength);
    QCOMPARE(QApplication::clipboard()->text(), clipboardAfter);
    // One keystroke, one edit: the field's own shortcut did not act again.
    QVERIFY(changes <= 1);
    QCOMPARE(changes, expectText == text ? 0 : 1);
    QVERIFY(t.platform.notices.isEmpty());
}

void TestList::clipboardEmpty()
{
    TestWindow t;
    auto& w = t.open();
    QApplication::clipboard()->clear();
    w.TextField1->setText("201");
    t.platform.command = true;
    QTest::keyClick(w.TextField1, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w.EditField1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(t.platform.notices,
             (QStringList{"Kein Text zum Einfügen verfügbar.", "Kein Text zum Einfügen verfügbar."}));
    QCOMPARE(w.TextField1->text(), QString("201"));
}

void TestList::keysWithoutCommandPassThrough()
{
    TestWindow t;
    auto& w = t.open();
    QApplication::clipboard()->setText("zz");
    w.EditField1->setText("ab");
    // The live key state decides: without it the field handles the keys itself.
    QTest::keyClicks(w.EditField1, "xv");
    QCOMPARE(w.EditField1->text(), QString("abxv"));
    QCOMPARE(QApplication::clipboard()->text(), QString("zz"));
}

QTEST_MAIN(TestList)
#include "test_list.moc"
