#include "TElasticForm.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QMetaProperty>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* AutoSizeProperty = "AutoSize";

// How long a window's size must stay put before a border drag counts as ended.
constexpr int kDragSettleMs = 150;

bool isFullSize(const QWidget* form) {
    return form->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized);
}

int fontSizeOf(const QFont& font, bool* inPixels) {
    if (font.pixelSize() > 0) {
        *inPixels = true;
        return font.pixelSize();
    }
    *inPixels = false;
    return static_cast<int>(std::trunc(font.pointSizeF()));
}

void setFontSize(QFont& font, int size, bool inPixels) {
    size = std::max(size, 1);
    if (inPixels)
        font.setPixelSize(size);
    else
        font.setPointSize(size);
}

// Plain containers hold controls of their own; every other widget is one control whose inner
// parts (viewports, scroll bars, headers, editors) are its own business.
bool isContainer(const QWidget* widget) {
    const QMetaObject* meta = widget->metaObject();
    return meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject ||
           meta == &QGroupBox::staticMetaObject;
}

} // namespace

int TElasticForm::Near(double x) {
    const double floor = std::floor(x);
    const double fraction = x - floor;
    if (fraction > 0.5)
        return static_cast<int>(floor) + 1;
    if (fraction < 0.5)
        return static_cast<int>(floor);
    return std::fmod(floor, 2.0) == 0.0 ? static_cast<int>(floor) : static_cast<int>(floor) + 1;
}

int TElasticForm::R(double x) {
    const double whole = std::trunc(x);
    const double fraction = std::fabs(x - whole);
    if (fraction > 0.5)
        return static_cast<int>(whole) + (x < 0 ? -1 : 1);
    return static_cast<int>(whole);
}

void TElasticForm::setAutoSize(QLabel* label, bool autoSize) {
    label->setProperty(AutoSizeProperty, autoSize);
}

bool TElasticForm::isAutoSize(const QLabel* label) {
    const QVariant value = label->property(AutoSizeProperty);
    return !value.isValid() || value.toBool();
}

TElasticForm::TElasticForm(QWidget* form) {
    if (form == nullptr || !form->isWindow())
        throw ElasticFormError("Owner of TElasticForm component must be a form");
    if (!form->findChildren<TElasticForm*>(Qt::FindDirectChildrenOnly).isEmpty()) {
        QString name = form->objectName();
        if (name.isEmpty())
            name = QString::fromLatin1(form->metaObject()->className());
        throw ElasticFormError("A TElasticForm component already exists in " + name.toStdString());
    }
    setParent(form);
    form_ = form;

    // A new scaler takes the window as it is now and the screen it is on.
    const QSize screen = availableScreenSize();
    designScreenWidth_ = screen.width();
    designScreenHeight_ = screen.height();
    if (const QScreen* s = form->screen())
        designPixelsPerInch_ = qRound(s->logicalDotsPerInch());
    designFormWidth_ = form->frameGeometry().width();
    designFormHeight_ = form->frameGeometry().height();
    designFormClientWidth_ = clientArea()->width();
    designFormClientHeight_ = clientArea()->height();
    designFormLeft_ = form->x();
    designFormTop_ = form->y();
    font_ = form->font();

    // A border drag ends when the sizes stop coming.
    dragEnd_ = new QTimer(this);
    dragEnd_->setSingleShot(true);
    dragEnd_->setInterval(kDragSettleMs);
    connect(dragEnd_, &QTimer::timeout, this, &TElasticForm::dragEnded);

    form->installEventFilter(this);
}

TElasticForm::~TElasticForm() {
    if (form_)
        form_->removeEventFilter(this);
    if (QWidget* client = clientArea(); client && client != form_)
        client->removeEventFilter(this);
}

QWidget* TElasticForm::clientArea() const {
    if (auto* window = qobject_cast<QMainWindow*>(form_); window && window->centralWidget())
        return window->centralWidget();
    return form_;
}

