// The date type, Easter, the Sunday lists and the calendar panel.
#include "testwindow.h"

#include "calendar/date.h"
#include "calendar/easter.h"
#include "calendar/sundays.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

class TestCalendar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void dateCarriesAndReports();
    void longDate_data();
    void longDate();
    void easter_data();
    void easter();
    void easterAgreesWithMeeus();
    void osternberechnenKinds();
    void sundayLists_data();
    void sundayLists();
    void julianList_data();
    void julianList();
    void everyYearHasOneRowPerSunday();
    void panelTypingAYear();
    void panelYearZeroAndLeadingZeros();
    void panelJulianCheckBox();
    void panelYearFieldKeepsDigits();
};

void TestCalendar::dateCarriesAndReports()
{
    Date d = Date::fromYmd(2019, 3, 1);
    d.setDay(52); // day 52 of March
    QCOMPARE((QList<qint64>{d.year(), d.month(), d.day()}), (QList<qint64>{2019, 4, 21}));
    QCOMPARE(d.dayOfWeek(), 1);
    QCOMPARE(d.dayOfYear(), 111);
    d.setDay(0); // the last day of the month before
    QCOMPARE((QList<qint64>{d.year(), d.month(), d.day()}), (QList<qint64>{2019, 3, 31}));
    d.setDay(-59);
    QCOMPARE((QList<qint64>{d.year(), d.month(), d.day()}), (QList<qint64>{2018, 12, 31}));
    d.setMonth(14);
    QCOMPARE((QList<qint64>{d.year(), d.month(), d.day()}), (QList<qint64>{2019, 3, 3})); // 31 February carried
    Date zero = Date::fromYmd(0, 2, 29); // year 0 is a leap year
    QCOMPARE(zero.day(), 29);
    QCOMPARE(Date::fromYmd(0, 1, 1).dayOfWeek(), 7); // a Saturday
    QCOMPARE(Date::fromYmd(2000, 12, 31).dayOfYear(), 366);
}

void TestCalendar::longDate_data()
{
    QTest::addColumn<Date>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("2019") << Date::fromYmd(2019, 4, 21) << "Sonntag, 21. April 2019";
    QTest::newRow("März") << Date::fromYmd(2024, 3, 31) << "Sonntag, 31. März 2024";
    QTest::newRow("year 0") << Date::fromYmd(0, 1, 1) << "Samstag, 1. Januar 0";
    QTest::newRow("year 999") << Date::fromYmd(999, 1, 6) << "Sonntag, 6. Januar 999";
}

void TestCalendar::longDate()
{
    QFETCH(Date, date);
    QFETCH(QString, text);
    QCOMPARE(date.longDate(), text);
}

void TestCalendar::easter_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("julian");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("1700 G") << 1700 << false << 4 << 11;
    QTest::newRow("1700 J") << 1700 << true << 3 << 31;
    QTest::newRow("1800 G") << 1800 << false << 4 << 13;
    QTest::newRow("1800 J") << 1800 << true << 4 << 8;
    QTest::newRow("1818 G earliest") << 1818 << false << 3 << 22;
    QTest::newRow("1943 G latest") << 1943 << false << 4 << 25;
    QTest::newRow("1954 G, R correction with D=28") << 1954 << false << 4 << 18;
    QTest::newRow("1981 G, R correction with D=29") << 1981 << false << 4 << 19;
    QTest::newRow("2019 G") << 2019 << false << 4 << 21;
    QTest::newRow("2019 J") << 2019 << true << 4 << 15;
    QTest::newRow("2024 G, 31 March") << 2024 << false << 3 << 31;
    QTest::newRow("1582 J") << 1582 << true << 4 << 15;
    QTest::newRow("2000 G") << 2000 << false << 4 << 23;
    QTest::newRow("year 0 G") << 0 << false << 4 << 9;
    QTest::newRow("year 0 J") << 0 << true << 4 << 11;
    QTest::newRow("9999 G") << 9999 << false << 3 << 28;
}

void TestCalendar::easter()
{
    QFETCH(int, year);
    QFETCH(bool, julian);
    QFETCH(int, month);
    QFETCH(int, day);
    QCOMPARE(easterSunday(year, julian), (CalendarDay{year, month, day}));
    // Easter is a Sunday of its calendar.
    const Calendar cal = julian ? Calendar::Julian : Calendar::Gregorian;
    QCOMPARE(weekdayOfDayNumber(dayNumber(cal, year, month, day)), 1);
}

