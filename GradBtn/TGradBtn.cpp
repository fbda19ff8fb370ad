#include "TGradBtn.h"

#include "SetterBookkeeping.h"

#include "notation/PartitaText.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QShortcutEvent>

#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

// One channel of the gradient colour i of n: begin + i * (end - begin) / n, the product in
// 64 bits and the quotient truncated toward zero, kept to its low 8 bits.
int gradientChannel(int begin, int end, std::int64_t i, std::int64_t n) {
    const std::int64_t value = begin + i * (end - begin) / n;
    return static_cast<int>(value & 0xFF);
}

QColor gradientColor(const QColor& begin, const QColor& end, int i, int n) {
    return QColor(gradientChannel(begin.red(), end.red(), i, n),
                  gradientChannel(begin.green(), end.green(), i, n),
                  gradientChannel(begin.blue(), end.blue(), i, n));
}

// The shape filled without an outline covers its bounding box less the right and bottom
// pixel, as the window system fills a shape drawn without a pen.
QRect filledBox(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

bool isPartita(const QFont& font) {
    return font.family().compare(QLatin1String("Partita"), Qt::CaseInsensitive) == 0;
}

} // namespace

TGradBtn::TGradBtn(QWidget* parent) : QWidget(parent) {
    const QPalette palette = QApplication::palette();
    disabledColor_ = palette.color(QPalette::Disabled, QPalette::WindowText);
    btnHiliteClr_ = palette.color(QPalette::Active, QPalette::Light);
    btnShadowClr_ = palette.color(QPalette::Active, QPalette::Dark);
    txtHiliteClr_ = btnHiliteClr_;
    txtShadowClr_ = btnShadowClr_;

    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(75, 25);
}

TGradBtn::~TGradBtn() = default;

void TGradBtn::setColor(QColor& field, const QColor& color) {
    if (field == color)
        return;
    field = color;
    update();
}

void TGradBtn::setDisabledColor(const QColor& color) {
    setColor(disabledColor_, color);
}
void TGradBtn::setBtnHiliteClr(const QColor& color) {
    setColor(btnHiliteClr_, color);
}
void TGradBtn::setBtnShadowClr(const QColor& color) {
    setColor(btnShadowClr_, color);
}
void TGradBtn::setTxtHiliteClr(const QColor& color) {
    setColor(txtHiliteClr_, color);
}
void TGradBtn::setTxtShadowClr(const QColor& color) {
    setColor(txtShadowClr_, color);
}
void TGradBtn::setBeginColor(const QColor& color) {
    setColor(beginColor_, color);
}
void TGradBtn::setEndColor(const QColor& color) {
    setColor(endColor_, color);
}
void TGradBtn::setFontColor(const QColor& color) {
    setColor(fontColor_, color);
}

void TGradBtn::setBtnFrameSize(int size) {
    if (size > width() / 2 - 5 || size > height() / 2 - 5)
        return;
    if (!changed(btnFrameSize_, size))
        return;
    update();
}

void TGradBtn::setGradientStyle(TGradientStyle style) {
    if (!changed(gradientStyle_, style))
        return;
    update();
}

void TGradBtn::setTextStyle(TTextStyle style) {
    if (!changed(textStyle_, style))
        return;
    update();
}

void TGradBtn::setTextShadeType(TShadeType shade) {
    if (!changed(textShadeType_, shade))
        return;
    update();
}

void TGradBtn::setJustification(TJustification justification) {
    if (!changed(justification_, justification))
        return;
    update();
}

void TGradBtn::setCaption(const QString& caption) {
    if (!changed(caption_, caption))
        return;
    updateAccelerator();
    update();
}

void TGradBtn::setDesigning(bool designing) {
    designing_ = designing;
    update();
}

void TGradBtn::setPresets(TPreset preset) {
    presets_ = preset;
    // A running program keeps the properties it was built with.
    if (designing_)
        applyPreset(preset);
}

