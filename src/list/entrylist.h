#pragma once
// ListBox1: the entry list, a table view over the EntryTable that hands
// clicks, double-clicks and cell painting to the window's handlers.
#include <QStyledItemDelegate>
#include <QTableView>

class EntryListView : public QTableView {
public:
    EntryListView(class Lexikon* window, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class Lexikon* m_window;
};

class EntryDelegate : public QStyledItemDelegate {
public:
    EntryDelegate(class Lexikon* window, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    class Lexikon* m_window;
};

// The column widths of the list: 28 %, 45 %, 20 % and 40 % of its width.
void applyColumnWidths(QTableView* list);
