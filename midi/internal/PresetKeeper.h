#pragma once

#include "PresetGate.h"
#include "PresetState.h"
#include "SynthCore.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <set>

namespace midi {

// The loader thread's part in keeping sounds ready: it pins (loads) every preset the sending
// side wants before the message selecting it goes on, and lets go of the presets no longer
// wanted once no channel has them selected and whatever they played has died away. Pinning and
// letting go hold the synthesizer's guard, so that the audio thread never meets them half done.
class PresetKeeper {
public:
    PresetKeeper(PresetGate& gate, PinnedPresets& pinned, const PresetsInUse& inUse)
        : gate_(gate), pinned_(pinned), inUse_(inUse) {}

    // The synthesizer whose presets are kept; before run() or settle().
    void setSynth(SynthCore& core) { core_ = &core; }
    // Loader thread: keeps at it until `quit` is set and wake() called.
    void run(const std::atomic<bool>& quit);
    // Any thread: there is work.
    void wake();

    enum class Pending { Nothing, Commands, LettingGo };
    // One round: pins what is missing, passes on the waiting commands, lets go of what it can.
    Pending settle(const std::atomic<bool>& quit);

    // Presets pinned now (loader thread).
    const std::set<PresetId>& pinnedPresets() const { return pinnedSet_; }

private:
    bool letGo(PresetId preset);

    SynthCore* core_ = nullptr;
    PresetGate& gate_;
    PinnedPresets& pinned_;
    const PresetsInUse& inUse_;
    std::set<PresetId> pinnedSet_;
    std::set<PresetId> failed_;
    std::mutex mutex_;
    std::condition_variable wakeUp_;
    bool woken_ = false;
};

} // namespace midi