void TElasticForm::setFont(const QFont& font) {
    font_ = font;
    clientArea()->setFont(font_);
}

QSize TElasticForm::availableScreenSize() const {
    const QScreen* screen = form_ ? form_->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size()
                  : QSize(designScreenWidth_, designScreenHeight_);
}

void TElasticForm::computeScreenRatios() {
    const QSize screen = availableScreenSize();
    if (!resolutionIndependence_ || designScreenWidth_ <= 0 || designScreenHeight_ <= 0) {
        designScreenWidth_ = screen.width();
        designScreenHeight_ = screen.height();
    }
    rx_ = static_cast<double>(screen.width()) / designScreenWidth_;
    ry_ = static_cast<double>(screen.height()) / designScreenHeight_;
    lastScreenSize_ = screen;
}

double TElasticForm::fontScreenRatio() const {
    // Text grows with the controls' widths as much as with their heights: on a screen squarer
    // than the design screen the height ratio is the larger one, and fonts scaled by it would
    // outgrow their controls.
    return std::min(rx_, ry_);
}

int TElasticForm::trackValue(int value, int screenExtent) const {
    if (value > 0)
        return value;
    if (value < 0)
        return Near(screenExtent * (-value) / 100.0);
    return 0;
}

QSize TElasticForm::proportionalMaximum(const QSize& screen) const {
    if (!maintainProportions_ || designFormWidth_ <= 0 || designFormHeight_ <= 0 ||
        screen.isEmpty())
        return {};
    const double ratio = static_cast<double>(designFormWidth_) / designFormHeight_;
    if (static_cast<double>(designFormWidth_) / screen.width() >=
        static_cast<double>(designFormHeight_) / screen.height())
        return {screen.width() - 6, Near((screen.width() - 6) / ratio)};
    return {Near(ratio * (screen.height() - 5)), screen.height() - 5};
}

void TElasticForm::applyTrackLimits() {
    const QSize screen = availableScreenSize();
    const int minW = trackValue(minimumTrackWidth_, screen.width());
    const int minH = trackValue(minimumTrackHeight_, screen.height());
    int maxW = trackValue(maximumTrackWidth_, screen.width());
    int maxH = trackValue(maximumTrackHeight_, screen.height());
    // Kept to the designed ratio, the window is no larger than the largest such size the
    // screen holds; that is also its maximised size.
    if (const QSize largest = proportionalMaximum(screen); !largest.isEmpty()) {
        maxW = largest.width();
        maxH = largest.height();
    }
    if (minW > 0 || minH > 0)
        form_->setMinimumSize(std::max(minW, 0), std::max(minH, 0));
    if (maxW > 0 || maxH > 0)
        form_->setMaximumSize(maxW > 0 ? maxW : QWIDGETSIZE_MAX, maxH > 0 ? maxH : QWIDGETSIZE_MAX);
}

void TElasticForm::firstSizing() {
    computeScreenRatios();
    refW_ = Near(designFormClientWidth_ * rx_);
    refH_ = Near(designFormClientHeight_ * ry_);

    QWidget* client = clientArea();
    if (client != form_)
        client->installEventFilter(this);
    if (QWindow* window = form_->windowHandle())
        window->installEventFilter(this);
    if (QLayout* layout = form_->layout())
        layout->activate();
    applyTrackLimits();
    const QScreen* screen = form_->screen();
    if (!isFullSize(form_)) {
        // The window opens at its designed outer size adapted to the screen (a window without
        // a frame at its designed client size); the controls follow its client area.
        const bool framed = !(form_->windowFlags() & Qt::FramelessWindowHint);
        const QSize outer(Near((framed ? designFormWidth_ : designFormClientWidth_) * rx_),
                          Near((framed ? designFormHeight_ : designFormClientHeight_) * ry_));
        const QSize frame = form_->frameGeometry().size() - form_->size();
        form_->resize(outer - frame);
    }

    QPoint position(std::max(0, Near(designFormLeft_ * rx_)),
                    std::max(0, Near(designFormTop_ * ry_)));
    if (screen)
        position += screen->geometry().topLeft();
    if (formPosition_ != poDesigned)
        position = centredPosition(form_->frameGeometry().size());
    if (form_->windowState() & Qt::WindowMaximized)
        position = maximizedPosition(position);
    form_->move(position);

    if (fontWarning_ && !isScalable(font_))
        emit fontWarningRaised(fontWarningText());

    bool inPixels = false;
    const int size = fontSizeOf(font_, &inPixels);
    setFontSize(font_, R(size * fontScreenRatio()), inPixels);
    // Resize events of the sizing above wait for the first rescale, which follows.
    sized_ = true;

    if (screen) {
        screen_ = const_cast<QScreen*>(screen);
        connect(screen_, &QScreen::availableGeometryChanged, this,
                [this](const QRect& geometry) { screenChanged(geometry.size()); });
    }
}

