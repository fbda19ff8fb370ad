#pragma once

#include "TunerFace.h"

#include <QWidget>

// The tuner while the microphone listens: the sung note's name and a needle showing how many
// cents the voice lies from it, on a scale from -50 to +50. It only draws the face it is given,
// and repaints only when that face changes: nothing while nobody sings.
class TunerView : public QWidget {
public:
    explicit TunerView(QWidget* parent = nullptr);

    void setFace(const tonewise::TunerFace& face);
    const tonewise::TunerFace& face() const { return face_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    tonewise::TunerFace face_;
};
