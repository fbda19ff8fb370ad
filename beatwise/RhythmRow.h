#pragma once

#include <QTableWidget>

#include <array>

// A row of the rhythm trainer, the answer row or the question row: a grid of two rows of eleven
// cells (47 x 42 pixels as designed), only the first row in view, showing each cell's "Partita"
// rhythm text as notation on white. Columns 0..9 are fixed cells with lines between them; the
// eleventh lies beyond the visible width. Cells may be framed: red for a wrong beat, black for
// the entry point. The frames are part of what the row shows, so they survive repaints and
// rescaling. It never scrolls and takes no typing; a mouse press reports the column under it.
class RhythmRow : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 11;
    static constexpr int kRows = 2;
    static constexpr int kFixedColumns = 10;
    static constexpr int kColumnWidth = 47;
    static constexpr int kRowHeight = 42;
    static constexpr int kFontPixels = 24; // "Partita" 24

    using Texts = std::array<QString, kColumns>;
    using Marks = std::array<bool, kColumns>;

    explicit RhythmRow(QWidget* parent = nullptr);

    void setCells(const Texts& texts);
    QString cellText(int column) const;

    void setWrongCells(const Marks& wrong);
    bool isWrongCell(int column) const;
    // The cell framed black; -1 for none.
    void setEntryFrameColumn(int column);
    int entryFrameColumn() const { return entryFrameColumn_; }

    // The cell of `column` in the visible row, in viewport coordinates.
    QRect cellRect(int column) const;
    // The column under viewport x: 0..10.
    int columnAtX(int x) const;
    // The width of the frames drawn round cells at the current size.
    int frameWidth() const;

    static QColor wrongFrameColor() { return QColor(255, 0, 0); }
    static QColor entryFrameColor() { return QColor(0, 0, 0); }
    static QColor lineColor() { return QColor(128, 128, 128); }

signals:
    // A mouse button was pressed over the row, in this column (0..10).
    void columnPressed(int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint) override;

private:
    void drawFrame(QPainter& painter, int column, int inset, const QColor& color) const;

    Marks wrong_{};
    int entryFrameColumn_ = -1;
};
