#include "TapStrip.h"

#include "RhythmCatalogue.h"
#include "RhythmRow.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor kInTime(0, 150, 0);
const QColor kEarly(0, 90, 220);
const QColor kLate(230, 120, 0);
const QColor kExtra(200, 0, 0);
const QColor kNote(90, 90, 90);

QColor colourOf(TapVerdict verdict) {
    switch (verdict) {
    case TapVerdict::InTime:
        return kInTime;
    case TapVerdict::Early:
        return kEarly;
    case TapVerdict::Late:
        return kLate;
    case TapVerdict::Extra:
        return kExtra;
    case TapVerdict::Missed:
        break;
    }
    return kNote;
}

} // namespace

TapStrip::TapStrip(RhythmRow* row, QWidget* parent) : QWidget(parent), row_(row) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TapStrip::setFeedback(const TapFeedback& feedback) {
    const bool same =
        feedback.shown == feedback_.shown && feedback.marks.size() == feedback_.marks.size() &&
        feedback.firstBeatMs == feedback_.firstBeatMs && feedback.beatMs == feedback_.beatMs &&
        std::equal(feedback.marks.begin(), feedback.marks.end(), feedback_.marks.begin(),
                   [](const TapMark& a, const TapMark& b) {
                       return a.verdict == b.verdict && a.tapMs == b.tapMs && a.noteMs == b.noteMs;
                   });
    if (same)
        return;
    feedback_ = feedback;
    setToolTip(feedback_.shown ? summary() : QString());
    update();
}

QString TapStrip::summary() const {
    return tr("Taps in time: %1, early: %2, late: %3, extra: %4; notes not tapped: %5")
        .arg(feedback_.count(TapVerdict::InTime))
        .arg(feedback_.count(TapVerdict::Early))
        .arg(feedback_.count(TapVerdict::Late))
        .arg(feedback_.count(TapVerdict::Extra))
        .arg(feedback_.count(TapVerdict::Missed));
}

double TapStrip::xOf(double ms) const {
    // The beats span the row's cells of the first and the last beat.
    double left = 0, right = width();
    if (row_) {
        const QWidget* viewport = row_->viewport();
        const QRect first = row_->cellRect(RhythmCatalogue::kFirstBeatColumn);
        const QRect last =
            row_->cellRect(RhythmCatalogue::kFirstBeatColumn + RhythmCatalogue::kBeats - 1);
        left = viewport->mapTo(parentWidget(), first.topLeft()).x() - x();
        right = viewport->mapTo(parentWidget(), last.topRight()).x() + 1 - x();
    }
    const double beats = (ms - feedback_.firstBeatMs) / std::max(1.0, feedback_.beatMs);
    return left + beats * (right - left) / RhythmCatalogue::kBeats;
}

void TapStrip::paintEvent(QPaintEvent*) {
    if (!feedback_.shown)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double middle = height() / 2.0;
    const double radius = std::max(2.0, height() / 4.0);
    painter.setPen(QPen(kNote, 1));
    for (int beat = 0; beat <= RhythmCatalogue::kBeats; ++beat) {
        const double x = xOf(feedback_.firstBeatMs + beat * feedback_.beatMs);
        painter.drawLine(QPointF(x, 1), QPointF(x, height() - 1.0));
    }
    painter.drawLine(QPointF(xOf(feedback_.firstBeatMs), middle),
                     QPointF(xOf(feedback_.firstBeatMs + 7 * feedback_.beatMs), middle));
    for (const TapMark& mark : feedback_.marks)
        drawMark(painter, mark, middle, radius);
}

void TapStrip::drawMark(QPainter& painter, const TapMark& mark, double middle,
                        double radius) const {
    const double tapX = xOf(mark.tapMs);
    if (tapX < -radius || tapX > width() + radius)
        return;
    const QColor colour = colourOf(mark.verdict);
    if (mark.verdict == TapVerdict::Missed) {
        painter.setPen(QPen(kNote, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(tapX, middle), radius, radius);
        return;
    }
    if (mark.verdict == TapVerdict::Extra) {
        painter.setPen(QPen(colour, 2));
        painter.drawLine(QPointF(tapX - radius, middle - radius),
                         QPointF(tapX + radius, middle + radius));
        painter.drawLine(QPointF(tapX - radius, middle + radius),
                         QPointF(tapX + radius, middle - radius));
        return;
    }
    // The note where the rhythm puts it, and the tap joined to it.
    const double noteX = xOf(mark.noteMs);
    painter.setPen(QPen(kNote, 2));
    painter.drawLine(QPointF(noteX, 1), QPointF(noteX, height() - 1.0));
    painter.setPen(QPen(colour, 2));
    painter.drawLine(QPointF(noteX, middle), QPointF(tapX, middle));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(tapX, middle), radius, radius);
}
