// Finding a term: the Soundex label, the incremental search and the button search.
#include "search/find.h"
#include "search/soundex.h"
#include "shell/platform.h"
#include "store/entrytable.h"
#include "ui/lexikon.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>

namespace {

// Makes the row the only selected row; the list does not scroll for it.
void selectRow(QTableView* list, qsizetype row)
{
    list->selectionModel()->select(list->model()->index(int(row), 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace

QString Lexikon::GetSoundexCode(const QString& term)
{
    QString code;
    if (!guard(QStringLiteral("GetSoundexCode"), Report::Failure, [&] { code = soundexCode(term); }))
        return QString();
    return code;
}

void Lexikon::Find(const QString& term, QTableView* list, qint64 column)
{
    guard(QStringLiteral("VariablenUndMethoden/Find"), Report::Failure, [&] {
        const auto* table = static_cast<const EntryTable*>(list->model());
        const int col = int(column);
        const qsizetype row = findRow(table->count(), [&](qsizetype r) { return table->cell(r, col); }, term);
        if (row < 0)
            return;
        selectRow(list, row);
        list->selectionModel()->setCurrentIndex(list->model()->index(int(row), 0), QItemSelectionModel::NoUpdate);
        // The row becomes the first visible row, as far as the list can scroll.
        list->scrollTo(list->model()->index(int(row), 0), QAbstractItemView::PositionAtTop);
    });
}

void Lexikon::EditField1_TextChange()
{
    const QString text = EditField1->text();
    StaticText3->setText(QStringLiteral("Soundexcode = ") + GetSoundexCode(text));
    Find(text, ListBox1, Sortierspalte);
    if (text.size() < 2)
        Suchstart = 0;
}

void Lexikon::EditField1_KeyDown(const QString& key)
{
    if (platform().commandKeyDown())
        Clipboardfunktionen(key, nullptr, EditField1);
}

void Lexikon::SuchenButton_Action()
{
    guard(QStringLiteral("Lexikon/SuchenButton/Action"), Report::PlaceOnly, [&] {
        const qsizetype n = entries().count();
        const QString text = EditField1->text();
        // A search that starts right after the window opened begins at row 0.
        qsizetype i = std::max<qint64>(Suchstart, 0);
        for (; i < n; ++i) {
            if (termContains(entries().cell(i, 0), text)) {
                selectRow(ListBox1, i);
                Suchstart = i + 1;
                break;
            }
        }
        if (i >= n - 1) {
            platform().beep();
            Suchstart = 0;
        }
    });
}
