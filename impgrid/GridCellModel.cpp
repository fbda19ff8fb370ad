#include "GridCellModel.h"

namespace impgrid {

GridCellModel::GridCellModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridCellModel::setSize(int colCount, int rowCount) {
    if (colCount == colCount_ && rowCount == rowCount_)
        return;
    beginResetModel();
    colCount_ = colCount;
    rowCount_ = rowCount;
    endResetModel();
}

void GridCellModel::setFixed(int fixedCols, int fixedRows) {
    fixedCols_ = fixedCols;
    fixedRows_ = fixedRows;
    if (colCount_ > 0 && rowCount_ > 0)
        emit dataChanged(index(0, 0), index(rowCount_ - 1, colCount_ - 1));
}

QString GridCellModel::cell(int col, int row) const {
    if (col < 0 || row < 0)
        return {};
    return cells_.value(keyOf(col, row));
}

void GridCellModel::setCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0)
        return;
    const quint64 key = keyOf(col, row);
    if (text.isEmpty()) {
        if (cells_.remove(key) == 0)
            return;
    } else {
        auto existing = cells_.find(key);
        if (existing != cells_.end() && *existing == text)
            return;
        cells_.insert(key, text);
    }
    if (col < colCount_ && row < rowCount_) {
        const QModelIndex changed = index(row, col);
        emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
    }
}

int GridCellModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount_;
}

int GridCellModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colCount_;
}

QVariant GridCellModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.column(), index.row());
}

bool GridCellModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCell(index.column(), index.row(), value.toString());
    return true;
}

Qt::ItemFlags GridCellModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() < fixedCols_ || index.row() < fixedRows_)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

} // namespace impgrid
