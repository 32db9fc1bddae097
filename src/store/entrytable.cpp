#include "store/entrytable.h"

#include "list/sortkey.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace {
const QString kRowsMime = QStringLiteral("application/x-vokabo-rows");
}

EntryTable::EntryTable(QObject* parent) : QAbstractTableModel(parent) {}

int EntryTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int EntryTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant EntryTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_rows.at(index.row())[index.column()];
}

bool EntryTable::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCell(index.row(), index.column(), value.toString());
    return true;
}

QVariant EntryTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 4)
        return m_headings[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags EntryTable::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
}

void EntryTable::sort(int column, Qt::SortOrder order)
{
    if (column >= 0 && column < 4)
        sortByColumn(column, order);
}

void EntryTable::checkIndex(qsizetype row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column > 3)
        throw std::out_of_range("cell outside the entry table");
}

const QString& EntryTable::cell(qsizetype row, int column) const
{
    checkIndex(row, column);
    return m_rows[row][column];
}

void EntryTable::setCell(qsizetype row, int column, const QString& text)
{
    checkIndex(row, column);
    QString& target = m_rows[row][column];
    if (target == text)
        return;
    target = text;
    const QModelIndex i = index(int(row), column);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

const EntryRow& EntryTable::row(qsizetype row) const
{
    checkIndex(row, 0);
    return m_rows[row];
}

void EntryTable::removeAllRows()
{
    beginResetModel();
    m_rows.clear();
    m_lastAdded = -1;
    endResetModel();
}

void EntryTable::addRow(const QString& term)
{
    const int r = int(m_rows.size());
    beginInsertRows(QModelIndex(), r, r);
    EntryRow row;
    row[0] = term;
    m_rows.append(row);
    m_lastAdded = r;
    endInsertRows();
}

void EntryTable::removeRow(qsizetype row)
{
    checkIndex(row, 0);
    beginRemoveRows(QModelIndex(), int(row), int(row));
    m_rows.removeAt(row);
    if (m_lastAdded >= m_rows.size())
        m_lastAdded = m_rows.size() - 1;
    endRemoveRows();
}

void EntryTable::setRows(QList<EntryRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_lastAdded = m_rows.size() - 1;
    endResetModel();
}

void EntryTable::setHeadings(const QString& tabSeparated)
{
    const QStringList parts = tabSeparated.split(QLatin1Char('\t'));
    EntryRow headings;
    for (int i = 0; i < 4 && i < parts.size(); ++i)
        headings[i] = parts[i];
    setHeadings(headings);
}

void EntryTable::setHeadings(const EntryRow& headings)
{
    m_headings = headings;
    emit headerDataChanged(Qt::Horizontal, 0, 3);
}

QString EntryTable::heading(int column) const
{
    return m_headings.at(column);
}

void EntryTable::sortByColumn(int column, Qt::SortOrder order)
{
    if (column < 0 || column > 3)
        throw std::out_of_range("sort column outside the entry table");
    const qsizetype n = m_rows.size();
    // Each row's key is computed once per sort.
    std::vector<QByteArray> keys(n);
    for (qsizetype i = 0; i < n; ++i)
        keys[i] = sortKey(m_rows[i][column]);
    std::vector<qsizetype> sorted(n);
    std::iota(sorted.begin(), sorted.end(), 0);
    if (order == Qt::AscendingOrder)
        std::stable_sort(sorted.begin(), sorted.end(), [&](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    else
        std::stable_sort(sorted.begin(), sorted.end(), [&](qsizetype a, qsizetype b) { return keys[b] < keys[a]; });

    applyOrder(sorted, QAbstractItemModel::VerticalSortHint);
}

void EntryTable::applyOrder(const std::vector<qsizetype>& order, QAbstractItemModel::LayoutChangeHint hint)
{
    const qsizetype n = m_rows.size();
    emit layoutAboutToBeChanged({}, hint);
    QList<EntryRow> reordered;
    reordered.reserve(n);
    std::vector<int> newPosition(n);
    for (qsizetype i = 0; i < n; ++i) {
        reordered.append(std::move(m_rows[order[i]]));
        newPosition[order[i]] = int(i);
    }
    m_rows = std::move(reordered);
    m_lastAdded = m_lastAdded >= 0 ? newPosition[m_lastAdded] : -1;
    // The selection and other persistent indexes stay on their entries.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& i : before)
        after << index(newPosition[i.row()], i.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, hint);
}

Qt::DropActions EntryTable::supportedDropActions() const
{
    return Qt::MoveAction;
}

QStringList EntryTable::mimeTypes() const
{
    return {kRowsMime};
}

QMimeData* EntryTable::mimeData(const QModelIndexList& indexes) const
{
    QList<int> rows;
    for (const QModelIndex& i : indexes)
        if (!rows.contains(i.row()))
            rows << i.row();
    std::sort(rows.begin(), rows.end());
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    stream << rows;
    auto* mime = new QMimeData;
    mime->setData(kRowsMime, encoded);
    return mime;
}

bool EntryTable::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                              const QModelIndex& parent)
{
    if (action != Qt::MoveAction || !data->hasFormat(kRowsMime))
        return false;
    const int target = row >= 0 ? row : (parent.isValid() ? parent.row() : int(m_rows.size()));
    QList<int> rows;
    QDataStream stream(data->data(kRowsMime));
    stream >> rows;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return false;
    // The dragged rows, in their order, go to the drop position.
    std::vector<qsizetype> order;
    order.reserve(m_rows.size());
    for (int r : rows)
        if (r < 0 || r >= m_rows.size())
            return false;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (i == target)
            order.insert(order.end(), rows.begin(), rows.end());
        if (!std::binary_search(rows.begin(), rows.end(), int(i)))
            order.push_back(i);
    }
    if (target >= m_rows.size())
        order.insert(order.end(), rows.begin(), rows.end());
    applyOrder(order, QAbstractItemModel::NoLayoutChangeHint);
    // The view removes the dragged rows itself after a move; it must find nothing to remove.
    return false;
}
