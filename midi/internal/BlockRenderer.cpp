#include "BlockRenderer.h"

#include <algorithm>

namespace midi {

void BlockRenderer::render(int frames, float* left, float* right) {
    constexpr int block = SynthCore::BlockFrames;
    int done = 0;
    while (done < frames) {
        const int offset = static_cast<int>(frame_ % block);
        if (offset == 0) {
            const bool sent = player_.process(frame_, frame_ + block / 2, *this);
            if (sent || player_.busy() || (synth_ != nullptr && synth_->activeVoices() > 0))
                lastActive_.store(frame_, std::memory_order_release);
        }
        const int count = std::min(frames - done, block - offset);
        if (synth_ != nullptr && left != nullptr && right != nullptr)
            synth_->render(count, left + done, right + done);
        done += count;
        frame_ += count;
    }
    publishedFrame_.store(frame_, std::memory_order_release);
}

void BlockRenderer::skipTo(int64_t frame) {
    constexpr int block = SynthCore::BlockFrames;
    frame = frame / block * block;
    if (frame > frame_)
        frame_ = frame;
    publishedFrame_.store(frame_, std::memory_order_release);
}

void BlockRenderer::message(uint32_t message) {
    if (synth_ != nullptr)
        synth_->applyShortMessage(message);
}

void BlockRenderer::longMessage(const uint8_t* data, std::size_t size) {
    if (synth_ != nullptr)
        synth_->applyLongMessage(data, size);
}

void BlockRenderer::resetOutput() {
    if (synth_ != nullptr)
        synth_->resetOutput();
}

} // namespace midi
