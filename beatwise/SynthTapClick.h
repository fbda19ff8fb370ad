#pragma once

#include "TapClick.h"

#include <memory>

namespace midi {
class OutputPort;
}

// A tap's click on the built-in synthesizer: the side stick on the percussion channel, sent at
// once, beside whatever the question's player is playing.
class SynthTapClick final : public TapClick {
public:
    static constexpr unsigned kSideStick = 37;
    static constexpr unsigned kVelocity = 100;

    SynthTapClick();
    ~SynthTapClick() override;

    void sound() override;

private:
    std::unique_ptr<midi::OutputPort> port_;
};
