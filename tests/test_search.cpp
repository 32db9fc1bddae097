// Soundex, the incremental search and the button search.
#include "testwindow.h"

#include "search/find.h"
#include "search/soundex.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void soundex_data();
    void soundex();
    void find_data();
    void find();
    void typingSearches();
    void typingSearchesClickedColumn();
    void buttonSearchWalks();
    void buttonSearchWithoutHit();
    void returnPressesSearch();
};

void TestSearch::soundex_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("code");
    QTest::newRow("Müller") << "Müller" << "M460";
    QTest::newRow("Mueller") << "Mueller" << "M460";
    QTest::newRow("Schmidt: m after h not coded") << "Schmidt" << "S300";
    QTest::newRow("meier keeps lower case") << "meier" << "m600";
    QTest::newRow("Weiß") << "Weiß" << "W200";
    QTest::newRow("ärger") << "ärger" << "A626";
    QTest::newRow("empty") << "" << "000";
    QTest::newRow("one character") << "A" << "A000";
    QTest::newRow("Bohm") << "Bohm" << "B000";
    QTest::newRow("Ashcraft") << "Ashcraft" << "A261";
    QTest::newRow("Kirchhoff stops after three digits") << "Kirchhoff" << "K621";
    QTest::newRow("Pfister: same group as first") << "Pfister" << "P236";
    QTest::newRow("Gevatter: vowel separates") << "Gevatter" << "G136";
    QTest::newRow("digits") << "1800" << "1000";
    QTest::newRow("punctuation") << "-?!" << "-000";
    QTest::newRow("Öl") << "Öl" << "O400";
    QTest::newRow("ß first") << "ßa" << "s000";
    QTest::newRow("character outside the BMP counts once")
        << QString::fromUtf8("\xF0\x9F\x98\x80" "bdl") << QString::fromUtf8("\xF0\x9F\x98\x80" "134");
}

void TestSearch::soundex()
{
    QFETCH(QString, term);
    QFETCH(QString, code);
    QCOMPARE(soundexCode(term), code);
}

void TestSearch::find_data()
{
    QTest::addColumn<QStringList>("column");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QList<int>>("rows"); // the rows that may be selected
    const QStringList terms{"Abdecker", "Ahne", "Elle", "Hufe", "Pate", "Pater", "Zunft"};
    QTest::newRow("empty list") << QStringList{} << "x" << QList<int>{-1};
    QTest::newRow("one row") << QStringList{"Pate"} << "Pate" << QList<int>{-1};
    QTest::newRow("before all") << terms << "Aa" << QList<int>{0};
    QTest::newRow("empty term") << terms << "" << QList<int>{0};
    QTest::newRow("after all") << terms << "Zz" << QList<int>{6};
    QTest::newRow("exact match") << terms << "Hufe" << QList<int>{3};
    QTest::newRow("prefix") << terms << "Pat" << QList<int>{4};
    QTest::newRow("case ignored") << terms << "pATER" << QList<int>{5};
    QTest::newRow("between") << terms << "Hz" << QList<int>{4};
    QTest::newRow("equal entries") << QStringList{"a", "b", "b", "b", "c"} << "B" << QList<int>{1, 2, 3};
    QTest::newRow("two rows, second") << QStringList{"a", "b"} << "b" << QList<int>{1};
    QTest::newRow("two rows, after") << QStringList{"a", "b"} << "c" << QList<int>{1};
}

void TestSearch::find()
{
    QFETCH(QStringList, column);
    QFETCH(QString, term);
    QFETCH(QList<int>, rows);
    const qsizetype found = findRow(column.size(), [&](qsizetype r) { return column.at(r); }, term);
    QVERIFY2(rows.contains(int(found)), qPrintable(QString::number(found)));
}

