#include "BlockRenderer.h"

#include <algorithm>

namespace midi {

void BlockRenderer::render(int frames, float* left, float* right, bool play) {
    constexpr int block = SynthCore::BlockFrames;
    int done = 0;
    while (done < frames) {
        const int offset = static_cast<int>(frame_ % block);
        if (offset == 0 && play) {
            timeline_.playDue(frame_, frame_ + block / 2,
                              [this](uint32_t message) { synth_->applyShortMessage(message); });
        }
        const int count = std::min(frames - done, block - offset);
        if (play)
            synth_->render(count, left + done, right + done);
        done += count;
        frame_ += count;
    }
}

} // namespace midi
