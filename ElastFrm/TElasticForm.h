#pragma once

#include <QFont>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QSize>
#include <QString>

#include <stdexcept>
#include <vector>

class QScreen;
class QTimer;
class QTableView;
class QWidget;

// Raised when a form scaler is created on something that is not a window, or on a window
// that already has one.
class ElasticFormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Keeps a window's layout proportional. Attached once to a window, it records every control's
// designed bounds and font the first time the window is shown, and from then on, whenever the
// window's client area changes size, it recomputes every control's position, size and font
// from those recorded values in proportion to the client area (so repeated resizing never
// accumulates error, and the designed size gives back the designed bounds exactly). Table
// columns and rows and auto-sized labels follow. The designed layout is first adapted to the
// screen: rx and ry are the screen's available size over the design screen's size; fonts
// follow the smaller of the two.
//
// For a QMainWindow the controls live in the central widget, which is the client area; the
// menu bar is not scaled.
class TElasticForm : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool ElasticHorizontal READ elasticHorizontal WRITE setElasticHorizontal)
    Q_PROPERTY(bool ElasticVertical READ elasticVertical WRITE setElasticVertical)
    Q_PROPERTY(bool ElasticFont READ elasticFont WRITE setElasticFont)
    Q_PROPERTY(int DesignScreenWidth READ designScreenWidth WRITE setDesignScreenWidth)
    Q_PROPERTY(int DesignScreenHeight READ designScreenHeight WRITE setDesignScreenHeight)
    Q_PROPERTY(int DesignPixelsPerInch READ designPixelsPerInch WRITE setDesignPixelsPerInch)
    Q_PROPERTY(int MaximizedPosX READ maximizedPosX WRITE setMaximizedPosX)
    Q_PROPERTY(int MaximizedPosY READ maximizedPosY WRITE setMaximizedPosY)
    Q_PROPERTY(int MinimumTrackWidth READ minimumTrackWidth WRITE setMinimumTrackWidth)
    Q_PROPERTY(int MinimumTrackHeight READ minimumTrackHeight WRITE setMinimumTrackHeight)
    Q_PROPERTY(int MaximumTrackWidth READ maximumTrackWidth WRITE setMaximumTrackWidth)
    Q_PROPERTY(int MaximumTrackHeight READ maximumTrackHeight WRITE setMaximumTrackHeight)
    Q_PROPERTY(int DesignFormWidth READ designFormWidth WRITE setDesignFormWidth)
    Q_PROPERTY(int DesignFormHeight READ designFormHeight WRITE setDesignFormHeight)
    Q_PROPERTY(int DesignFormClientWidth READ designFormClientWidth WRITE setDesignFormClientWidth)
    Q_PROPERTY(
        int DesignFormClientHeight READ designFormClientHeight WRITE setDesignFormClientHeight)
    Q_PROPERTY(int DesignFormLeft READ designFormLeft WRITE setDesignFormLeft)
    Q_PROPERTY(int DesignFormTop READ designFormTop WRITE setDesignFormTop)
    Q_PROPERTY(bool MaintainProportions READ maintainProportions WRITE setMaintainProportions)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(QLabel* BkGrndImage READ bkGrndImage WRITE setBkGrndImage)
    Q_PROPERTY(double Version READ version)
    Q_PROPERTY(bool GridColumnWidthResize READ gridColumnWidthResize WRITE setGridColumnWidthResize)
    Q_PROPERTY(bool GridRowHeightResize READ gridRowHeightResize WRITE setGridRowHeightResize)
    Q_PROPERTY(bool GridFontResize READ gridFontResize WRITE setGridFontResize)
    Q_PROPERTY(bool FontWarning READ fontWarning WRITE setFontWarning)
    Q_PROPERTY(bool LookForExtraFonts READ lookForExtraFonts WRITE setLookForExtraFonts)
    Q_PROPERTY(
        bool ResolutionIndependence READ resolutionIndependence WRITE setResolutionIndependence)
    Q_PROPERTY(QString EFActiveControl READ efActiveControl WRITE setEFActiveControl)

