#pragma once

#include "TapFeedback.h"

#include <QPointer>
#include <QWidget>

class QPainter;
class RhythmRow;

// The strip under the rows that shows a tapped answer after its check: the seven beats lie under
// their cells of `row`; each note of the written rhythm is a short grey mark, each tap a dot
// joined to its note, green when in time, blue when early, orange when late; a tap that matches
// no note is a red cross, a note no tap played an empty ring. It only draws what it is given.
class TapStrip : public QWidget {
    Q_OBJECT
public:
    explicit TapStrip(RhythmRow* row, QWidget* parent = nullptr);

    void setFeedback(const TapFeedback& feedback);
    const TapFeedback& feedback() const { return feedback_; }
    // The x (in the strip) where the tap or note at `ms` is drawn.
    double xOf(double ms) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawMark(QPainter& painter, const TapMark& mark, double middle, double radius) const;
    QString summary() const;

    QPointer<RhythmRow> row_;
    TapFeedback feedback_;
};
