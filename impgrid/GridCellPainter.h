#pragma once

#include <QStyledItemDelegate>

namespace impgrid {

class Timpgrid;

// Paints every cell of a Timpgrid with the grid's own cell drawing, and the focus frame of the
// current cell; editing uses the usual line editor.
class GridCellPainter : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridCellPainter(Timpgrid* grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    Timpgrid* grid_;
};

} // namespace impgrid