// Meeus's algorithms, written independently of the Gauss formula.
static CalendarDay meeusEaster(qint64 y, bool julian)
{
    if (julian) {
        const qint64 d = (19 * (y % 19) + 15) % 30;
        const qint64 e = (2 * (y % 4) + 4 * (y % 7) - d + 34) % 7;
        return {y, int((d + e + 114) / 31), int((d + e + 114) % 31 + 1)};
    }
    const qint64 a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4, f = (b + 8) / 25;
    const qint64 g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4;
    const qint64 l = (32 + 2 * e + 2 * i - h - k) % 7, m = (a + 11 * h + 22 * l) / 451;
    return {y, int((h + l - 7 * m + 114) / 31), int((h + l - 7 * m + 114) % 31 + 1)};
}

void TestCalendar::easterAgreesWithMeeus()
{
    for (const bool julian : {false, true})
        for (qint64 year = 0; year <= 9999; ++year)
            if (!(easterSunday(year, julian) == meeusEaster(year, julian)))
                QFAIL(qPrintable(QString("%1 %2").arg(year).arg(julian)));
}

void TestCalendar::osternberechnenKinds()
{
    TestWindow t;
    auto& w = t.open();
    for (const QString& kind : {QString("j"), QString("J")}) {
        const std::optional<Date> d = w.Osternberechnen(2019, kind);
        QVERIFY(d);
        QCOMPARE((QList<qint64>{d->year(), d->month(), d->day()}), (QList<qint64>{2019, 4, 15}));
    }
    for (const QString& kind : {QString("g"), QString("G"), QString(), QString("x")})
        QCOMPARE(w.Osternberechnen(2019, kind)->day(), 21);
    QCOMPARE(w.GetYearString(Date::fromYmd(999, 1, 1)), QString("999"));
    QCOMPARE(w.GetYearString(std::nullopt), QString());
}

void TestCalendar::sundayLists_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("first");   // the first rows
    QTest::addColumn<QStringList>("last");    // the last rows
    QTest::addColumn<int>("postEpiphania");   // numbered rows
    QTest::addColumn<int>("postTrinitatis");
    QTest::newRow("2019") << 2019 << 52 << QStringList{"Epiphanias", "DominicaPostEpiphania", "2. PostEpiphania"}
                          << QStringList{"4Advent", "DominicaPostNativitas"} << 4 << 23;
    QTest::newRow("2017 begins on a Sunday") << 2017 << 53 << QStringList{"Circumcisio", "DominicaPostEpiphania"}
                                             << QStringList{"4Advent", "DominicaPostNativitas"} << 4 << 24;
    QTest::newRow("2018 first Sunday 7 January") << 2018 << 52 << QStringList{"DominicaPostEpiphania", "2. PostEpiphania"}
                                                 << QStringList{"DominicaPostNativitas"} << 2 << 26;
    QTest::newRow("2016 Christmas on a Sunday") << 2016 << 52 << QStringList{"DominicaPostCircumcisio", "DominicaPostEpiphania"}
                                                << QStringList{"4Advent", "NativitasDomini"} << 1 << 26;
    QTest::newRow("2000 leap year from a Saturday") << 2000 << 53 << QStringList{"DominicaPostCircumcisio"}
                                                    << QStringList{"DominicaPostNativitas"} << 5 << 23;
    QTest::newRow("1818 earliest Easter") << 1818 << 52 << QStringList{"DominicaPostCircumcisio", "DominicaPostEpiphania", "Circumdederunt"}
                                          << QStringList{"DominicaPostNativitas"} << 0 << 27;
    QTest::newRow("1943 latest Easter") << 1943 << 52 << QStringList{"DominicaPostCircumcisio", "DominicaPostEpiphania", "2. PostEpiphania"}
                                        << QStringList{"DominicaPostNativitas"} << 5 << 22;
    QTest::newRow("999") << 999 << 52 << QStringList{"Epiphanias", "DominicaPostEpiphania"} << QStringList{"DominicaPostNativitas"} << 3 << 24;
}

void TestCalendar::sundayLists()
{
    QFETCH(int, year);
    QFETCH(int, count);
    QFETCH(QStringList, first);
    QFETCH(QStringList, last);
    QFETCH(int, postEpiphania);
    QFETCH(int, postTrinitatis);
    const SundayList list = churchSundays(year, Calendar::Gregorian);
    QStringList names;
    for (const SundayRow& r : list.rows)
        names << r.name;
    QCOMPARE(names.size(), count);
    QCOMPARE(names.mid(0, first.size()), first);
    QCOMPARE(names.mid(count - last.size()), last);
    QCOMPARE(names.filter("PostEpiphania").size() - 1, postEpiphania); // without DominicaPostEpiphania
    QCOMPARE(names.filter("PostTrinitatis").size(), postTrinitatis);
    QVERIFY(list.notices.isEmpty());
}