void TElasticForm::screenChanged(const QSize& available) {
    // The new screen becomes the design screen; the window keeps its share of the screen.
    if (lastScreenSize_.isEmpty() || available.isEmpty())
        return;
    const double fx = static_cast<double>(available.width()) / lastScreenSize_.width();
    const double fy = static_cast<double>(available.height()) / lastScreenSize_.height();
    designScreenWidth_ = available.width();
    designScreenHeight_ = available.height();
    lastScreenSize_ = available;
    if (form_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return;
    const QRect g = form_->geometry();
    form_->setGeometry(Near(g.x() * fx), Near(g.y() * fy), Near(g.width() * fx),
                       Near(g.height() * fy));
    rescaleIfChanged();
}

bool TElasticForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_ && event->type() == QEvent::Show && !sized_) {
        firstSizing();
        rescaleIfChanged();
    } else if (watched == form_->windowHandle() && event->type() == QEvent::Resize && sized_) {
        // A size the window system brings before the form has it is the user's (a size the
        // program set is the form's already): the window system's sizes reach the window
        // before its widgets.
        if (static_cast<QResizeEvent*>(event)->size() != form_->size() && !isFullSize(form_))
            followDrag();
    } else if (watched == form_ && event->type() == QEvent::WindowStateChange &&
               isFullSize(form_)) {
        // Maximised or minimised: whatever drag there was is over, and the size it left is
        // shown (a minimised window keeps its layout).
        if (dragging_) {
            dragging_ = false;
            dragEnd_->stop();
            rescaleIfChanged();
        }
        // The window system places a maximised window first; it is moved after that.
        if ((form_->windowState() & Qt::WindowMaximized) &&
            (maximizedPosX_ != 0 || maximizedPosY_ != 0))
            QTimer::singleShot(0, this, [this] { form_->move(maximizedPosition(form_->pos())); });
    } else if (event->type() == QEvent::Resize && sized_ && !rescaling_ &&
               watched == clientArea()) {
        // The pointer holding the border is a drag as well.
        if (!isFullSize(form_) && (QGuiApplication::mouseButtons() & Qt::LeftButton))
            followDrag();
        if (!dragging_)
            rescaleIfChanged();
    }
    return QObject::eventFilter(watched, event);
}

void TElasticForm::followDrag() {
    // The user dragging a border: one size after another. No rescale while that goes on; one
    // when it ends.
    dragging_ = true;
    dragEnd_->start();
}

void TElasticForm::dragEnded() {
    if (QGuiApplication::mouseButtons() & Qt::LeftButton) {
        dragEnd_->start(); // still held
        return;
    }
    if (maintainProportions_)
        correctProportions();
    dragging_ = false;
    rescaleIfChanged();
}

