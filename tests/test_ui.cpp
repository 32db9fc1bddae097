// The main window's controls, anchoring and the splitter.
#include "testwindow.h"

#include "ui/anchors.h"
#include "ui/splitter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>

class TestUi : public QObject {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void windowSettings();
    void anchoringOnResize();
    void splitterLimits_data();
    void splitterLimits();
    void splitterDrag();
    void splitterCursor();
};

namespace {
QRect contentRect(QWidget* w)
{
    // Position in the content area, also for the grip lines inside Canvas1.
    return QRect(w->mapTo(w->window()->findChild<QWidget*>("content"), QPoint(0, 0)), w->size());
}
// The next control the Tab key reaches.
QWidget* nextTabStop(QWidget* w)
{
    QWidget* next = w->nextInFocusChain();
    while (next != w && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}
} // namespace

void TestUi::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fontSize");
    QTest::newRow("neu") << "neu" << QRect(20, 511, 100, 20) << "Neue Zeile" << 12;
    QTest::newRow("loeschen") << "loeschen" << QRect(137, 511, 105, 20) << "Zeile löschen" << 12;
    QTest::newRow("sichern") << "sichern" << QRect(510, 511, 120, 20) << "Lexikon sichern" << 12;
    QTest::newRow("EditField1") << "EditField1" << QRect(262, 20, 275, 22) << "" << 13;
    QTest::newRow("PushButton1") << "PushButton1" << QRect(358, 511, 135, 20) << "Lexikon laden" << 12;
    QTest::newRow("Canvas1") << "Canvas1" << QRect(238, 341, 175, 21) << "" << 0;
    QTest::newRow("Sep") << "Sep" << QRect(244, 349, 63, 4) << "" << 0;
    QTest::newRow("Separator1") << "Separator1" << QRect(244, 352, 63, 4) << "" << 0;
    QTest::newRow("Separator2") << "Separator2" << QRect(244, 346, 63, 4) << "" << 0;
    QTest::newRow("ListBox1") << "ListBox1" << QRect(20, 80, 610, 254) << "" << 13;
    QTest::newRow("Label2") << "Label2" << QRect(20, 341, 100, 15) << "0" << 10;
    QTest::newRow("EditField2") << "EditField2" << QRect(20, 374, 610, 119) << "" << 12;
    QTest::newRow("Label3") << "Label3" << QRect(25, 352, 605, 22) << "" << 13;
    QTest::newRow("SuchenButton") << "SuchenButton" << QRect(549, 20, 80, 22) << "Suchen" << 12;
    QTest::newRow("Canvas2") << "Canvas2" << QRect(20, 20, 230, 48) << "" << 0;
    QTest::newRow("StaticText3") << "StaticText3" << QRect(262, 46, 183, 22) << "Soundexcode =" << 13;
    QTest::newRow("Separator3") << "Separator3" << QRect(20, 543, 610, 4) << "" << 0;
    QTest::newRow("StaticText4") << "StaticText4" << QRect(325, 567, 212, 21) << "=" << 13;
    QTest::newRow("StaticText7") << "StaticText7" << QRect(29, 549, 103, 18) << "Bezeichnung:" << 10;
    QTest::newRow("StaticText6") << "StaticText6" << QRect(337, 550, 50, 13) << "Datum:" << 10;
    QTest::newRow("StaticText5") << "StaticText5" << QRect(279, 550, 50, 13) << "Jahr:" << 10;
    QTest::newRow("PopupMenu1") << "PopupMenu1" << QRect(23, 566, 230, 21) << "Pfingstsonntag (Pentecoste)" << 13;
    QTest::newRow("TextField1") << "TextField1" << QRect(266, 565, 50, 22) << "" << 13;
    QTest::newRow("PopupMenu2") << "PopupMenu2" << QRect(12, 627, 230, 21) << "Ostersonntag (Pascha)" << 13;
}

