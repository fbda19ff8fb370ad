#pragma once

#include "RhythmParts.h"

#include <QCoreApplication>

class AdvanceThresholds;

// Automatic advance: once the student has answered the set number of questions with a score
// above the set percentage, the next question offers the next level.
class RhythmProgression {
    Q_DECLARE_TR_FUNCTIONS(RhythmTrainer)

public:
    explicit RhythmProgression(RhythmParts parts) : parts_(parts) {}

    void On1Click();
    void Off1Click();
    void OfferNextLevel();

private:
    AdvanceThresholds thresholds() const;

    RhythmParts parts_;
};