void TElasticForm::correctProportions() {
    if (designFormWidth_ <= 0 || designFormHeight_ <= 0 || isFullSize(form_))
        return;
    // The width the user chose stays; the height follows the designed ratio.
    const QSize outer = form_->frameGeometry().size();
    const int height =
        Near(outer.width() * static_cast<double>(designFormHeight_) / designFormWidth_);
    if (height != outer.height())
        form_->resize(form_->width(), form_->height() + height - outer.height());
}

QPoint TElasticForm::maximizedPosition(QPoint position) const {
    const QSize available = availableScreenSize();
    if (maximizedPosX_ != 0)
        position.setX(std::max(0, trackValue(maximizedPosX_, available.width())));
    if (maximizedPosY_ != 0)
        position.setY(std::max(0, trackValue(maximizedPosY_, available.height())));
    return position;
}

QPoint TElasticForm::centredPosition(const QSize& outer) const {
    const QScreen* screen = form_->screen() ? form_->screen() : QGuiApplication::primaryScreen();
    QRect area = screen ? screen->availableGeometry() : QRect(QPoint(), outer);
    if (formPosition_ == poDesktopCenter && screen)
        area = screen->availableVirtualGeometry();
    if (formPosition_ == poMainFormCenter) {
        // The main form: the window this one belongs to, else the program's first main window.
        QWidget* main = form_->parentWidget() ? form_->parentWidget()->window() : nullptr;
        if (!main) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top != form_ && qobject_cast<QMainWindow*>(top) && top->isVisible()) {
                    main = top;
                    break;
                }
            }
        }
        if (main)
            area = main->frameGeometry();
    }
    return area.topLeft() +
           QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
}

void TElasticForm::setBkGrndImage(QLabel* image) {
    QWidget* client = clientArea();
    if (!backgroundReplaced_ && image) {
        plainPalette_ = client->palette();
        plainAutoFill_ = client->autoFillBackground();
    }
    bkGrndImage_ = image;
    if (image)
        image->hide();
    applyBackground();
}

void TElasticForm::applyBackground() {
    QWidget* client = clientArea();
    const QPixmap picture = bkGrndImage_ ? bkGrndImage_->pixmap() : QPixmap();
    if (picture.isNull()) {
        if (backgroundReplaced_) {
            client->setPalette(plainPalette_);
            client->setAutoFillBackground(plainAutoFill_);
            backgroundReplaced_ = false;
        }
        return;
    }
    // An image control laid over the whole client area stands for a stretched picture.
    const bool stretched = bkGrndImage_->geometry() == client->rect() ||
                           bkGrndImage_->geometry().contains(client->rect());
    QPalette palette = client->palette();
    palette.setBrush(QPalette::Window,
                     stretched ? QBrush(picture.scaled(client->size())) : QBrush(picture));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    backgroundReplaced_ = true;
}

const QString& TElasticForm::fontWarningText() {
    static const QString text = QStringLiteral(
        "Form's Font is not True Type.  Only True Type font are guaranteed to resize well at all "
        "form sizes.  Consider Changing the form's font to one that is True Type.");
    return text;
}

bool TElasticForm::isScalable(const QFont& font) {
    return QFontDatabase::isSmoothlyScalable(QFontInfo(font).family(), QFontInfo(font).styleName());
}

void TElasticForm::captureExtraFonts(TFrame& frame, QWidget* control) const {
    if (!lookForExtraFonts_)
        return;
    const QMetaObject* meta = control->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.metaType().id() != QMetaType::QFont || !property.isWritable() ||
            qstrcmp(property.name(), "font") == 0)
            continue;
        bool inPixels = false;
        const int size = fontSizeOf(property.read(control).value<QFont>(), &inPixels);
        frame.extraFonts.emplace_back(QByteArray(property.name()),
                                      static_cast<int>(std::trunc(size * fontScreenRatio())));
    }
}

void TElasticForm::rescaleExtraFonts(const TFrame& frame, QWidget* control) const {
    for (const auto& [name, reference] : frame.extraFonts) {
        QFont font = control->property(name.constData()).value<QFont>();
        bool inPixels = false;
        fontSizeOf(font, &inPixels);
        setFontSize(font, R(fontRatio_ * reference), inPixels);
        control->setProperty(name.constData(), font);
    }
}