void TestCalendar::julianList_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("rows");   // "name = text" of chosen rows
    QTest::newRow("2019") << 2019 << 52
                          << QStringList{"DominicaPostEpiphania = Sonntag 7. Januar 2019",
                                         "2. PostEpiphania = Sonntag 14. Januar 2019",
                                         "Oculi = Sonntag 18. Marz 2019",
                                         "Pascha = Sonntag 15. April 2019",
                                         "4. Advent = Sonntag 23. Dezember 2019",
                                         "DominicaPostNativitas = Sonntag 30. Dezember 2019"};
    QTest::newRow("1582") << 1582 << 52
                          << QStringList{"DominicaPostEpiphania = Sonntag 7. Januar 1582",
                                         "Pascha = Sonntag 15. April 1582"};
    // A century year with a Julian 29 February: the real Julian Sundays.
    QTest::newRow("1700") << 1700 << 52
                          << QStringList{"DominicaPostEpiphania = Sonntag 7. Januar 1700",
                                         "Pascha = Sonntag 31. Marz 1700"};
    QTest::newRow("1800 begins on a Sunday") << 1800 << 53
                                             << QStringList{"Circumcisio = Sonntag 1. Januar 1800",
                                                            "DominicaPostEpiphania = Sonntag 8. Januar 1800",
                                                            "Pascha = Sonntag 8. April 1800"};
}

void TestCalendar::julianList()
{
    QFETCH(int, year);
    QFETCH(int, count);
    QFETCH(QStringList, rows);
    const SundayList list = churchSundays(year, Calendar::Julian);
    QCOMPARE(list.rows.size(), count);
    QStringList all;
    for (const SundayRow& r : list.rows)
        all << r.name + " " + julianDateText(r.date);
    QVERIFY(all.first() == rows.first());
    for (const QString& row : rows)
        QVERIFY2(all.contains(row), qPrintable(row));
    QVERIFY(all.filter("Advent").first().startsWith("1. Advent"));
}

void TestCalendar::everyYearHasOneRowPerSunday()
{
    // In both calendars and every year 0 to 9999: one row per Sunday, seven
    // days apart, from the first week of January to the last of December,
    // with "Pascha" on Easter Sunday.
    for (const Calendar cal : {Calendar::Gregorian, Calendar::Julian}) {
        const bool julian = cal == Calendar::Julian;
        for (qint64 year = 0; year <= 9999; ++year) {
            const SundayList list = churchSundays(year, cal);
            const qint64 first = dayNumber(cal, list.rows.first().date.year, list.rows.first().date.month,
                                           list.rows.first().date.day);
            const qint64 nextYear = dayNumber(cal, year + 1, 1, 1);
            const qint64 expectedRows = (nextYear - 1 - first) / 7 + 1;
            bool ok = list.notices.isEmpty() && list.rows.size() == expectedRows && weekdayOfDayNumber(first) == 1
                && first - dayNumber(cal, year, 1, 1) < 7;
            const CalendarDay e = easterSunday(year, julian);
            for (qsizetype i = 0; ok && i < list.rows.size(); ++i) {
                const CalendarDay& d = list.rows[i].date;
                ok = dayNumber(cal, d.year, d.month, d.day) == first + 7 * i
                    && (list.rows[i].name != "Pascha" || d == e);
            }
            if (!ok)
                QFAIL(qPrintable(QString("%1 %2").arg(julian ? "Julian" : "Gregorian").arg(year)));
        }
    }
}