public:
    // Where the window opens: at its designed place, or centred on its screen, on the whole
    // desktop or on the program's main window.
    enum TFormPosition { poDesigned, poScreenCenter, poDesktopCenter, poMainFormCenter };
    Q_ENUM(TFormPosition)

    // The scaler belongs to (and is a child of) `form`, which must be a window without one.
    explicit TElasticForm(QWidget* form);
    ~TElasticForm() override;

    // Nearest integer, halves to the even neighbour: 2.5 -> 2, 3.5 -> 4.
    static int Near(double x);
    // Truncation, unless the fraction exceeds one half: 10.5 -> 10, 10.6 -> 11.
    static int R(double x);

    // Labels are auto-sized unless marked otherwise here (they then keep at least their
    // scaled size and grow to fit their text).
    static void setAutoSize(QLabel* label, bool autoSize);
    static bool isAutoSize(const QLabel* label);

    bool elasticHorizontal() const { return elasticHorizontal_; }
    void setElasticHorizontal(bool on) { elasticHorizontal_ = on; }
    bool elasticVertical() const { return elasticVertical_; }
    void setElasticVertical(bool on) { elasticVertical_ = on; }
    bool elasticFont() const { return elasticFont_; }
    void setElasticFont(bool on) { elasticFont_ = on; }
    int designScreenWidth() const { return designScreenWidth_; }
    void setDesignScreenWidth(int w) { designScreenWidth_ = w; }
    int designScreenHeight() const { return designScreenHeight_; }
    void setDesignScreenHeight(int h) { designScreenHeight_ = h; }
    int designPixelsPerInch() const { return designPixelsPerInch_; }
    void setDesignPixelsPerInch(int ppi) { designPixelsPerInch_ = ppi; }
    // Where a maximised window is put: > 0 pixels, < 0 a percentage of the screen, 0 the
    // system's choice (it matters when the maximum track size keeps the window smaller).
    int maximizedPosX() const { return maximizedPosX_; }
    void setMaximizedPosX(int v) { maximizedPosX_ = v; }
    int maximizedPosY() const { return maximizedPosY_; }
    void setMaximizedPosY(int v) { maximizedPosY_ = v; }
    // Keeps the designed width-to-height ratio: the window can grow no larger than the largest
    // size of that ratio the screen holds, and the end of a border drag corrects the size to
    // the ratio.
    bool maintainProportions() const { return maintainProportions_; }
    void setMaintainProportions(bool on) { maintainProportions_ = on; }
    // A picture painted over the client area's background: tiled from the top left, or
    // stretched over it when the image control itself fills the client area. The control is
    // hidden; null restores the plain background.
    QLabel* bkGrndImage() const { return bkGrndImage_; }
    void setBkGrndImage(QLabel* image);
    static constexpr double kVersion = 601;
    double version() const { return kVersion; }
    // Reports a form font that may not scale well (one that is not an outline font) once, when
    // the window is first sized.
    bool fontWarning() const { return fontWarning_; }
    void setFontWarning(bool on) { fontWarning_ = on; }
    static const QString& fontWarningText();
    // Whether `font` scales smoothly to every size.
    static bool isScalable(const QFont& font);
    // Also scales the other font properties of a control (Q_PROPERTYs of type QFont besides its
    // own font, such as a table's header font).
    bool lookForExtraFonts() const { return lookForExtraFonts_; }
    void setLookForExtraFonts(bool on) { lookForExtraFonts_ = on; }
    // Limits of the user's resizing: > 0 pixels, < 0 a percentage of the screen, 0 none.
    int minimumTrackWidth() const { return minimumTrackWidth_; }
    void setMinimumTrackWidth(int v) { minimumTrackWidth_ = v; }
    int minimumTrackHeight() const { return minimumTrackHeight_; }
    void setMinimumTrackHeight(int v) { minimumTrackHeight_ = v; }
    int maximumTrackWidth() const { return maximumTrackWidth_; }
    void setMaximumTrackWidth(int v) { maximumTrackWidth_ = v; }
    int maximumTrackHeight() const { return maximumTrackHeight_; }
    void setMaximumTrackHeight(int v) { maximumTrackHeight_ = v; }
    int designFormWidth() const { return designFormWidth_; }
    void setDesignFormWidth(int v) { designFormWidth_ = v; }
    int designFormHeight() const { return designFormHeight_; }
    void setDesignFormHeight(int v) { designFormHeight_ = v; }
    int designFormClientWidth() const { return designFormClientWidth_; }
    void setDesignFormClientWidth(int v) { designFormClientWidth_ = v; }
    int designFormClientHeight() const { return designFormClientHeight_; }
    void setDesignFormClientHeight(int v) { designFormClientHeight_ = v; }
    int designFormLeft() const { return designFormLeft_; }
    void setDesignFormLeft(int v) { designFormLeft_ = v; }
    int designFormTop() const { return designFormTop_; }
    void setDesignFormTop(int v) { designFormTop_ = v; }
    bool gridColumnWidthResize() const { return gridColumnWidthResize_; }
    void setGridColumnWidthResize(bool on) { gridColumnWidthResize_ = on; }
    bool gridRowHeightResize() const { return gridRowHeightResize_; }
    void setGridRowHeightResize(bool on) { gridRowHeightResize_ = on; }
    bool gridFontResize() const { return gridFontResize_; }
    void setGridFontResize(bool on) { gridFontResize_ = on; }
    bool resolutionIndependence() const { return resolutionIndependence_; }
    void setResolutionIndependence(bool on) { resolutionIndependence_ = on; }
    QString efActiveControl() const { return efActiveControl_; }
    void setEFActiveControl(const QString& name) { efActiveControl_ = name; }
    TFormPosition formPosition() const { return formPosition_; }
    void setFormPosition(TFormPosition position) { formPosition_ = position; }

    // The form font that is scaled; setting it also gives it to the client area.
    QFont font() const { return font_; }
    void setFont(const QFont& font);

    // Run-time state.
    QWidget* form() const { return form_; }
    QWidget* clientArea() const;
    bool isCaptured() const { return captured_; }
    double rx() const { return rx_; }
    double ry() const { return ry_; }
    // Reference client size: the designed client size adapted to the screen.
    QSize referenceClientSize() const { return {refW_, refH_}; }
    int referenceFontSize() const { return f0_; }
    double fontRatio() const { return fontRatio_; }
    int controlCount() const { return static_cast<int>(frames_.size()); }

    // The maximum track size that MaintainProportions sets for `screen` (an empty size when it
    // is off).
    QSize proportionalMaximum(const QSize& screen) const;
    // Whether a border drag is being followed; the rescale waits for its end.
    bool isDragging() const { return dragging_; }

