// The error report, notices and the guard every guarded handler uses.
#include "testwindow.h"

#include "shell/errors.h"

#include <QLabel>
#include <QPushButton>

#include <any>
#include <new>
#include <regex>
#include <typeinfo>

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void kindNames_data();
    void kindNames();
    void message_data();
    void message();
    void noticeAndReportGoThroughPlatform();
    void guardReportsOnce();
    void guardWithPlaceOnly();
    void startupWithoutApplicationFolder();
    void timerFollowsOptionKeyAndCount();
};

namespace {
template <class E>
std::exception_ptr thrown(E e)
{
    try {
        throw e;
    } catch (...) {
        return std::current_exception();
    }
}
} // namespace

void TestShell::kindNames_data()
{
    QTest::addColumn<std::exception_ptr>("error");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty value") << std::exception_ptr() << "";
    QTest::newRow("bad any cast") << thrown(std::bad_any_cast()) << "TypeMismatchException";
    QTest::newRow("absent object") << thrown(ProgramError(ErrorKind::NilObject, "nil")) << "NilObjectException";
    QTest::newRow("bad cast") << thrown(std::bad_cast()) << "IllealCastException";
    QTest::newRow("key") << thrown(ProgramError(ErrorKind::KeyNotFound, "k")) << "KeyNotFoundException";
    QTest::newRow("out of range") << thrown(std::out_of_range("i")) << "OutOfBoundsException";
    QTest::newRow("bad alloc") << thrown(std::bad_alloc()) << "OutOfMemoryException";
    QTest::newRow("regex") << thrown(std::regex_error(std::regex_constants::error_paren)) << "RegExException";
    QTest::newRow("stack") << thrown(ProgramError(ErrorKind::StackOverflow, "s")) << "StackOverflowException";
    QTest::newRow("format") << thrown(ProgramError(ErrorKind::UnsupportedFormat, "f"))
                            << "UnsupportedFormatException";
    QTest::newRow("file error") << thrown(std::runtime_error("io")) << "";
    QTest::newRow("not an exception class") << thrown(42) << "";
}

void TestShell::kindNames()
{
    QFETCH(std::exception_ptr, error);
    QFETCH(QString, name);
    QCOMPARE(errorKindName(error), name);
}

void TestShell::message_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty value") << "Lexikon/Open" << "" << "Fehler in der Routine >Lexikon/Open";
    QTest::newRow("known kind") << "Lexikon/LexikonLaden" << "NilObjectException"
                                << "Fehler in der Routine >Lexikon/LexikonLaden(Fehlermeldung: NilObjectException)";
}

void TestShell::message()
{
    QFETCH(QString, place);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QCOMPARE(errorReportMessage(place, name), message);
}

void TestShell::noticeAndReportGoThroughPlatform()
{
    TestWindow t;
    auto& w = t.open();
    w.hinweis("");
    w.Fehlerbehandlung("GetSoundexCode", thrown(std::out_of_range("x")));
    w.Fehlerbehandlung("Lexikon/LexikonLaden", thrown(std::runtime_error("unknown kind")));
    QCOMPARE(t.platform.notices, QStringList{""});
    QCOMPARE(t.platform.errorReports,
             (QStringList{"Fehler in der Routine >GetSoundexCode(Fehlermeldung: OutOfBoundsException)",
                          "Fehler in der Routine >Lexikon/LexikonLaden"}));
}

void TestShell::guardReportsOnce()
{
    TestWindow t;
    auto& w = t.open();
    bool after = false;
    const bool ok = w.guard("Lexikon/Listbox1/Change", Lexikon::Report::Failure, [&] {
        (void)w.entries().cell(5, 0); // no such row
        after = true;
    });
    QVERIFY(!ok);
    QVERIFY(!after);
    QCOMPARE(t.platform.errorReports,
             QStringList{"Fehler in der Routine >Lexikon/Listbox1/Change(Fehlermeldung: OutOfBoundsException)"});
    QVERIFY(w.guard("x", Lexikon::Report::Failure, [] {}));
    QCOMPARE(t.platform.errorReports.size(), 1);
}

void TestShell::guardWithPlaceOnly()
{
    TestWindow t;
    auto& w = t.open();
    w.guard("Lexikon/sichern/Action", Lexikon::Report::PlaceOnly, [] { throw std::bad_alloc(); });
    QCOMPARE(t.platform.errorReports, QStringList{"Fehler in der Routine >Lexikon/sichern/Action"});
}

void TestShell::startupWithoutApplicationFolder()
{
    TestWindow t;
    t.write("Lexikon.LEX", lexFile("a#b\n"));
    auto& w = t.open();
    // Without an application folder there is no default file.
    w.Suchstart = 7;
    w.LexikonDatei.reset();
    t.platform.appFolder.clear();
    w.Event_Open();
    QVERIFY(!w.LexikonDatei);
    QCOMPARE(w.Suchstart, qint64(-1));
    QVERIFY(t.platform.errorReports.isEmpty());
}

void TestShell::timerFollowsOptionKeyAndCount()
{
    TestWindow t;
    auto& w = t.open();
    w.entries().addRow("Pate");
    t.platform.option = true;
    w.Timer1_Action();
    QCOMPARE(w.PushButton1->text(), QString("Lexikon hinzu"));
    QCOMPARE(w.sichern->text(), QString("Sichern als"));
    QCOMPARE(w.Label2->text(), QString("1"));
    t.platform.option = false;
    w.entries().addRow("Hufe");
    w.Timer1_Action();
    QCOMPARE(w.PushButton1->text(), QString("Lexikon laden"));
    QCOMPARE(w.sichern->text(), QString("Lexikon sichern"));
    QCOMPARE(w.Label2->text(), QString("2"));
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
