#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTableView>

class QPainter;

namespace impgrid {

class GridCellModel;

// A string grid with banded row colours, left or right justified text, optional vertical labels
// in the heading row, its own font for the fixed (heading) cells and a text file format for all
// its cells.
//
// Cells are addressed (column, row) and every cell is kept, also beyond the last row and column:
// the grid itself stores a text one column beyond its last ("clblue" in the first data row) and
// its file holds one column and one row beyond. Rows and columns below FixedRows and FixedCols
// are heading cells drawn in the fixed colour and FixedFont.
class Timpgrid : public QTableView {
    Q_OBJECT
    Q_PROPERTY(int ColCount READ ColCount WRITE setColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE setRowCount)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE setFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE setFixedRows)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE setDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE setDefaultRowHeight)
    Q_PROPERTY(QColor FixedColor READ FixedColor WRITE setFixedColor)
    Q_PROPERTY(QColor LightColor READ LightColor WRITE setLightColor)
    Q_PROPERTY(QColor DarkColor READ DarkColor WRITE setDarkColor)
    Q_PROPERTY(QColor GridLineColor READ GridLineColor WRITE setGridLineColor)
    Q_PROPERTY(int FixedJustify READ FixedJustify WRITE setFixedJustify)
    Q_PROPERTY(int Justify READ Justify WRITE setJustify)
    Q_PROPERTY(QString ColFontColor READ ColFontColor WRITE setColFontColor)
    Q_PROPERTY(int offset READ offset WRITE setOffset)
    Q_PROPERTY(QFont FixedFont READ FixedFont WRITE setFixedFont)
    Q_PROPERTY(QColor FixedFontColor READ FixedFontColor WRITE setFixedFontColor)
    Q_PROPERTY(bool VertLab READ VertLab WRITE setVertLab)

public:
    explicit Timpgrid(QWidget* parent = nullptr);
    ~Timpgrid() override;

    // --- the string grid ---
    // Counts run from 1 to the bounds of the grid file (GridFile::MaxColCount, MaxRowCount);
    // a count at or below the fixed count reduces the fixed count.
    int ColCount() const;
    void setColCount(int count);
    int RowCount() const;
    void setRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    void setFixedCols(int count);
    int FixedRows() const { return fixedRows_; }
    void setFixedRows(int count);
    int DefaultColWidth() const { return defaultColWidth_; }
    void setDefaultColWidth(int width);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void setDefaultRowHeight(int height);
    QColor FixedColor() const { return fixedColor_; }
    void setFixedColor(const QColor& color);

    // The text of a cell; an empty text for a cell never written.
    QString Cells(int col, int row) const;
    void setCells(int col, int row, const QString& text);

    // --- the improved grid ---
    QColor LightColor() const { return lightColor_; }
    void setLightColor(const QColor& color);
    QColor DarkColor() const { return darkColor_; }
    void setDarkColor(const QColor& color);
    // Kept for the designer; the grid lines are drawn in the style's colour.
    QColor GridLineColor() const { return gridLineColor_; }
    void setGridLineColor(const QColor& color);
    // 0: left-justified text; anything else: right-justified.
    int FixedJustify() const { return fixedJustify_; }
    void setFixedJustify(int justify);
    int Justify() const { return justify_; }
    void setJustify(int justify);
    // A colour name that AddCol writes into the new column's first data row; cell text itself is
    // always drawn black.
    QString ColFontColor() const { return colFontColor_; }
    void setColFontColor(const QString& colorName);
    // The phase of the row banding.
    int offset() const { return offset_; }
    void setOffset(int offset);
    QFont FixedFont() const { return fixedFont_; }
    void setFixedFont(const QFont& font);
    QColor FixedFontColor() const { return fixedFontColor_; }
    void setFixedFontColor(const QColor& color);
    // Draw the labels of row 0 vertically, running upwards.
    bool VertLab() const { return vertLab_; }
    void setVertLab(bool vertical);

    // Writes every cell, one column and one row beyond the last included, into the grid file
    // `fileName` (created or replaced). Throws GridFileError; the file stays as it was then.
    void SaveToFile(const QString& fileName) const;
    // Reads a grid file: the counts, then the cells in file order. Throws GridFileError; the
    // counts and cells read before the error stay.
    void LoadFromFile(const QString& fileName);

    // Column text colours are not drawn (cell text is always black); a column colour is
    // accepted and has no effect.
    void SetColColor(int col, const QColor& color);
    // One more column; ColFontColor goes into the first data row one column beyond it.
    void AddCol();
    // Repaints after a change of FixedFont.
    void FixedFontChanged();

    // Whether row band n (offset + row) is light: n mod 4 is 0 or 1, computed with truncation,
    // so a negative n is always dark.
    static bool IsLightBand(qint64 n);

    // Draws one cell into `rect` of `painter`, as the grid shows it (without focus frame).
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect) const;

private:
    void repaintCells();
    void drawJustified(QPainter& painter, const QRect& rect, const QString& text,
                       int justify) const;
    void drawVerticalLabel(QPainter& painter, const QRect& rect, const QString& text) const;

    GridCellModel* cells_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    QColor fixedColor_;
    QColor lightColor_ = Qt::white;
    QColor darkColor_ = QColor(0xE0, 0xE0, 0xE0);
    QColor gridLineColor_ = Qt::gray;
    int fixedJustify_ = 0;
    int justify_ = 0;
    QString colFontColor_;
    int offset_ = 0;
    QFont fixedFont_;
    QColor fixedFontColor_ = Qt::black;
    bool vertLab_ = false;
};

} // namespace impgrid