namespace {

// A designer's colour scheme. A colour left invalid is the system's; a scheme without a
// SwapColors value leaves that property as it is.
struct PresetScheme {
    QColor begin{}, end{}, disabled{};
    int pointSize = 8;
    const char* family = "MS Sans Serif";
    QColor fontColor{};
    bool bold = false;
    TGradBtn::TGradientStyle gradient = TGradBtn::gsVertCenter;
    TGradBtn::TShadeType shade = TGradBtn::stLight;
    TGradBtn::TTextStyle text = TGradBtn::tsRaised;
    QColor txtHilite{}, txtShadow{}, btnHilite{}, btnShadow{};
    std::optional<bool> swapColors{};
};

// The look of each preset.
const PresetScheme kNone{.begin = QColor(0, 0, 128),
                         .end = QColor(0, 255, 255),
                         .disabled = QColor(128, 128, 128),
                         .fontColor = Qt::black,
                         .swapColors = true};
const PresetScheme kGoldCoast{.begin = QColor(255, 255, 0),
                              .end = QColor(128, 128, 0),
                              .disabled = QColor(187, 187, 0),
                              .pointSize = 10,
                              .family = "Arial",
                              .fontColor = QColor(187, 187, 0),
                              .bold = true,
                              .gradient = TGradBtn::gsVertical,
                              .shade = TGradBtn::stHeavy,
                              .txtHilite = QColor(255, 255, 191),
                              .txtShadow = QColor(113, 113, 0),
                              .btnHilite = QColor(255, 255, 179),
                              .btnShadow = QColor(97, 97, 97)};
const PresetScheme kLimeBox{.begin = Qt::black,
                            .end = QColor(0, 255, 0),
                            .disabled = QColor(128, 128, 0),
                            .family = "Courier",
                            .fontColor = QColor(0, 128, 0),
                            .gradient = TGradBtn::gsRectangle,
                            .txtHilite = QColor(172, 255, 172),
                            .txtShadow = QColor(0, 64, 0)};
const PresetScheme kAluminum{.begin = QColor(206, 206, 206),
                             .end = QColor(95, 95, 95),
                             .disabled = QColor(128, 128, 128),
                             .pointSize = 10,
                             .family = "Times New Roman",
                             .fontColor = Qt::black,
                             .bold = true,
                             .gradient = TGradBtn::gsVertical,
                             .shade = TGradBtn::stHeavy,
                             .text = TGradBtn::tsInset,
                             .btnHilite = Qt::white,
                             .btnShadow = Qt::black};
const PresetScheme kSunRise{.begin = QColor(255, 255, 0),
                            .end = QColor(255, 0, 0),
                            .disabled = QColor(128, 128, 128),
                            .fontColor = QColor(64, 0, 0),
                            .bold = true,
                            .gradient = TGradBtn::gsHorizontal,
                            .shade = TGradBtn::stHeavy,
                            .txtHilite = QColor(230, 231, 207),
                            .txtShadow = QColor(176, 88, 0)};
const PresetScheme kBrassedOff{.begin = QColor(255, 255, 206),
                               .end = QColor(194, 194, 146),
                               .disabled = QColor(128, 128, 0),
                               .pointSize = 9,
                               .family = "Verdana",
                               .fontColor = QColor(128, 0, 0),
                               .gradient = TGradBtn::gsElliptic,
                               .text = TGradBtn::tsNormal,
                               .txtHilite = QColor(255, 255, 239),
                               .txtShadow = QColor(194, 194, 146),
                               .btnHilite = QColor(255, 255, 239),
                               .btnShadow = QColor(194, 194, 146),
                               .swapColors = false};

const PresetScheme& presetScheme(TGradBtn::TPreset preset) {
    switch (preset) {
    case TGradBtn::GoldCoast:
        return kGoldCoast;
    case TGradBtn::LimeBox:
        return kLimeBox;
    case TGradBtn::Aluminum:
        return kAluminum;
    case TGradBtn::SunRise:
        return kSunRise;
    case TGradBtn::BrassedOff:
        return kBrassedOff;
    case TGradBtn::None:
        break;
    }
    return kNone;
}

QColor orSystem(const QColor& colour, const QColor& system) {
    return colour.isValid() ? colour : system;
}

} // namespace

