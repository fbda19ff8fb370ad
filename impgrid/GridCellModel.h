#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QString>

namespace impgrid {

// The grid's cells as a table model. Every cell is kept, also those beyond the last row and
// column (the grid stores texts one index beyond its size); only the first ColCount columns and
// RowCount rows are shown. Empty cells take no memory.
class GridCellModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridCellModel(QObject* parent = nullptr);

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    void setSize(int colCount, int rowCount);

    // An empty text for a cell never written or at a negative index.
    QString cell(int col, int row) const;
    // Writes at a negative index are ignored: there is no such cell.
    void setCell(int col, int row, const QString& text);

    // Rows and columns below these are the fixed (heading) cells; they are not editable.
    void setFixed(int fixedCols, int fixedRows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    static quint64 keyOf(int col, int row) { return (quint64(quint32(col)) << 32) | quint32(row); }

    QHash<quint64, QString> cells_;
    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
};

} // namespace impgrid
