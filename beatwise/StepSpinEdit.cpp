#include "StepSpinEdit.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace {

// The application's style, with arrow buttons as wide as StepSpinEdit::buttonWidth.
class StepSpinStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
        if (control != CC_SpinBox || !spin || spin->buttonSymbols == QAbstractSpinBox::NoButtons)
            return QProxyStyle::subControlRect(control, option, part, widget);
        const QRect all = spin->rect;
        const int frame = spin->frame ? 2 : 0;
        const int width = StepSpinEdit::buttonWidth(all.height());
        const int centre = all.height() / 2;
        const int x = all.width() - frame - width;
        QRect rect;
        switch (part) {
        case SC_SpinBoxUp:
            rect = QRect(x, frame, width, centre - frame);
            break;
        case SC_SpinBoxDown:
            rect = QRect(x, centre, width, all.height() - centre - frame);
            break;
        case SC_SpinBoxEditField:
            rect = QRect(frame, frame, x - frame, all.height() - 2 * frame);
            break;
        default:
            return QProxyStyle::subControlRect(control, option, part, widget);
        }
        return visualRect(spin->direction, all, rect);
    }
};

void drawArrow(QPainter& painter, const QRect& button, bool up, const QColor& color) {
    const qreal width = std::min(button.width() * 0.55, button.height() * 1.1);
    const qreal height = width / 2;
    const QPointF centre = QRectF(button).center();
    QPainterPath arrow;
    const qreal tipY = up ? centre.y() - height / 2 : centre.y() + height / 2;
    const qreal baseY = up ? centre.y() + height / 2 : centre.y() - height / 2;
    arrow.moveTo(centre.x(), tipY);
    arrow.lineTo(centre.x() + width / 2, baseY);
    arrow.lineTo(centre.x() - width / 2, baseY);
    arrow.closeSubpath();
    painter.fillPath(arrow, color);
}

} // namespace

StepSpinEdit::StepSpinEdit(QWidget* parent) : QSpinBox(parent) {
    auto* style = new StepSpinStyle;
    style->setParent(this);
    setStyle(style);
    lineEdit()->setReadOnly(true);
    lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int StepSpinEdit::buttonWidth(int height) {
    return std::max(14, height * 2 / 5);
}

void StepSpinEdit::paintEvent(QPaintEvent* event) {
    QSpinBox::paintEvent(event);
    // The style's arrows keep one small size; these follow the buttons.
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRect up =
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this);
    const QRect down =
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, this);
    const QColor active = palette().color(QPalette::Active, QPalette::ButtonText);
    const QColor inactive = palette().color(QPalette::Disabled, QPalette::ButtonText);
    const bool enabled = isEnabled();
    drawArrow(painter, up, true,
              enabled && (option.stepEnabled & StepUpEnabled) ? active : inactive);
    drawArrow(painter, down, false,
              enabled && (option.stepEnabled & StepDownEnabled) ? active : inactive);
}
