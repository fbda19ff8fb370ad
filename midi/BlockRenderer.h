#pragma once

#include "SynthCore.h"
#include "Timeline.h"

namespace midi {

// Plays a timeline on the audio clock: before each of the synthesizer's 64-frame blocks
// it applies every event whose time is nearer that block's start than the next one, so an
// event sounds within half a block of its time, whatever length the audio driver asks for.
class BlockRenderer {
public:
    BlockRenderer(SynthCore* synth, Timeline& timeline) : synth_(synth), timeline_(timeline) {}

    // Renders `frames` frames into zeroed buffers. With `play` false the clock runs on
    // but nothing is played or rendered (the SoundFont is still loading).
    void render(int frames, float* left, float* right, bool play);

    int64_t frame() const { return frame_; }

private:
    SynthCore* synth_;
    Timeline& timeline_;
    int64_t frame_ = 0;
};

} // namespace midi