void TestUi::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    QFETCH(int, fontSize);
    TestWindow t;
    auto& w = t.open();
    QWidget* c = w.findChild<QWidget*>(name);
    QVERIFY(c);
    QCOMPARE(contentRect(c), rect);
    if (auto* b = qobject_cast<QPushButton*>(c))
        QCOMPARE(b->text(), text);
    else if (auto* l = qobject_cast<QLabel*>(c))
        QCOMPARE(l->text(), text);
    else if (auto* e = qobject_cast<QLineEdit*>(c))
        QCOMPARE(e->text(), text);
    else if (auto* p = qobject_cast<QComboBox*>(c)) {
        QCOMPARE(p->currentText(), text);
        QVERIFY(!p->isEnabled());
    }
    if (fontSize)
        QCOMPARE(c->font().pixelSize(), fontSize);
}

void TestUi::windowSettings()
{
    TestWindow t;
    auto& w = t.open();
    QCOMPARE(w.windowTitle(), QString("Vokabo"));
    QCOMPARE(w.centralWidget()->size(), QSize(650, 600));
    QCOMPARE(w.minimumWidth(), 550);
    QCOMPARE(w.maximumSize(), QSize(32000, 32000));
    QCOMPARE(w.Label3->font().bold(), true);
    QCOMPARE(w.TextField1->maxLength(), 4);
    QCOMPARE(w.Timer1->interval(), 100);
    QVERIFY(w.Timer1->isActive());
    QCOMPARE(w.MenuBar1->actions().size(), 2);
    QCOMPARE(w.FileMenu->title(), QString("&File"));
    QCOMPARE(w.EditMenu->title(), QString("&Edit"));
    QVERIFY(w.findChild<Sep*>("Sep"));
    QCOMPARE(w.findChild<Sep*>("Sep")->index(), 0);
    QCOMPARE(w.Canvas2->pixmap().size(), QSize(230, 48));
    QVERIFY(!w.windowIcon().isNull());
    // The focus order of the control table.
    const QList<QWidget*> order = {w.EditField1, w.SuchenButton, w.ListBox1, w.EditField2, w.neu, w.loeschen,
                                   w.PushButton1, w.sichern, w.PopupMenu1, w.TextField1, w.PopupMenu2};
    for (int i = 0; i + 1 < order.size(); ++i)
        QCOMPARE(nextTabStop(order[i]), order[i + 1]);
    // Every field the window declares starts as the control table says.
    QCOMPARE(w.alty, qint64(0));
    QCOMPARE(w.CellColumn, qint64(0));
    QCOMPARE(w.CellRow, qint64(0));
    QCOMPARE(w.Sortierspalte, qint64(0));
    QVERIFY(w.JulianischeKirchensonntage.isEmpty());
    QCOMPARE(w.Label3->text(), QString());
}

void TestUi::anchoringOnResize()
{
    TestWindow t;
    auto& w = t.open();
    const int menu = w.height() - w.centralWidget()->height();
    w.resize(900, 800 + menu);
    QCOMPARE(w.centralWidget()->size(), QSize(900, 800));
    QCOMPARE(contentRect(w.ListBox1), QRect(20, 80, 860, 454));      // grows both ways
    QCOMPARE(contentRect(w.EditField1), QRect(262, 20, 525, 22));    // stretches
    QCOMPARE(contentRect(w.SuchenButton), QRect(799, 20, 80, 22));   // moves right
    QCOMPARE(contentRect(w.StaticText3), QRect(512, 46, 183, 22));
    QCOMPARE(contentRect(w.Canvas2), QRect(20, 20, 230, 48));        // stays
    QCOMPARE(contentRect(w.Canvas1), QRect(238, 541, 425, 21));      // moves down, stretches
    QCOMPARE(contentRect(w.findChild<QWidget*>("Sep")), QRect(244, 549, 63, 4));
    QCOMPARE(contentRect(w.EditField2), QRect(20, 574, 860, 119));   // keeps its height
    QCOMPARE(contentRect(w.Label2), QRect(20, 541, 100, 15));
    QCOMPARE(contentRect(w.neu), QRect(20, 711, 100, 20));
    QCOMPARE(contentRect(w.sichern), QRect(760, 711, 120, 20));
    QCOMPARE(contentRect(w.PopupMenu1), QRect(23, 766, 230, 21));
    QCOMPARE(contentRect(w.PopupMenu2), QRect(12, 827, 230, 21));    // still out of sight

    // Back to the design size: everything where it started.
    w.resize(650, 600 + menu);
    QCOMPARE(contentRect(w.ListBox1), QRect(20, 80, 610, 254));
    QCOMPARE(contentRect(w.sichern), QRect(510, 511, 120, 20));

    // Through a size too small for the layout and back: nothing is lost.
    w.resize(550, 64 + menu);
    w.resize(650, 600 + menu);
    QCOMPARE(contentRect(w.ListBox1), QRect(20, 80, 610, 254));
    QCOMPARE(contentRect(w.EditField2), QRect(20, 374, 610, 119));
}