void TGradBtn::applyPreset(TPreset preset) {
    const QPalette palette = QApplication::palette();
    const QColor sysHilite = palette.color(QPalette::Active, QPalette::Light);
    const QColor sysShadow = palette.color(QPalette::Active, QPalette::Dark);
    const PresetScheme& s = presetScheme(preset);

    presets_ = preset;
    beginColor_ = s.begin;
    endColor_ = s.end;
    disabledColor_ = s.disabled;
    QFont f(QString::fromLatin1(s.family));
    f.setPointSize(s.pointSize);
    f.setBold(s.bold);
    setFont(f);
    fontColor_ = s.fontColor;
    gradientStyle_ = s.gradient;
    textShadeType_ = s.shade;
    textStyle_ = s.text;
    txtHiliteClr_ = orSystem(s.txtHilite, sysHilite);
    txtShadowClr_ = orSystem(s.txtShadow, sysShadow);
    btnHiliteClr_ = orSystem(s.btnHilite, sysHilite);
    btnShadowClr_ = orSystem(s.btnShadow, sysShadow);
    if (s.swapColors)
        swapColors_ = *s.swapColors;
    update();
}

QString TGradBtn::stripAccelerators(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                text += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        text += caption.at(i);
    }
    return text;
}

QChar TGradBtn::acceleratorOf(const QString& caption) {
    return ::acceleratorOf(caption);
}

void TGradBtn::updateAccelerator() {
    shortcuts_.clear();
    shortcuts_.addAccelerator(caption_);
}

// ---- behaviour ----

void TGradBtn::exchangeColors() {
    std::swap(beginColor_, endColor_);
}

void TGradBtn::pressLeft() {
    // A marker left over from a keyboard click must not swallow this press's release.
    clickedMarker_ = false;
    up_ = false;
    if (swapColors_) {
        exchangeColors();
        colorsExchanged_ = true;
    }
    update();
}

void TGradBtn::releaseLeft() {
    if (clickedMarker_) {
        clickedMarker_ = false;
        return;
    }
    if (!up_) {
        if (colorsExchanged_)
            exchangeColors();
        colorsExchanged_ = false;
        up_ = true;
        update();
    }
}

void TGradBtn::Click() {
    clickedMarker_ = true;
    if (!up_ && colorsExchanged_)
        exchangeColors();
    colorsExchanged_ = false;
    up_ = true;
    // The raised face is on screen before the handler runs; typed input waits for it.
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    emit clicked();
}

void TGradBtn::pointerLeft(bool leftHeld) {
    if (!pointerInside_)
        return;
    pointerInside_ = false;
    if (leftHeld)
        releaseLeft();
    emit mouseLeft();
}

void TGradBtn::pointerEntered(bool leftHeld) {
    if (pointerInside_)
        return;
    pointerInside_ = true;
    if (leftHeld && up_)
        pressLeft();
    emit mouseEntered();
}

void TGradBtn::mousePressEvent(QMouseEvent* event) {
    pointerInside_ = true;
    if (up_) {
        if (!hasFocus())
            setFocus(Qt::MouseFocusReason);
        if (press_.press(event))
            pressLeft();
    }
    event->accept();
}

void TGradBtn::mouseMoveEvent(QMouseEvent* event) {
    // While the left button is held the pointer's crossings are followed here: the window
    // system reports enter and leave to a held button only on release.
    if (const auto inside = press_.move(event, rect())) {
        if (*inside)
            pointerEntered(true);
        else
            pointerLeft(true);
    }
    event->accept();
}

void TGradBtn::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    if (press_.release(event, rect()).value_or(false) && !up_)
        Click();
    releaseLeft();
    event->accept();
}

void TGradBtn::enterEvent(QEnterEvent* event) {
    pointerEntered(false);
    QWidget::enterEvent(event);
}

void TGradBtn::leaveEvent(QEvent* event) {
    pointerLeft(false);
    QWidget::leaveEvent(event);
}

void TGradBtn::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TGradBtn::event(QEvent* event) {
    if (shortcuts_.answer(event, isEnabled(), [this] { Click(); }))
        return true;
    return QWidget::event(event);
}