signals:
    void afterResize(TElasticForm* sender); // OnAfterResize
    // The form's font may not scale well (FontWarning).
    void fontWarningRaised(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The capture record of one control.
    struct TFrame {
        QPointer<QWidget> control;
        int left = 0, top = 0, width = 0, height = 0;
        int fontSize = 0;
        bool fontInPixels = false;
        // Other font properties (LookForExtraFonts): name and reference size.
        std::vector<std::pair<QByteArray, int>> extraFonts;
        // Tables only.
        bool isGrid = false;
        bool scaleColumns = true;
        std::vector<int> columnWidths;
        int columnCount = 0;
        int defaultRowHeight = 0;
        double lastHx = 1.0;
    };

    void firstSizing();
    void computeScreenRatios();
    double fontScreenRatio() const;
    void rescaleIfChanged();
    void rescale();
    // Every control to its designed place and font at the current size.
    void rescaleControls();
    // The focus back on `focused`, or on the active control when none had it.
    void restoreFocus(QWidget* focused);
    void capture();
    void captureColumns(TFrame& frame, QTableView* grid, double scale) const;
    void collectControls(QWidget* parent, std::vector<QWidget*>& controls) const;
    void applyFont(QWidget* control, const TFrame& frame, int size) const;
    void rescaleGrid(TFrame& frame, QTableView* grid, double h, double v);
    void fitLabel(QLabel* label, const TFrame& frame, const QSize& scaled) const;
    void applyTrackLimits();
    void screenChanged(const QSize& available);
    void followDrag();
    void dragEnded();
    void correctProportions();
    void applyBackground();
    QPoint centredPosition(const QSize& outer) const;
    QPoint maximizedPosition(QPoint position) const;
    void captureExtraFonts(TFrame& frame, QWidget* control) const;
    void rescaleExtraFonts(const TFrame& frame, QWidget* control) const;
    int trackValue(int value, int screenExtent) const;
    QSize availableScreenSize() const;

    QWidget* form_ = nullptr;

    bool elasticHorizontal_ = true;
    bool elasticVertical_ = true;
    bool elasticFont_ = true;
    int designScreenWidth_ = 0;
    int designScreenHeight_ = 0;
    int designPixelsPerInch_ = 96;
    int maximizedPosX_ = 0;
    int maximizedPosY_ = 0;
    bool maintainProportions_ = false;
    QPointer<QLabel> bkGrndImage_;
    QPalette plainPalette_;
    bool plainAutoFill_ = false;
    bool backgroundReplaced_ = false;
    bool fontWarning_ = true;
    bool lookForExtraFonts_ = true;
    bool dragging_ = false;
    QTimer* dragEnd_ = nullptr;
    int minimumTrackWidth_ = 0;
    int minimumTrackHeight_ = 0;
    int maximumTrackWidth_ = 0;
    int maximumTrackHeight_ = 0;
    int designFormWidth_ = 0;
    int designFormHeight_ = 0;
    int designFormClientWidth_ = 0;
    int designFormClientHeight_ = 0;
    int designFormLeft_ = 0;
    int designFormTop_ = 0;
    QFont font_;
    bool gridColumnWidthResize_ = true;
    bool gridRowHeightResize_ = true;
    bool gridFontResize_ = true;
    bool resolutionIndependence_ = true;
    QString efActiveControl_;
    TFormPosition formPosition_ = poDesigned;

    bool sized_ = false;
    bool captured_ = false;
    bool rescaling_ = false;
    double rx_ = 1.0;
    double ry_ = 1.0;
    int refW_ = 0;
    int refH_ = 0;
    int f0_ = 0;
    double fontRatio_ = 1.0;
    QSize lastClientSize_;
    QSize lastScreenSize_;
    QPointer<QScreen> screen_;
    std::vector<TFrame> frames_;
};
