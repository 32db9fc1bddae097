#pragma once
// The lexicon in memory: rows of four text cells and four column headings.
#include "store/lexformat.h"

#include <QAbstractTableModel>
#include <QList>
#include <vector>

class EntryTable : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit EntryTable(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Rows may be reordered by dragging inside the list.
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // Checked access: a row or column outside the table throws std::out_of_range.
    const QString& cell(qsizetype row, int column) const;
    void setCell(qsizetype row, int column, const QString& text);
    const EntryRow& row(qsizetype row) const;
    qsizetype count() const { return m_rows.size(); }

    void removeAllRows();
    // Appends a row whose term is `term`; it becomes the row added last.
    void addRow(const QString& term);
    qsizetype lastAddedRow() const { return m_lastAdded; }
    void removeRow(qsizetype row);
    // Replaces all rows at once (one model reset).
    void setRows(QList<EntryRow> rows);
    const QList<EntryRow>& rows() const { return m_rows; }

    // The four headings, separated by tab characters.
    void setHeadings(const QString& tabSeparated);
    void setHeadings(const EntryRow& headings);
    QString heading(int column) const;

    // Sorts by the column with the one sort order of the lexicon; stable.
    void sortByColumn(int column, Qt::SortOrder order = Qt::AscendingOrder);

private:
    void checkIndex(qsizetype row, int column) const;
    // Puts the rows in the given order (order[i] is the old number of new row i).
    void applyOrder(const std::vector<qsizetype>& order, QAbstractItemModel::LayoutChangeHint hint);

    QList<EntryRow> m_rows;
    EntryRow m_headings;
    qsizetype m_lastAdded = -1;
};