void TGradBtn::focusInEvent(QFocusEvent* event) {
    if (!designing_)
        update();
    QWidget::focusInEvent(event);
}

void TGradBtn::focusOutEvent(QFocusEvent* event) {
    if (!designing_)
        update();
    QWidget::focusOutEvent(event);
}

void TGradBtn::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

// ---- painting ----

void TGradBtn::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (offscreen_.size() != pixels)
        offscreen_ = QImage(pixels, QImage::Format_RGB32);
    offscreen_.setDevicePixelRatio(ratio);
    {
        QPainter painter(&offscreen_);
        paintFace(painter);
    }
    if (showFocus_ && hasFocus() && !designing_)
        paintFocus(offscreen_);
    QPainter screen(this);
    screen.drawImage(0, 0, offscreen_);
}

void TGradBtn::paintFace(QPainter& painter) const {
    painter.fillRect(rect(), beginColor_);
    paintGradient(painter);
    paintBevel(painter);
    paintCaption(painter);
}

namespace {

// 256 bands from one side to the other: left to right, or top to bottom.
void paintBands(QPainter& painter, int w, int h, const QColor& begin, const QColor& end,
                bool acrossTheWidth) {
    for (int i = 0; i <= 255; ++i) {
        const int from = i * (acrossTheWidth ? w : h) / 256;
        const int to = (i + 1) * (acrossTheWidth ? w : h) / 256;
        const QRect band =
            acrossTheWidth ? QRect(from, 0, to - from, h) : QRect(0, from, w, to - from);
        painter.fillRect(band, gradientColor(begin, end, i, 255));
    }
}

// Ellipses shrinking towards the centre, reaching a third beyond the face at first.
void paintEllipses(QPainter& painter, int w, int h, const QColor& begin, const QColor& end) {
    painter.setPen(Qt::NoPen);
    const int d = w + 2 * (w / 3);
    const int e = h + 2 * (h / 3);
    for (int i = 0; i <= 50; ++i) {
        painter.setBrush(gradientColor(begin, end, i, 50));
        const int left = -(w / 3) + d * i / 100;
        const int top = -(h / 3) + e * i / 100;
        const int right = w + w / 3 - d * i / 100;
        const int bottom = h + h / 3 - e * i / 100;
        painter.drawEllipse(filledBox(left, top, right, bottom));
    }
    painter.setBrush(Qt::NoBrush);
}

// Rectangles shrinking towards the centre.
void paintRectangles(QPainter& painter, int w, int h, const QColor& begin, const QColor& end) {
    double left = 0, top = 0, right = w + 2, bottom = h + 2;
    const double dx = w / 2.0 / 255.0;
    const double dy = h / 2.0 / 255.0;
    for (int i = 0; i <= 255; ++i) {
        left += dx;
        top += dy;
        right -= dx;
        bottom -= dy;
        painter.fillRect(filledBox(static_cast<int>(left), static_cast<int>(top),
                                   static_cast<int>(right), static_cast<int>(bottom)),
                         gradientColor(begin, end, i, 255));
    }
}

// Lines from both edges to the middle: of the height (rows) or of the width (columns).
void paintFromBothEdges(QPainter& painter, int w, int h, const QColor& begin, const QColor& end,
                        bool rows) {
    // Under 2 pixels there is no step to take: the face stays in the begin colour.
    const int half = (rows ? h : w) / 2;
    if (half == 0)
        return;
    for (int i = 0; i <= half; ++i) {
        const QColor c = gradientColor(begin, end, i, half);
        if (rows) {
            painter.fillRect(QRect(0, i, w, 1), c);
            painter.fillRect(QRect(0, h - 1 - i, w, 1), c);
        } else {
            painter.fillRect(QRect(i, 0, 1, h), c);
            painter.fillRect(QRect(w - 1 - i, 0, 1, h), c);
        }
    }
}

} // namespace

