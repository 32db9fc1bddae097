// The church calendar: Easter, the Sunday lists and the calendar panel.
#include "calendar/easter.h"
#include "calendar/sundays.h"
#include "shell/platform.h"
#include "ui/anchors.h"
#include "ui/lexikon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
const QString kNoDate = QStringLiteral("Datum konnte nicht angelegt werden! Kein Speicher?");
}

std::optional<Date> Lexikon::Osternberechnen(qint64 year, const QString& kind)
{
    std::optional<Date> easter;
    guard(QStringLiteral("Kalenderfenster/OsternBerechnen"), Report::PlaceOnly, [&] {
        const bool julian = kind.compare(QStringLiteral("j"), Qt::CaseInsensitive) == 0;
        // Day 1 of March plus the day of March: the date carries into April.
        Date date;
        date.setDay(1);
        date.setMonth(3);
        date.setYear(year);
        date.setDay(date.day() + easterDayOfMarch(year, julian) - 1);
        easter = date;
    });
    return easter;
}

QString Lexikon::GetYearString(const std::optional<Date>& date)
{
    QString text;
    guard(QStringLiteral("GetYearString"), Report::Failure, [&] {
        if (date)
            text = QString::number(date->year());
    });
    return text;
}

void Lexikon::JulianischesPopupErzeugen(std::optional<Date> easter)
{
    guard(QStringLiteral("Kalenderfenster/JulianischesPopupErzeugen"), Report::PlaceOnly, [&] {
        const QSignalBlocker blocker(PopupMenu2);
        PopupMenu2->clear();
        if (!easter)
            return;
        // The Easter date holds Julian numbers; the Sundays are found with
        // Julian arithmetic, so every row is a true Julian Sunday.
        const SundayList list = churchSundays(easter->year(), Calendar::Julian);
        JulianischeKirchensonntage.clear();
        for (const SundayRow& row : list.rows) {
            PopupMenu2->addItem(row.name);
            JulianischeKirchensonntage << julianDateText(row.date);
        }
        for (const QString& notice : list.notices)
            hinweis(notice);
        PopupMenu2->setCurrentIndex(0);
        PopupMenu2->setEnabled(true);
    });
    PopupMenu2_Change();
}

void Lexikon::Popuperzeugenneu()
{
    guard(QStringLiteral("Kalenderfenster/Popuperzeugenneu"), Report::PlaceOnly, [&] {
        const QString yearText = TextField1->text();
        const qint64 year = yearText.toLongLong();
        if (const std::optional<Date> julianEaster = Osternberechnen(year, QStringLiteral("j")))
            JulianischesPopupErzeugen(julianEaster);
        else
            hinweis(kNoDate);
        if (yearText.size() != 4)
            return;
        {
            const QSignalBlocker blocker(PopupMenu1);
            PopupMenu1->clear();
        }
        if (!Osternberechnen(year, QStringLiteral("g")))
            return;
        const SundayList list = churchSundays(year, Calendar::Gregorian);
        {
            const QSignalBlocker blocker(PopupMenu1);
            for (const SundayRow& row : list.rows)
                PopupMenu1->addItem(row.name);
            PopupMenu1->setCurrentIndex(0);
        }
        for (const QString& notice : list.notices)
            hinweis(notice);
        PopupMenu1->setEnabled(true);
        // Selecting the first row shows its date.
        PopupMenu1_Change();
    });
}

void Lexikon::TextField1_TextChange()
{
    StaticText4->setText(QStringLiteral("="));
    if (TextField1->text().size() == 4)
        Popuperzeugenneu();
}

void Lexikon::TextField1_KeyDown(const QString& key)
{
    if (platform().commandKeyDown())
        Clipboardfunktionen(key, nullptr, TextField1);
}

void Lexikon::PopupMenu1_Change()
{
    if (Julianisch->isChecked())
        return; // the panel shows the Julian Sundays
    // The names belong to the year of the last complete year text: with
    // fewer than four digits no date is shown.
    const QString yearText = TextField1->text();
    if (yearText.size() != 4 || PopupMenu1->currentIndex() < 0) {
        StaticText4->setText(QStringLiteral("="));
        return;
    }
    Date d;
    d.setDay(1);
    d.setMonth(1);
    d.setYear(yearText.toLongLong());
    while (d.dayOfWeek() != 1)
        d.setDay(d.day() + 1);
    d.setDay(d.day() + 7 * qint64(PopupMenu1->currentIndex()));
    StaticText4->setText(QStringLiteral("= ") + d.longDate());
}

void Lexikon::PopupMenu2_Change()
{
    if (!Julianisch->isChecked())
        return;
    const int row = PopupMenu2->currentIndex();
    if (TextField1->text().size() != 4 || !PopupMenu2->isEnabled() || row < 0
        || row >= JulianischeKirchensonntage.size()) {
        StaticText4->setText(QStringLiteral("="));
        return;
    }
    StaticText4->setText(JulianischeKirchensonntage.at(row));
}

void Lexikon::Julianisch_Action()
{
    Anchors& a = anchors();
    const QRect gregorianPlace = a.geometry(PopupMenu1);
    if (Julianisch->isChecked()) {
        // The Julian list takes the place of the Gregorian one.
        a.setGeometry(PopupMenu2, gregorianPlace);
        PopupMenu1->hide();
        PopupMenu2->raise();
        PopupMenu2_Change();
    } else {
        // Back below the content area: both move with the bottom edge, so
        // their design offset holds at every height.
        a.setGeometry(PopupMenu2, gregorianPlace.translated(12 - 23, 627 - 566));
        PopupMenu1->show();
        PopupMenu1_Change();
    }
}
