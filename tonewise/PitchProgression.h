#pragma once

#include "PitchParts.h"

#include <QCoreApplication>

class AdvanceThresholds;
class Random;

namespace tonewise {

// Automatic advance to the next level and automatic modulation to another key, once the
// student has the set number of right answers with a score above the set percentage.
class PitchProgression {
    Q_DECLARE_TR_FUNCTIONS(PitchTrainer)

public:
    PitchProgression(PitchParts parts, Random& random) : parts_(parts), random_(random) {}

    void On1Click();
    void Off1Click();
    void AutoModOnClick();
    void AutoModOffClick();
    void CheckAutoAdvance();
    void CheckAutoModulate();

private:
    AdvanceThresholds thresholds() const;
    bool thresholdsMet() const;
    void restartCounting();

    PitchParts parts_;
    Random& random_;
};

} // namespace tonewise
