#include "TunerView.h"

#include <QPainter>

#include <cstdlib>

namespace {

// In tune within this many cents, the needle is green.
constexpr int InTuneCents = 10;

bool sameFace(const tonewise::TunerFace& a, const tonewise::TunerFace& b) {
    return a.sung == b.sung && a.name == b.name && a.cents == b.cents;
}

} // namespace

TunerView::TunerView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TunerView::setFace(const tonewise::TunerFace& face) {
    if (sameFace(face, face_))
        return;
    face_ = face;
    update();
}

void TunerView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // The note's name on the left, the scale of cents on the right.
    const int nameWidth = height() * 2;
    const QRect nameBox(0, 0, nameWidth, height());
    const QRectF scale(nameWidth + 4, 3, width() - nameWidth - 10, height() - 6);
    painter.setPen(QColor(160, 160, 160));
    for (int cents = -50; cents <= 50; cents += 10) {
        const qreal x = scale.left() + scale.width() * (cents + 50) / 100.0;
        const qreal tick = cents == 0 ? scale.height() : scale.height() / 3;
        painter.drawLine(QPointF(x, scale.bottom()), QPointF(x, scale.bottom() - tick));
    }
    if (!face_.sung)
        return;
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(8, height() * 2 / 3));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(nameBox, Qt::AlignCenter, face_.name);
    const qreal x = scale.left() + scale.width() * (face_.cents + 50) / 100.0;
    const QColor needle =
        std::abs(face_.cents) <= InTuneCents ? QColor(0, 160, 0) : QColor(200, 0, 0);
    painter.setPen(QPen(needle, 2));
    painter.drawLine(QPointF(x, scale.top()), QPointF(x, scale.bottom()));
}