void TGradBtn::paintGradient(QPainter& painter) const {
    const int w = width();
    const int h = height();
    switch (gradientStyle_) {
    case gsHorizontal:
        return paintBands(painter, w, h, beginColor_, endColor_, true);
    case gsVertical:
        return paintBands(painter, w, h, beginColor_, endColor_, false);
    case gsElliptic:
        return paintEllipses(painter, w, h, beginColor_, endColor_);
    case gsRectangle:
        return paintRectangles(painter, w, h, beginColor_, endColor_);
    case gsVertCenter:
        return paintFromBothEdges(painter, w, h, beginColor_, endColor_, true);
    case gsHorizCenter:
        return paintFromBothEdges(painter, w, h, beginColor_, endColor_, false);
    }
}

void TGradBtn::paintBevel(QPainter& painter) const {
    const QColor& topLeft = up_ ? btnHiliteClr_ : btnShadowClr_;
    const QColor& bottomRight = up_ ? btnShadowClr_ : btnHiliteClr_;
    for (int j = 0; j < btnFrameSize_; ++j) {
        const int left = j;
        const int top = j;
        const int right = width() - 1 - j;
        const int bottom = height() - 1 - j;
        if (right < left || bottom < top)
            break;
        // Light edges first; the dark edges own the top-right and bottom-left corners.
        painter.fillRect(QRect(left, top, right - left, 1), topLeft);
        painter.fillRect(QRect(left, top, 1, bottom - top), topLeft);
        painter.fillRect(QRect(right, top, 1, bottom - top + 1), bottomRight);
        painter.fillRect(QRect(left, bottom, right - left + 1, 1), bottomRight);
    }
}

void TGradBtn::paintCaption(QPainter& painter) const {
    struct Copy {
        int k;
        QColor color;
    };
    std::vector<Copy> copies;
    const bool enabled = isEnabled();
    const TTextStyle style = enabled ? textStyle_ : tsInset;
    const QColor face = enabled ? fontColor_ : disabledColor_;
    switch (style) {
    case tsNormal:
        break;
    case tsRaised:
        copies.push_back({-1, txtHiliteClr_});
        if (textShadeType_ == stHeavy)
            copies.push_back({+1, txtShadowClr_});
        break;
    case tsInset:
        if (textShadeType_ == stHeavy)
            copies.push_back({-1, txtShadowClr_});
        copies.push_back({+1, txtHiliteClr_});
        break;
    }
    copies.push_back({0, face});
    for (const Copy& copy : copies)
        paintCaptionCopy(painter, copy.k, copy.color);
}

void TGradBtn::paintCaptionCopy(QPainter& painter, int k, const QColor& color) const {
    const int p = up_ ? 0 : 1;
    const int w = width();
    const int h = height();

    if (isPartita(font())) {
        const QFont f = font();
        const qreal pixelSize =
            f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * logicalDpiY() / 72.0;
        notation::drawPartitaText(painter, QRectF(k + p, k + p, w, h), stripAccelerators(caption_),
                                  pixelSize, color);
        return;
    }

    const QFontMetrics metrics(font());
    const QString measured = stripAccelerators(caption_);
    const int textWidth = metrics.horizontalAdvance(measured);
    const int textHeight = metrics.height();
    const int top = (h - textHeight) / 2 + k + p;
    int left = 0;
    switch (justification_) {
    case jCenter:
        left = (w - textWidth) / 2 + k + p;
        break;
    case jLeft:
        left = 2 + k + p;
        break;
    case jRight:
        left = w - textWidth - 2 + k + p;
        break;
    }
    painter.setFont(font());
    painter.setPen(color);
    painter.drawText(QRect(left, top, textWidth, textHeight),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic |
                         Qt::TextDontClip,
                     caption_);
}

void TGradBtn::paintFocus(QImage& image) const {
    // A dotted rectangle two pixels inside the border, every other pixel inverted so that it
    // shows on any gradient.
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const int left = 2;
    const int top = 2;
    const int right = width() - 3;
    const int bottom = height() - 3;
    if (right < left || bottom < top)
        return;
    auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            painter.fillRect(QRect(x, y, 1, 1), Qt::white);
    };
    for (int x = left; x <= right; ++x) {
        dot(x, top);
        if (bottom != top)
            dot(x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        dot(left, y);
        if (right != left)
            dot(right, y);
    }
}
