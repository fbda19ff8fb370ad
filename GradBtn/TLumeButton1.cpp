#include "TLumeButton1.h"

#include "SetterBookkeeping.h"

#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace {

const char* resourceName(TLumeButton1::TButtonState status, TLumeButton1::TButtonStyle style) {
    if (status == TLumeButton1::bsOff)
        return style == TLumeButton1::bsOnGray ? ":/GradBtn/BUTTON2A.png"
                                               : ":/GradBtn/BUTTON1A.png";
    return style == TLumeButton1::bsOnGray ? ":/GradBtn/BUTTON2B.png" : ":/GradBtn/BUTTON1B.png";
}

// The images are loaded once for every button of the program.
const QImage& cachedImage(TLumeButton1::TButtonState status, TLumeButton1::TButtonStyle style) {
    static const QImage images[2][2] = {
        {QImage(resourceName(TLumeButton1::bsOff, TLumeButton1::bsOnGray)),
         QImage(resourceName(TLumeButton1::bsOff, TLumeButton1::bsOnWhite))},
        {QImage(resourceName(TLumeButton1::bsOn, TLumeButton1::bsOnGray)),
         QImage(resourceName(TLumeButton1::bsOn, TLumeButton1::bsOnWhite))}};
    return images[status][style];
}

} // namespace

TLumeButton1::TLumeButton1(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(13);
    f.setBold(true);
    setFont(f);
    resize(91, ImageHeight);
    setFixedHeight(ImageHeight);
    focusFlag_ = hasFocus();
}

TLumeButton1::~TLumeButton1() = default;

QImage TLumeButton1::image(TButtonState status, TButtonStyle style) {
    return cachedImage(status, style);
}

void TLumeButton1::setStyle(TButtonStyle style) {
    if (!changed(style_, style))
        return;
    update();
}

void TLumeButton1::setStatus(TButtonState status) {
    press_.cancel();
    changeStatus(status);
}

void TLumeButton1::changeStatus(TButtonState status) {
    if (!changed(status_, status))
        return;
    repaint();
}

void TLumeButton1::setCancel(bool cancel) {
    if (!changed(cancel_, cancel))
        return;
    updateShortcuts();
}

void TLumeButton1::setDefault(bool isDefault) {
    if (!changed(default_, isDefault))
        return;
    updateShortcuts();
}

void TLumeButton1::setCaption(const QString& caption) {
    if (!changed(caption_, caption))
        return;
    updateShortcuts();
    update();
}

void TLumeButton1::setFontColor(const QColor& color) {
    if (!changed(fontColor_, color))
        return;
    update();
}

void TLumeButton1::updateShortcuts() {
    shortcuts_.clear();
    // Enter reaches the default button from anywhere in its window unless the focused control
    // takes Enter itself (it then claims the key before the window's shortcuts).
    if (default_) {
        shortcuts_.add(QKeySequence(Qt::Key_Return));
        shortcuts_.add(QKeySequence(Qt::Key_Enter));
    }
    if (cancel_)
        shortcuts_.add(QKeySequence(Qt::Key_Escape));
    shortcuts_.addAccelerator(caption_);
}

bool TLumeButton1::canFocus() const {
    return isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus;
}

QRect TLumeButton1::pressArea() const {
    // Both edges count: a release on x = width or y = height is still on the button.
    return QRect(0, 0, width() + 1, height() + 1);
}

void TLumeButton1::Click() {
    QDialog* dialog = qobject_cast<QDialog*>(window());
    if (dialog)
        dialog->setResult(modalResult_);
    emit clicked();
    // A handler may take the result back (set it to 0) to keep the dialog open.
    if (dialog && modalResult_ != 0 && dialog->result() == modalResult_ && dialog->isVisible())
        dialog->done(modalResult_);
}

// ---- events ----

void TLumeButton1::mousePressEvent(QMouseEvent* event) {
    if (press_.press(event))
        changeStatus(bsOn);
    if (!hasFocus() && canFocus())
        setFocus(Qt::MouseFocusReason);
    event->accept();
}

void TLumeButton1::mouseMoveEvent(QMouseEvent* event) {
    if (const auto over = press_.move(event, pressArea()))
        changeStatus(*over ? bsOn : bsOff);
    event->accept();
}

