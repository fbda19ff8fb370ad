#include "RhythmRow.h"

#include "PartitaText.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace {

// Draws one cell: white ground, the rhythm in notation, and for the fixed cells the line on
// their right edge. Only the first row is ever in view, so the line under it is the row's own
// border.
class RhythmCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect cell = option.rect;
        painter->save();
        painter->fillRect(cell, Qt::white);
        const bool fixed = index.column() < RhythmRow::kFixedColumns;
        QRect inside = cell;
        if (fixed)
            inside.adjust(0, 0, -1, 0);
        const QString text = index.data(Qt::DisplayRole).toString();
        const QFont& font = option.font;
        const qreal pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96 / 72;
        painter->setRenderHint(QPainter::Antialiasing, true);
        notation::drawPartitaText(*painter, QRectF(inside), text, pixels, Qt::black);
        if (fixed) {
            painter->setRenderHint(QPainter::Antialiasing, false);
            painter->setPen(RhythmRow::lineColor());
            painter->drawLine(cell.topRight(), cell.bottomRight());
        }
        painter->restore();
    }
};

} // namespace

RhythmRow::RhythmRow(QWidget* parent) : QTableWidget(kRows, kColumns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < kColumns; ++c)
        setColumnWidth(c, kColumnWidth);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    for (int r = 0; r < kRows; ++r)
        setRowHeight(r, kRowHeight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAutoScroll(false);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setItemDelegate(new RhythmCellDelegate(this));
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    setPalette(p);

    QFont partita(QStringLiteral("Partita"));
    partita.setPixelSize(kFontPixels);
    setFont(partita);

    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            auto* cell = new QTableWidgetItem;
            cell->setFlags(Qt::ItemIsEnabled);
            setItem(r, c, cell);
        }
}

void RhythmRow::setCells(const Texts& texts) {
    for (int c = 0; c < kColumns; ++c) {
        QTableWidgetItem* cell = item(0, c);
        if (cell->text() != texts[static_cast<std::size_t>(c)])
            cell->setText(texts[static_cast<std::size_t>(c)]);
    }
}

QString RhythmRow::cellText(int column) const {
    const QTableWidgetItem* cell = item(0, column);
    return cell ? cell->text() : QString();
}

void RhythmRow::setWrongCells(const Marks& wrong) {
    if (wrong == wrong_)
        return;
    wrong_ = wrong;
    viewport()->update();
}

bool RhythmRow::isWrongCell(int column) const {
    return column >= 0 && column < kColumns && wrong_[static_cast<std::size_t>(column)];
}

void RhythmRow::setEntryFrameColumn(int column) {
    if (column < 0 || column >= kColumns)
        column = -1;
    if (column == entryFrameColumn_)
        return;
    entryFrameColumn_ = column;
    viewport()->update();
}

QRect RhythmRow::cellRect(int column) const {
    return visualRect(model()->index(0, column));
}

int RhythmRow::columnAtX(int x) const {
    const int column = columnAt(x);
    if (column >= 0)
        return column;
    return x < 0 ? 0 : kColumns - 1;
}

int RhythmRow::frameWidth() const {
    return std::max(2, int(std::lround(rowHeight(0) / 21.0)));
}

void RhythmRow::drawFrame(QPainter& painter, int column, int inset, const QColor& color) const {
    const int w = frameWidth();
    QRect box = cellRect(column);
    if (column < kFixedColumns)
        box.adjust(0, 0, -1, 0); // inside the cell's line
    box = box.intersected(viewport()->rect());
    box.adjust(inset, inset, -inset, -inset);
    painter.fillRect(QRect(box.left(), box.top(), box.width(), w), color);
    painter.fillRect(QRect(box.left(), box.bottom() - w + 1, box.width(), w), color);
    painter.fillRect(QRect(box.left(), box.top(), w, box.height()), color);
    painter.fillRect(QRect(box.right() - w + 1, box.top(), w, box.height()), color);
}

void RhythmRow::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    QPainter painter(viewport());
    for (int c = 0; c < kColumns; ++c) {
        const bool wrong = wrong_[static_cast<std::size_t>(c)];
        const bool entry = c == entryFrameColumn_;
        if (!wrong && !entry)
            continue;
        // A wrong beat that is also the entry point shows both: red outside, black inside.
        if (wrong)
            drawFrame(painter, c, 0, wrongFrameColor());
        if (entry)
            drawFrame(painter, c, wrong ? frameWidth() : 0, entryFrameColor());
    }
}

void RhythmRow::mousePressEvent(QMouseEvent* event) {
    if (focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
    emit columnPressed(columnAtX(event->position().toPoint().x()));
    event->accept();
}

void RhythmRow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void RhythmRow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void RhythmRow::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void RhythmRow::keyPressEvent(QKeyEvent* event) {
    // Nothing moves inside the row: Enter goes on to the window's default button ("Check
    // Answer"), Tab moves the focus as everywhere.
    event->ignore();
}

void RhythmRow::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void RhythmRow::scrollTo(const QModelIndex&, ScrollHint) {}