void TElasticForm::rescaleIfChanged() {
    const QSize client = clientArea()->size();
    if (captured_ && client == lastClientSize_)
        return;
    // A minimised window keeps its layout.
    if (form_->isMinimized() || client.isEmpty())
        return;
    rescale();
}

void TElasticForm::collectControls(QWidget* parent, std::vector<QWidget*>& controls) const {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        if (widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // Menus keep the system's size.
        if (qobject_cast<QMenuBar*>(widget) || qobject_cast<QStatusBar*>(widget))
            continue;
        if (parent == form_ && widget == clientArea())
            continue;
        controls.push_back(widget);
        if (isContainer(widget))
            collectControls(widget, controls);
    }
}

void TElasticForm::captureColumns(TFrame& frame, QTableView* grid, double scale) const {
    const int count = grid->model() ? grid->model()->columnCount() : 0;
    frame.columnCount = count;
    frame.columnWidths.clear();
    const int defaultWidth = grid->horizontalHeader()->defaultSectionSize();
    // A table that still has the toolkit's two default columns keeps their widths.
    frame.scaleColumns = !(count == 2 && grid->columnWidth(0) == defaultWidth &&
                           grid->columnWidth(1) == defaultWidth);
    for (int i = 0; i < count; ++i)
        frame.columnWidths.push_back(Near(scale * grid->columnWidth(i)));
}

void TElasticForm::capture() {
    std::vector<QWidget*> controls;
    collectControls(clientArea(), controls);
    frames_.clear();
    frames_.reserve(controls.size());
    for (QWidget* control : controls) {
        TFrame frame;
        frame.control = control;
        const QRect g = control->geometry();
        frame.left = Near(g.x() * rx_);
        frame.width = Near(g.width() * rx_);
        frame.top = Near(g.y() * ry_);
        frame.height = Near(g.height() * ry_);
        const int size = fontSizeOf(control->font(), &frame.fontInPixels);
        frame.fontSize = static_cast<int>(std::trunc(size * fontScreenRatio()));
        captureExtraFonts(frame, control);
        if (auto* grid = qobject_cast<QTableView*>(control)) {
            frame.isGrid = true;
            captureColumns(frame, grid, rx_);
            frame.defaultRowHeight = Near(ry_ * grid->verticalHeader()->defaultSectionSize());
        }
        frames_.push_back(std::move(frame));
    }
    captured_ = true;
}

void TElasticForm::applyFont(QWidget* control, const TFrame& frame, int size) const {
    QFont f = control->font();
    setFontSize(f, size, frame.fontInPixels);
    if (f != control->font() || !control->testAttribute(Qt::WA_SetFont))
        control->setFont(f);
}

void TElasticForm::rescaleGrid(TFrame& frame, QTableView* grid, double h, double v) {
    const QSize inner = grid->maximumViewportSize();
    const int frameW = grid->width() - inner.width();
    const int frameH = grid->height() - inner.height();

    double hx = h;
    if (grid->width() - frameW >= 1 && frame.width - frameW >= 1)
        hx = static_cast<double>(grid->width() - frameW) / (frame.width - frameW);
    double vy = v;
    if (grid->height() - frameH >= 1 && frame.height - frameH >= 1)
        vy = static_cast<double>(grid->height() - frameH) / (frame.height - frameH);

    QHeaderView* columns = grid->horizontalHeader();
    const int count = grid->model() ? grid->model()->columnCount() : 0;
    if (count != frame.columnCount)
        captureColumns(frame, grid, 1.0 / frame.lastHx);
    if (frame.scaleColumns) {
        for (int i = 0; i < count; ++i) {
            const int width =
                gridColumnWidthResize_ ? Near(frame.columnWidths[i] * hx) : frame.columnWidths[i];
            if (width < columns->minimumSectionSize())
                columns->setMinimumSectionSize(std::max(width, 0));
            grid->setColumnWidth(i, width);
        }
    }
    frame.lastHx = hx;

    QHeaderView* rows = grid->verticalHeader();
    const int rowHeight =
        gridRowHeightResize_ ? Near(frame.defaultRowHeight * vy) : frame.defaultRowHeight;
    if (rowHeight < rows->minimumSectionSize())
        rows->setMinimumSectionSize(std::max(rowHeight, 0));
    rows->setDefaultSectionSize(rowHeight);
    const int rowCount = grid->model() ? grid->model()->rowCount() : 0;
    for (int r = 0; r < rowCount; ++r)
        grid->setRowHeight(r, rowHeight);
}

