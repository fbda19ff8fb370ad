#include "SynthDevice.h"

namespace midi {

void SynthDevice::message(uint32_t message) {
    const MidiChannels::Outcome outcome = channels_.apply(message, catalogue_);
    if (outcome.effect == MidiChannels::Effect::Reset) {
        reset();
        return;
    }
    apply(outcome);
    // A program change has done its work by selecting; everything else goes on.
    if ((message & 0xF0) != 0xC0)
        core_.message(message);
}

void SynthDevice::longMessage(const uint8_t* data, std::size_t size) {
    if (channels_.applyLong(data, size).effect == MidiChannels::Effect::Reset)
        reset();
    else
        core_.longMessage(data, size);
}

void SynthDevice::apply(const MidiChannels::Outcome& outcome) {
    if (outcome.effect != MidiChannels::Effect::Select)
        return;
    const int channel = outcome.channel;
    int32_t& applied = applied_[static_cast<std::size_t>(channel)];
    if (!outcome.preset) {
        if (applied >= 0)
            core_.unselect(channel);
        applied = -1;
    } else if (!pinned_.isPinned(*outcome.preset)) {
        missed_.fetch_add(1, std::memory_order_relaxed);
        return;
    } else if (applied != *outcome.preset) {
        core_.select(channel, *outcome.preset);
        applied = *outcome.preset;
    }
    inUse_.select(channel,
                  applied >= 0 ? std::optional<PresetId>(static_cast<PresetId>(applied))
                               : std::nullopt,
                  frame_);
}

void SynthDevice::reset() {
    core_.reset();
    applied_.fill(-1);
    inUse_.clear(frame_);
}

} // namespace midi
