#include "Timpgrid.h"

#include "SetterBookkeeping.h"

#include "GridCellModel.h"
#include "GridCellPainter.h"
#include "GridFile.h"
#include "GridFileError.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace impgrid {

namespace {

QString cellLabel(int col, int row) {
    return QStringLiteral("(%1, %2)").arg(col).arg(row);
}

} // namespace

Timpgrid::Timpgrid(QWidget* parent)
    : QTableView(parent), cells_(new GridCellModel(this)),
      fixedColor_(palette().color(QPalette::Button)), fixedFont_(font()) {
    setModel(cells_);
    setItemDelegate(new GridCellPainter(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(defaultColWidth_);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight_);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);

    colFontColor_ = QStringLiteral("clblue");
    for (int col = 0; col <= ColCount(); ++col)
        setCells(col, fixedRows_, colFontColor_);
}

Timpgrid::~Timpgrid() = default;

int Timpgrid::ColCount() const {
    return cells_->ColCount();
}

void Timpgrid::setColCount(int count) {
    count = std::clamp(count, 1, GridFile::MaxColCount);
    if (count <= fixedCols_)
        setFixedCols(count - 1);
    cells_->setSize(count, RowCount());
}

int Timpgrid::RowCount() const {
    return cells_->RowCount();
}

void Timpgrid::setRowCount(int count) {
    count = std::clamp(count, 1, GridFile::MaxRowCount);
    if (count <= fixedRows_)
        setFixedRows(count - 1);
    cells_->setSize(ColCount(), count);
}

void Timpgrid::setFixedCols(int count) {
    fixedCols_ = std::clamp(count, 0, ColCount() - 1);
    cells_->setFixed(fixedCols_, fixedRows_);
}

void Timpgrid::setFixedRows(int count) {
    fixedRows_ = std::clamp(count, 0, RowCount() - 1);
    cells_->setFixed(fixedCols_, fixedRows_);
}

void Timpgrid::setDefaultColWidth(int width) {
    defaultColWidth_ = std::max(width, 1);
    horizontalHeader()->setDefaultSectionSize(defaultColWidth_);
    repaintCells();
}

void Timpgrid::setDefaultRowHeight(int height) {
    defaultRowHeight_ = std::max(height, 1);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight_);
    repaintCells();
}

void Timpgrid::setFixedColor(const QColor& color) {
    if (changed(fixedColor_, color))
        repaintCells();
}

QString Timpgrid::Cells(int col, int row) const {
    return cells_->cell(col, row);
}

void Timpgrid::setCells(int col, int row, const QString& text) {
    cells_->setCell(col, row, text);
}

void Timpgrid::setLightColor(const QColor& color) {
    if (changed(lightColor_, color))
        repaintCells();
}

void Timpgrid::setDarkColor(const QColor& color) {
    if (changed(darkColor_, color))
        repaintCells();
}

void Timpgrid::setGridLineColor(const QColor& color) {
    if (changed(gridLineColor_, color))
        repaintCells();
}

void Timpgrid::setFixedJustify(int justify) {
    if (changed(fixedJustify_, justify))
        repaintCells();
}

void Timpgrid::setJustify(int justify) {
    if (changed(justify_, justify))
        repaintCells();
}

void Timpgrid::setColFontColor(const QString& colorName) {
    if (changed(colFontColor_, colorName))
        repaintCells();
}

void Timpgrid::setOffset(int offset) {
    if (changed(offset_, offset))
        repaintCells();
}

void Timpgrid::setFixedFont(const QFont& font) {
    fixedFont_ = font;
    FixedFontChanged();
}

void Timpgrid::setFixedFontColor(const QColor& color) {
    if (changed(fixedFontColor_, color))
        FixedFontChanged();
}

void Timpgrid::setVertLab(bool vertical) {
    if (changed(vertLab_, vertical))
        repaintCells();
}

void Timpgrid::SetColColor(int, const QColor&) {}

void Timpgrid::AddCol() {
    setColCount(ColCount() + 1);
    setCells(ColCount(), fixedRows_, colFontColor_);
}

void Timpgrid::FixedFontChanged() {
    repaintCells();
}

void Timpgrid::repaintCells() {
    viewport()->update();
}

bool Timpgrid::IsLightBand(qint64 n) {
    // Bands of two rows: n mod 4 of 0 or 1 is light. The 0.0001 guards the division against
    // rounding just below a whole number.
    const double band = 4 * std::trunc(double(n) / 4 + 0.0001);
    if (double(n) == band)
        return true;
    const double previousBand = 4 * std::trunc(double(n - 1) / 4 + 0.0001);
    return double(n - 1) == previousBand;
}

void Timpgrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect) const {
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font());
    const QString text = Cells(col, row);
    const bool fixed = col < fixedCols_ || row < fixedRows_;
    if (fixed && row == 0 && vertLab_) {
        painter.fillRect(rect, fixedColor_);
        drawVerticalLabel(painter, rect, text);
    } else if (fixed) {
        painter.fillRect(rect, fixedColor_);
        painter.setFont(fixedFont_);
        painter.setPen(fixedFontColor_);
        drawJustified(painter, rect, text, fixedJustify_);
    } else {
        painter.fillRect(rect, IsLightBand(qint64(offset_) + row) ? lightColor_ : darkColor_);
        painter.setPen(Qt::black);
        drawJustified(painter, rect, text, justify_);
    }
    painter.restore();
}

void Timpgrid::drawJustified(QPainter& painter, const QRect& rect, const QString& text,
                             int justify) const {
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(painter.font());
    const int x =
        justify == 0 ? rect.x() + 2 : rect.x() + rect.width() - metrics.horizontalAdvance(text) - 3;
    painter.drawText(QPoint(x, rect.y() + 2 + metrics.ascent()), text);
}

void Timpgrid::drawVerticalLabel(QPainter& painter, const QRect& rect, const QString& text) const {
    if (text.isEmpty())
        return;
    // A narrow Times face as tall as the column is wide, turned to run upwards from the cell's
    // lower left corner; its characters are 5 pixels wide on average.
    QFont labelFont(QStringLiteral("Times New Roman"));
    labelFont.setPixelSize(std::max(defaultColWidth_ - 8, 1));
    labelFont.setWeight(QFont::Weight(500));
    const QFontMetricsF metrics(labelFont);
    const qreal averageWidth = metrics.averageCharWidth();
    painter.setFont(labelFont);
    painter.setPen(fixedFontColor_);
    painter.translate(rect.x() + 4, rect.y() + rect.height() - 5);
    painter.rotate(-90);
    if (averageWidth > 0)
        painter.scale(5.0 / averageWidth, 1.0);
    painter.drawText(QPointF(0, metrics.ascent()), text);
}

void Timpgrid::SaveToFile(const QString& fileName) const {
    const int cols = ColCount();
    const int rows = RowCount();
    const qint64 cellLines = qint64(cols + 1) * (rows + 1);
    if (cellLines > GridFile::MaxCellLines) {
        throw GridFileError(QStringLiteral("The grid has %1 cells, more than a grid file can hold "
                                           "(%2); %3 was not written.")
                                .arg(cellLines)
                                .arg(GridFile::MaxCellLines)
                                .arg(fileName));
    }
    QStringList lines;
    lines.reserve(cellLines + 6);
    lines << GridFile::FirstLine << GridFile::SecondLine << QString::number(cols)
          << QString::number(rows);
    for (int col = 0; col <= cols; ++col) {
        for (int row = 0; row <= rows; ++row) {
            const QString text = Cells(col, row);
            // One line a cell: a line break inside a cell would shift every cell after it.
            if (text.contains(u'\r') || text.contains(u'\n')) {
                throw GridFileError(QStringLiteral("Cell %1 holds a line break, which a grid file "
                                                   "cannot store; %2 was not written.")
                                        .arg(cellLabel(col, row), fileName));
            }
            if (text.size() * 3 > GridFile::MaxLineBytes &&
                text.toUtf8().size() > GridFile::MaxLineBytes) {
                throw GridFileError(QStringLiteral("Cell %1 is longer than a grid file can hold "
                                                   "(%2 bytes); %3 was not written.")
                                        .arg(cellLabel(col, row))
                                        .arg(GridFile::MaxLineBytes)
                                        .arg(fileName));
            }
            lines << text;
        }
    }
    lines << GridFile::SecondLastLine << GridFile::LastLine;
    GridFile::writeLines(fileName, lines);
}

void Timpgrid::LoadFromFile(const QString& fileName) {
    GridFile::Reader reader(fileName);
    // The two opening lines are not checked: older files may word them differently.
    reader.readLine(QStringLiteral("first line"));
    reader.readLine(QStringLiteral("second line"));
    const int cols = reader.readCount(QStringLiteral("column count"), GridFile::MaxColCount);
    setColCount(cols);
    const int rows = reader.readCount(QStringLiteral("row count"), GridFile::MaxRowCount);
    const qint64 cellLines = qint64(cols + 1) * (rows + 1);
    if (cellLines > GridFile::MaxCellLines) {
        throw GridFileError(QStringLiteral("The grid file \"%1\" cannot be read: line %2: %3 "
                                           "columns and %4 rows are more cells than a grid can "
                                           "hold (%5).")
                                .arg(fileName)
                                .arg(reader.lineNumber())
                                .arg(cols)
                                .arg(rows)
                                .arg(GridFile::MaxCellLines));
    }
    setRowCount(rows);
    for (int col = 0; col <= cols; ++col) {
        for (int row = 0; row <= rows; ++row)
            setCells(col, row, reader.readLine(QStringLiteral("cell %1").arg(cellLabel(col, row))));
    }
    // Whatever follows the cells (the two closing lines) is not needed.
}

} // namespace impgrid