void TElasticForm::fitLabel(QLabel* label, const TFrame&, const QSize& scaled) const {
    const QSize measured = label->sizeHint();
    if (isAutoSize(label))
        label->resize(measured);
    else
        label->resize(scaled.expandedTo(measured));
}

void TElasticForm::rescaleControls() {
    const double h =
        elasticHorizontal_ ? static_cast<double>(lastClientSize_.width()) / refW_ : 1.0;
    const double v = elasticVertical_ ? static_cast<double>(lastClientSize_.height()) / refH_ : 1.0;
    for (TFrame& frame : frames_) {
        QWidget* control = frame.control;
        if (!control)
            continue;
        const int left = Near(frame.left * h);
        const int width = Near(h * frame.width);
        const int top = Near(frame.top * v);
        const int height = Near(v * frame.height);
        control->setGeometry(left, top, width, height);

        if (elasticFont_) {
            if (!frame.isGrid || gridFontResize_)
                applyFont(control, frame, R(fontRatio_ * frame.fontSize));
            else
                applyFont(control, frame, frame.fontSize);
            rescaleExtraFonts(frame, control);
        }
        if (frame.isGrid)
            rescaleGrid(frame, static_cast<QTableView*>(control), h, v);
        else if (auto* label = qobject_cast<QLabel*>(control))
            fitLabel(label, frame, QSize(width, height));
    }
}

void TElasticForm::restoreFocus(QWidget* focused) {
    if (focused && QApplication::focusWidget() != focused && focused->isVisible()) {
        focused->setFocus();
    } else if (!focused && !efActiveControl_.isEmpty() && form_->isActiveWindow()) {
        if (auto* named = form_->findChild<QWidget*>(efActiveControl_))
            named->setFocus();
    }
}

void TElasticForm::rescale() {
    rescaling_ = true;
    QWidget* client = clientArea();
    if (!captured_) {
        capture();
        if (refW_ <= 0 || refH_ <= 0) {
            refW_ = Near(designFormClientWidth_ * rx_);
            refH_ = Near(designFormClientHeight_ * ry_);
        }
        bool inPixels = false;
        f0_ = fontSizeOf(font_, &inPixels);
    }
    lastClientSize_ = client->size();

    const QSize outer = form_->frameGeometry().size();
    const double k = std::min(static_cast<double>(outer.height()) * f0_ / refH_,
                              static_cast<double>(outer.width()) * f0_ / refW_);
    if (elasticFont_) {
        bool inPixels = false;
        fontSizeOf(font_, &inPixels);
        setFontSize(font_, Near(k), inPixels);
        client->setFont(font_);
    }
    fontRatio_ = f0_ > 0 ? k / f0_ : 1.0;

    QWidget* focused = QApplication::focusWidget();
    if (focused && !form_->isAncestorOf(focused))
        focused = nullptr;

    const bool updates = client->updatesEnabled();
    client->setUpdatesEnabled(false);
    rescaleControls();
    client->setUpdatesEnabled(updates);
    if (bkGrndImage_)
        applyBackground();
    restoreFocus(focused);
    rescaling_ = false;
    emit afterResize(this);
}