void TestUi::splitterLimits_data()
{
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("top");
    QTest::newRow("up to 151") << -190 << 151;
    QTest::newRow("up to 150 refused") << -191 << 341;
    QTest::newRow("down to 409") << 68 << 409;
    QTest::newRow("down to 410 refused (editor 50)") << 69 << 341;
    QTest::newRow("down 10") << 10 << 351;
    QTest::newRow("nothing") << 0 << 341;
}

void TestUi::splitterLimits()
{
    QFETCH(int, dy);
    QFETCH(int, top);
    TestWindow t;
    auto& w = t.open();
    w.hoeheanpassen(dy);
    const int moved = top - 341;
    QCOMPARE(contentRect(w.Canvas1), QRect(238, top, 175, 21));
    QCOMPARE(contentRect(w.ListBox1), QRect(20, 80, 610, 254 + moved));
    QCOMPARE(contentRect(w.Label2), QRect(20, 341 + moved, 100, 15));
    QCOMPARE(contentRect(w.Label3), QRect(25, 352 + moved, 605, 22));
    QCOMPARE(contentRect(w.EditField2), QRect(20, 374 + moved, 610, 119 - moved));
    QCOMPARE(contentRect(w.findChild<QWidget*>("Separator2")), QRect(244, 346 + moved, 63, 4));
    // The editor's bottom edge stays put.
    QCOMPARE(contentRect(w.EditField2).bottom(), 374 + 119 - 1);
}

void TestUi::splitterDrag()
{
    TestWindow t;
    auto& w = t.open();
    QWidget* handle = w.Canvas1;
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(50, 8));
    QCOMPARE(w.alty, qint64(8));
    auto drag = [&](int y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(50, y), handle->mapToGlobal(QPointF(50, y)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
    };
    drag(8);                       // at the grab offset: nothing
    QCOMPARE(contentRect(w.Canvas1).top(), 341);
    drag(8 + 100);                 // would leave the editor 19 high: refused
    QCOMPARE(contentRect(w.Canvas1).top(), 341);
    QCOMPARE(contentRect(w.ListBox1).height(), 254);
    drag(8 + 30);                  // back in range: the full distance in one step
    QCOMPARE(contentRect(w.Canvas1).top(), 371);
    QCOMPARE(contentRect(w.EditField2), QRect(20, 404, 610, 89));
    QCOMPARE(w.alty, qint64(8));

    // The splitter survives a window resize: the editor keeps its new height.
    const int menu = w.height() - w.centralWidget()->height();
    w.resize(650, 700 + menu);
    QCOMPARE(contentRect(w.EditField2), QRect(20, 504, 610, 89));
    QCOMPARE(contentRect(w.ListBox1).height(), 384);
}

void TestUi::splitterCursor()
{
    TestWindow t;
    auto& w = t.open();
    w.Canvas1_MouseEnter();
    QCOMPARE(w.Canvas1->cursor().shape(), Qt::SizeVerCursor);
    w.Canvas1_MouseExit();
    QCOMPARE(w.Canvas1->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(w.Canvas1->focusPolicy(), Qt::NoFocus);
}

QTEST_MAIN(TestUi)
#include "test_ui.moc"