void TLumeButton1::mouseReleaseEvent(QMouseEvent* event) {
    if (const auto over = press_.release(event, pressArea())) {
        setStatus(bsOff);
        if (*over)
            Click();
    }
    event->accept();
}

void TLumeButton1::keyPressEvent(QKeyEvent* event) {
    if (isPlainEnter(event)) {
        if (canFocus())
            Click();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && cancel_ && isPlainKey(event)) {
        if (canFocus())
            Click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TLumeButton1::event(QEvent* event) {
    // Focused, the button answers Enter itself (one click, whether it is default or not).
    if (shortcuts_.answer(event, canFocus(), [this] { Click(); }))
        return true;
    return QWidget::event(event);
}

void TLumeButton1::focusChanged(bool focused) {
    if (!changed(focusFlag_, focused))
        return;
    update();
}

void TLumeButton1::focusInEvent(QFocusEvent* event) {
    focusChanged(true);
    QWidget::focusInEvent(event);
}

void TLumeButton1::focusOutEvent(QFocusEvent* event) {
    focusChanged(false);
    QWidget::focusOutEvent(event);
}

void TLumeButton1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

// ---- painting ----

void TLumeButton1::drawCapsule(QPainter& painter, const QImage& image, int w) const {
    const int h = ImageHeight;
    // Left end: the image's first 16 columns.
    painter.drawImage(QRect(0, 0, 16, h), image, QRect(0, 0, 16, h));
    int right = 16;
    if (w >= ImageWidth) {
        // Middle: columns 16 and 17 stretched over the width between the two ends.
        painter.drawImage(QRect(16, 0, w - 36, h), image, QRect(16, 0, 2, h));
        right = w - 20;
    }
    // Right end: 20 columns from column 18. The image holds 19 of them; its last column is
    // plain ground and stands in for the twentieth.
    painter.drawImage(QRect(right, 0, ImageWidth - 18, h), image, QRect(18, 0, ImageWidth - 18, h));
    painter.drawImage(QRect(right + ImageWidth - 18, 0, 1, h), image,
                      QRect(ImageWidth - 1, 0, 1, h));
}

void TLumeButton1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The face is laid out on a 41-pixel-high button. A button that may grow is drawn as that
    // face scaled to its height, ends and all; the caption keeps the control's own font.
    const qreal scale = scaleToHeight_ ? height() / qreal(ImageHeight) : 1.0;
    const int w = scaleToHeight_ ? qMax(1, qRound(width() / scale)) : width();
    const int h = ImageHeight;
    painter.save();
    if (scaleToHeight_) {
        painter.scale(scale, scale);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    drawCapsule(painter, cachedImage(status_, style_), w);

    const QColor focusPen(128, 128, 128);
    QRect captionBox;
    if (status_ == bsOff) {
        if (focusFlag_) {
            // From (w - 16, 4) to (7, 4) to (7, h - 16), each segment without its end point.
            painter.fillRect(QRect(8, 4, w - 16 - 8 + 1, 1), focusPen);
            painter.fillRect(QRect(7, 4, 1, h - 16 - 4), focusPen);
        }
        captionBox = QRect(QPoint(0, 0), QPoint(w - 8 - 1, h - 11 - 1));
    } else {
        if (focusFlag_) {
            painter.fillRect(QRect(13, 9, w - 11 - 13 + 1, 1), focusPen);
            painter.fillRect(QRect(12, 9, 1, h - 11 - 9), focusPen);
        }
        captionBox = QRect(QPoint(5, 5), QPoint(w - 3 - 1, h - 6 - 1));
    }
    const QRectF textBox = painter.transform().mapRect(QRectF(captionBox));
    painter.restore();

    painter.setFont(font());
    painter.setPen(isEnabled() ? fontColor_ : QColor(255, 255, 0));
    painter.drawText(textBox,
                     Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine |
                         Qt::TextShowMnemonic | Qt::TextDontClip,
                     caption_);
}

void TLumeButton1::setScaleToHeight(bool scale) {
    if (!changed(scaleToHeight_, scale))
        return;
    if (scale) {
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
    } else {
        setFixedHeight(ImageHeight);
    }
    update();
}