void TestSearch::typingSearches()
{
    TestWindow t;
    QByteArray body;
    for (int i = 0; i < 300; ++i)
        body += QStringLiteral("Begriff%1#Erklärung %1\n").arg(i, 3, 10, QLatin1Char('0')).toUtf8();
    t.write("Lexikon.LEX", lexFile(body));
    auto& w = t.open();
    w.resize(650, 600);
    QCOMPARE(w.focusWidget(), w.EditField1);
    QCOMPARE(w.Suchstart, qint64(-1));

    QTest::keyClicks(w.EditField1, "b");
    QCOMPARE(w.StaticText3->text(), QString("Soundexcode = b000"));
    QCOMPARE(w.Suchstart, qint64(0));
    QTest::keyClicks(w.EditField1, "egriff15");
    QCOMPARE(w.StaticText3->text(), QString("Soundexcode = b261"));
    QCOMPARE(w.CellRow, qint64(150));
    QCOMPARE(w.Label3->text(), QString("Begriff150"));
    // Scrolled so that the row is the first visible one.
    QCOMPARE(w.ListBox1->rowAt(0), 150);

    QTest::keyClick(w.EditField1, Qt::Key_Backspace);
    QTest::keyClicks(w.EditField1, "99");
    QCOMPARE(w.CellRow, qint64(199));

    // Emptying the field: row 0 and the code of nothing.
    w.EditField1->clear();
    QCOMPARE(w.CellRow, qint64(0));
    QCOMPARE(w.StaticText3->text(), QString("Soundexcode = 000"));
}

void TestSearch::typingSearchesClickedColumn()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"c", "", "", "apple"}, {"a", "", "", "cherry"}, {"b", "", "", "banana"}});
    w.ListBox1_HeaderPressed(3);
    QTest::keyClicks(w.EditField1, "BAN");
    QCOMPARE(w.Label3->text(), QString("b"));
}

void TestSearch::buttonSearchWalks()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"Taufpate", "", "", ""}, {"Hufe", "", "", ""}, {"Pate", "", "", ""},
                         {"Elle", "", "", ""}, {"Patenkind", "", "", ""}});
    // Right after opening the search starts at row 0.
    w.EditField1->setText("pate");
    QCOMPARE(w.Suchstart, qint64(-1));
    w.ListBox1->clearSelection();
    QStringList hits;
    QList<int> beeps;
    for (int press = 0; press < 5; ++press) {
        QTest::mouseClick(w.SuchenButton, Qt::LeftButton);
        hits << (w.CellRow >= 0 ? w.entries().cell(w.CellRow, 0) : QString("-"));
        beeps << t.platform.beeps;
    }
    // A hit in the last row beeps at once; the press after it starts at the top.
    QCOMPARE(hits, (QStringList{"Taufpate", "Pate", "Patenkind", "Taufpate", "Pate"}));
    QCOMPARE(beeps, (QList<int>{0, 0, 1, 1, 1}));

    // After a hit that is not the last row, the next press beeps and changes nothing.
    w.EditField1->setText("e");
    w.EditField1->setText("elle");
    w.ListBox1->clearSelection();
    QTest::mouseClick(w.SuchenButton, Qt::LeftButton);
    QCOMPARE(w.Label3->text(), QString("Elle"));
    QCOMPARE(t.platform.beeps, 1);
    QTest::mouseClick(w.SuchenButton, Qt::LeftButton);
    QCOMPARE(t.platform.beeps, 2);
    QCOMPARE(w.CellRow, qint64(3));
    QCOMPARE(w.Suchstart, qint64(0));
}

void TestSearch::buttonSearchWithoutHit()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"Hufe", "", "", ""}, {"Elle", "", "", ""}});
    w.ListBox1->selectRow(1);
    for (const char* text : {"xyz", ""}) {
        w.EditField1->setText(QString::fromLatin1(text));
        w.ListBox1->selectRow(1);
        const int before = t.platform.beeps;
        w.SuchenButton_Action();
        QCOMPARE(t.platform.beeps, before + 1);
        QCOMPARE(w.CellRow, qint64(1));
    }
}

void TestSearch::returnPressesSearch()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().setRows({{"Hufe", "", "", ""}, {"Elle", "", "", ""}});
    w.EditField1->setText("ll");
    QTest::keyClick(w.EditField1, Qt::Key_Return);
    QCOMPARE(w.Label3->text(), QString("Elle"));
}

QTEST_MAIN(TestSearch)
#include "test_search.moc"