void TestCalendar::panelTypingAYear()
{
    TestWindow t;
    auto& w = t.open();
    QCOMPARE(w.StaticText4->text(), QString("="));
    QVERIFY(!w.PopupMenu1->isEnabled());
    for (const char* digit : {"2", "0", "1"}) {
        QTest::keyClicks(w.TextField1, digit);
        QCOMPARE(w.StaticText4->text(), QString("="));
        QVERIFY(!w.PopupMenu1->isEnabled());
    }
    QTest::keyClicks(w.TextField1, "9");
    QVERIFY(w.PopupMenu1->isEnabled());
    QCOMPARE(w.PopupMenu1->count(), 52);
    QCOMPARE(w.PopupMenu1->currentText(), QString("Epiphanias"));
    QCOMPARE(w.StaticText4->text(), QString("= Sonntag, 6. Januar 2019"));
    w.PopupMenu1->setCurrentIndex(15);
    QCOMPARE(w.PopupMenu1->currentText(), QString("Pascha"));
    QCOMPARE(w.StaticText4->text(), QString("= Sonntag, 21. April 2019"));
    w.PopupMenu1->setCurrentIndex(51);
    QCOMPARE(w.StaticText4->text(), QString("= Sonntag, 29. Dezember 2019"));
    QCOMPARE(w.JulianischeKirchensonntage.size(), w.PopupMenu2->count());
    QVERIFY(w.PopupMenu2->isEnabled());

    // Below four digits the names of 2019 stay, but no date of another year is shown.
    QTest::keyClick(w.TextField1, Qt::Key_Backspace);
    QCOMPARE(w.StaticText4->text(), QString("="));
    QVERIFY(w.PopupMenu1->isEnabled());
    QCOMPARE(w.PopupMenu1->count(), 52);
    w.PopupMenu1->setCurrentIndex(15);
    QCOMPARE(w.StaticText4->text(), QString("="));
    QVERIFY(t.platform.notices.isEmpty());
}

void TestCalendar::panelYearZeroAndLeadingZeros()
{
    TestWindow t;
    auto& w = t.open();
    QTest::keyClicks(w.TextField1, "0800");
    QCOMPARE(w.PopupMenu1->count(), int(churchSundays(800, Calendar::Gregorian).rows.size()));
    QCOMPARE(w.StaticText4->text(), QString("= Sonntag, 2. Januar 800"));
    w.TextField1->setText("999"); // three characters build nothing
    QCOMPARE(w.PopupMenu1->count(), int(churchSundays(800, Calendar::Gregorian).rows.size()));
    QCOMPARE(w.StaticText4->text(), QString("="));
    w.TextField1->setText("0999");
    QCOMPARE(w.PopupMenu1->currentText(), QString("Epiphanias"));
    QCOMPARE(w.StaticText4->text(), QString("= Sonntag, 6. Januar 999"));
    w.TextField1->setText("0000");
    QCOMPARE(w.StaticText4->text(), QString("= Sonntag, 2. Januar 0"));
    w.PopupMenu1->setCurrentIndex(w.PopupMenu1->findText("Pascha"));
    QCOMPARE(w.StaticText4->text(), QString("= Sonntag, 9. April 0"));
}

void TestCalendar::panelJulianCheckBox()
{
    TestWindow t;
    auto& w = t.open();
    const QRect gregorianPlace = w.PopupMenu1->geometry();
    const QRect julianHome = w.PopupMenu2->geometry();
    w.TextField1->setText("2019");
    QTest::mouseClick(w.Julianisch, Qt::LeftButton);
    QVERIFY(w.Julianisch->isChecked());
    QCOMPARE(w.PopupMenu2->geometry(), gregorianPlace);
    QVERIFY(w.PopupMenu1->isHidden());
    QCOMPARE(w.StaticText4->text(), QString("= Sonntag 7. Januar 2019"));
    w.PopupMenu2->setCurrentIndex(w.PopupMenu2->findText("Pascha"));
    QCOMPARE(w.StaticText4->text(), QString("= Sonntag 15. April 2019"));
    // A new year rebuilds the Julian list in place.
    w.TextField1->setText("1700");
    QCOMPARE(w.PopupMenu2->currentText(), QString("DominicaPostEpiphania"));
    QCOMPARE(w.StaticText4->text(), QString("= Sonntag 7. Januar 1700"));
    w.TextField1->setText("170");
    QCOMPARE(w.StaticText4->text(), QString("="));

    w.TextField1->setText("2019");
    QTest::mouseClick(w.Julianisch, Qt::LeftButton);
    QVERIFY(!w.Julianisch->isChecked());
    QCOMPARE(w.PopupMenu2->geometry(), julianHome);
    QVERIFY(!w.PopupMenu1->isHidden());
    QCOMPARE(w.StaticText4->text(), QString("= Sonntag, 6. Januar 2019"));
}

void TestCalendar::panelYearFieldKeepsDigits()
{
    TestWindow t;
    auto& w = t.open();
    QTest::keyClicks(w.TextField1, "2a0x19");
    QCOMPARE(w.TextField1->text(), QString("2019"));
    QTest::keyClicks(w.TextField1, "5");
    QCOMPARE(w.TextField1->text(), QString("2019"));
}

QTEST_MAIN(TestCalendar)
#include "test_calendar.moc"
