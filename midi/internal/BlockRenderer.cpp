#include "BlockRenderer.h"

#include <algorithm>

namespace midi {

void BlockRenderer::render(int frames, float* left, float* right) {
    constexpr int block = SynthCore::BlockFrames;
    int done = 0;
    while (done < frames) {
        const int offset = static_cast<int>(frame_ % block);
        if (offset == 0 && playBlock(frame_ + block / 2))
            lastActive_.store(frame_, std::memory_order_release);
        const int count = std::min(frames - done, block - offset);
        if (synth_ != nullptr && left != nullptr && right != nullptr)
            synth_->render(count, left + done, right + done);
        done += count;
        frame_ += count;
    }
    publishedFrame_.store(frame_, std::memory_order_release);
}

// Carries out what is due before `limit`; returns whether anything plays or sounds.
bool BlockRenderer::playBlock(int64_t limit) {
    if (synth_ == nullptr) {
        const bool sent = player_.process(frame_, limit, silent_);
        return sent || player_.busy();
    }
    if (!synth_->guard().tryEnterAudio())
        return true; // the loader is at work: nothing is applied now, and nothing is idle
    device_->setFrame(frame_);
    const bool sent = player_.process(frame_, limit, *device_);
    const int voices = synth_->activeVoices();
    if (voices == 0)
        inUse_->quietAt(frame_);
    synth_->guard().leave();
    return sent || player_.busy() || voices > 0;
}

void BlockRenderer::skipTo(int64_t frame) {
    constexpr int block = SynthCore::BlockFrames;
    frame = frame / block * block;
    if (frame > frame_)
        frame_ = frame;
    publishedFrame_.store(frame_, std::memory_order_release);
}

} // namespace midi
