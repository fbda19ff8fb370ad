#include "GridCellPainter.h"

#include "Timpgrid.h"

#include <QPainter>
#include <QStyle>

namespace impgrid {

GridCellPainter::GridCellPainter(Timpgrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

void GridCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    grid_->DrawCell(*painter, index.column(), index.row(), option.rect);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = option.palette.color(QPalette::Base);
        grid_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, grid_);
    }
}

} // namespace impgrid
