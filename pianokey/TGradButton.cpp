#include "TGradButton.h"

#include "SetterBookkeeping.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <limits>

TGradButton::TGradButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 30);
    caption_ = QStringLiteral("TGradButton");
    regenerate();
}

TGradButton::~TGradButton() = default;

int TGradButton::MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::uint64_t magnitude = static_cast<std::uint64_t>(std::llabs(product));
    const std::uint64_t divisor = static_cast<std::uint64_t>(std::llabs(c));
    // Adding half the divisor (rounded down) before dividing rounds halves away from zero.
    const std::uint64_t quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
        return -1;
    const int result = static_cast<int>(quotient);
    return negative ? -result : result;
}

QImage TGradButton::makeGradient(const QSize& size, const QColor& top, const QColor& bottom) {
    QImage image(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const QColor t = top.toRgb();
    const QColor b = bottom.toRgb();
    auto channel = [](int from, int to, int i) {
        return (from + MulDiv(i, to - from, 255)) & 0xFF;
    };
    QPainter painter(&image);
    const int h = image.height();
    for (int i = 0; i <= 255; ++i) {
        const int y0 = MulDiv(i, h, 256);
        const int y1 = MulDiv(i + 1, h, 256);
        if (y1 <= y0)
            continue;
        const QColor band(channel(t.red(), b.red(), i), channel(t.green(), b.green(), i),
                          channel(t.blue(), b.blue(), i));
        painter.fillRect(QRect(0, y0, image.width(), y1 - y0), band);
    }
    return image;
}

QSize TGradButton::faceSize() const {
    return QSize(width() - 2 * borderWidth_, height() - 2 * borderWidth_);
}

void TGradButton::regenerate() {
    gradient_ = makeGradient(faceSize(), gradColor_, faceColor_);
}

void TGradButton::setGradColor(const QColor& color) {
    if (!changed(gradColor_, color))
        return;
    regenerate();
    repaint();
}

void TGradButton::setFaceColor(const QColor& color) {
    if (!changed(faceColor_, color))
        return;
    regenerate();
    repaint();
}

void TGradButton::setHighlightColor(const QColor& color) {
    if (!changed(highlightColor_, color))
        return;
    repaint();
}

void TGradButton::setShadowColor(const QColor& color) {
    if (!changed(shadowColor_, color))
        return;
    repaint();
}

void TGradButton::setBevelWidth(int width) {
    if (!changed(bevelWidth_, width))
        return;
    repaint();
}

void TGradButton::setBorderWidth(int width) {
    if (!changed(borderWidth_, width))
        return;
    repaint();
}

void TGradButton::setCaption(const QString& caption) {
    if (!changed(caption_, caption))
        return;
    repaint();
}

void TGradButton::setMargin(int margin) {
    if (!changed(margin_, margin))
        return;
    repaint();
}

void TGradButton::setFontColor(const QColor& color) {
    if (!changed(fontColor_, color))
        return;
    repaint();
}

void TGradButton::Click() {
    emit clicked();
}

void TGradButton::setPressed(bool pressed) {
    if (!changed(pressed_, pressed))
        return;
    repaint();
}

void TGradButton::mousePressEvent(QMouseEvent* event) {
    if (press_.press(event))
        setPressed(true);
    event->accept();
}

void TGradButton::mouseMoveEvent(QMouseEvent* event) {
    if (const auto over = press_.move(event, rect()))
        setPressed(*over);
    event->accept();
}

void TGradButton::mouseReleaseEvent(QMouseEvent* event) {
    if (const auto over = press_.release(event, rect())) {
        setPressed(false);
        if (*over)
            Click();
    }
    event->accept();
}

void TGradButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        update();
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        // A disabled button gets no mouse events; a press it was following ends here.
        press_.cancel();
        setPressed(false);
    }
    QWidget::changeEvent(event);
}

namespace {

// Nested one-pixel outlines from the rectangle inward: upper and left edges in one colour,
// lower and right edges (with the top-right and bottom-left corners) in the other.
void drawBevel(QPainter& painter, QRect box, int width, const QColor& upper, const QColor& lower) {
    for (int j = 0; j < width; ++j) {
        const int left = box.left() + j;
        const int top = box.top() + j;
        const int right = box.right() - j;
        const int bottom = box.bottom() - j;
        if (right < left || bottom < top)
            return;
        painter.fillRect(QRect(left, top, right - left, 1), upper);
        painter.fillRect(QRect(left, top, 1, bottom - top), upper);
        painter.fillRect(QRect(right, top, 1, bottom - top + 1), lower);
        painter.fillRect(QRect(left, bottom, right - left + 1, 1), lower);
    }
}

} // namespace

void TGradButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect face = rect().adjusted(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int x = (width() - metrics.horizontalAdvance(caption_)) / 2;
    const int d = margin_ != 0 ? 2 : 1;
    const int y = (height() - metrics.height()) / d;

    if (gradient_.size() != faceSize())
        regenerate();

    painter.fillRect(rect(), Qt::black);
    const int shift = pressed_ ? 1 : 0;
    painter.drawImage(borderWidth_ + shift, borderWidth_ + shift, gradient_);
    if (pressed_)
        drawBevel(painter, face, bevelWidth_, shadowColor_, faceColor_);
    else
        drawBevel(painter, face, bevelWidth_, highlightColor_, shadowColor_);
    const QPoint caption(x + shift, y + shift + metrics.ascent());
    if (isEnabled()) {
        painter.setPen(fontColor_);
        painter.drawText(caption, caption_);
        return;
    }
    // Disabled: the face washed out towards the window's grey, the caption engraved in it.
    painter.fillRect(face, disabledWash());
    painter.setPen(Qt::white);
    painter.drawText(caption + QPoint(1, 1), caption_);
    painter.setPen(disabledCaptionColor());
    painter.drawText(caption, caption_);
}

QColor TGradButton::disabledWash() {
    return QColor(192, 192, 192, 160);
}

QColor TGradButton::disabledCaptionColor() {
    return QColor(128, 128, 128);
}
