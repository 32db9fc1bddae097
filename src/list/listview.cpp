// The entry list: headings, selection following, sorting, clicks, painting.
#include "list/entrylist.h"
#include "list/listpaint.h"
#include "store/entrytable.h"
#include "ui/lexikon.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>

EntryListView::EntryListView(class Lexikon* window, QWidget* parent) : QTableView(parent), m_window(window)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Cells are opened for editing by the program only.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false); // the delegate draws the vertical grid lines
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(19);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    // Rows may be reordered by dragging, but not dragged out.
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setDragDropOverwriteMode(false);
    setDropIndicatorShown(true);
}

void EntryListView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        m_window->ListBox1_CellClick(index.row(), index.column());
    QTableView::mousePressEvent(event);
}

void EntryListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    m_window->ListBox1_DoubleClick();
}

void EntryListView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    applyColumnWidths(this);
}

void applyColumnWidths(QTableView* list)
{
    static const int percent[4] = {28, 45, 20, 40};
    const int width = list->width();
    for (int i = 0; i < 4; ++i)
        list->setColumnWidth(i, width * percent[i] / 100);
}

EntryDelegate::EntryDelegate(class Lexikon* window, QObject* parent)
    : QStyledItemDelegate(parent), m_window(window)
{
}

void EntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setClipRect(option.rect);
    m_window->ListBox1_CellBackgroundPaint(*painter, option.rect, index.row(), index.column(), selected);
    if (!m_window->ListBox1_CellTextPaint(*painter, option.rect, index.row(), index.column(), selected)) {
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
    }
    // Vertical grid lines, thin and solid; no horizontal ones.
    painter->setPen(QColor(190, 190, 190));
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->restore();
}

// --- the window's list handlers ----------------------------------------------

void Lexikon::ListBox1_Open()
{
    guard(QStringLiteral("Lexikon/ListBox1/Open"), Report::PlaceOnly, [&] {
        entries().setHeadings(QStringLiteral("Begriff\tDeutsch\tArt\tEnglisch"));
        applyColumnWidths(ListBox1);
    });
}

void Lexikon::ListBox1_Change()
{
    guard(QStringLiteral("Lexikon/Listbox1/Change"), Report::Failure, [&] {
        qint64 selectedRow = -1;
        qint64 selectedCount = 0;
        for (const QItemSelectionRange& range : ListBox1->selectionModel()->selection()) {
            selectedCount += range.height();
            if (selectedRow < 0 || range.top() < selectedRow)
                selectedRow = range.top();
        }
        CellRow = selectedRow;
        loeschen->setEnabled(selectedRow != -1);
        loeschen->setText(selectedCount > 1 ? QStringLiteral("Zeilen löschen") : QStringLiteral("Zeile löschen"));
        if (selectedRow >= 0) {
            Label3->setText(entries().cell(selectedRow, 0));
            EditField2->setPlainText(entries().cell(selectedRow, 1));
        } else {
            EditField2->setPlainText(QString());
        }
        EditField2->setEnabled(selectedRow != -1 && selectedRow <= entries().count() - 1);
    });
}

void Lexikon::ListBox1_HeaderPressed(qint64 column)
{
    Sortierspalte = column;
    // A repeated click on the same heading reverses the order.
    m_sortOrder = (m_sortColumn == column && m_sortOrder == Qt::AscendingOrder) ? Qt::DescendingOrder
                                                                                 : Qt::AscendingOrder;
    m_sortColumn = int(column);
    ListBox1->horizontalHeader()->setSortIndicatorShown(true);
    ListBox1->horizontalHeader()->setSortIndicator(m_sortColumn, m_sortOrder);
    entries().sortByColumn(m_sortColumn, m_sortOrder);
}

void Lexikon::ListBox1_CellClick(qint64 row, qint64 column)
{
    CellRow = row;
    CellColumn = column;
}

void Lexikon::ListBox1_DoubleClick()
{
    if (CellColumn >= 0 && CellColumn < entries().columnCount() && CellRow >= 0 && CellRow < entries().count())
        ListBox1->edit(entries().index(int(CellRow), int(CellColumn)));
}

bool Lexikon::ListBox1_CellBackgroundPaint(QPainter& g, const QRect& cell, qint64 row, qint64, bool selected)
{
    bool answer = false;
    const bool ok = guard(QStringLiteral("Lexikon/ListBox1/CellBackgroundPaint"), Report::PlaceOnly, [&] {
        const QPen pen = g.pen();
        g.fillRect(cell, rowFillColor(row, selected, highlightColor()));
        g.setPen(pen);
        answer = selected;
    });
    return ok && answer;
}

bool Lexikon::ListBox1_CellTextPaint(QPainter& g, const QRect& cell, qint64 row, qint64 column, bool selected)
{
    return guard(QStringLiteral("Listbox1/CellTextPaint"), Report::Failure, [&] {
        g.setPen(rowTextColor(row, selected, highlightColor()));
        g.setFont(ListBox1->font());
        // One line, from x = 2, the baseline at the text size.
        QString text = entries().cell(row, int(column));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        g.drawText(cell.x() + 2, cell.y() + ListBox1->font().pixelSize(), text);
    });
}
