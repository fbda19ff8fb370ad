#include "PresetKeeper.h"

#include <algorithm>
#include <chrono>

namespace midi {

namespace {
// How soon a waiting command is tried again when the player's queue was full, and a sound no
// longer wanted when something still sounded.
constexpr auto CommandRetry = std::chrono::milliseconds(5);
constexpr auto LetGoRetry = std::chrono::milliseconds(250);
} // namespace

void PresetKeeper::wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    wakeUp_.notify_one();
}

void PresetKeeper::run(const std::atomic<bool>& quit) {
    while (!quit.load()) {
        const Pending pending = settle(quit);
        std::unique_lock lock(mutex_);
        const auto woken = [&] { return woken_ || quit.load(); };
        if (pending == Pending::Commands)
            wakeUp_.wait_for(lock, CommandRetry, woken);
        else if (pending == Pending::LettingGo)
            wakeUp_.wait_for(lock, LetGoRetry, woken);
        else
            wakeUp_.wait(lock, woken);
        woken_ = false;
    }
}

PresetKeeper::Pending PresetKeeper::settle(const std::atomic<bool>& quit) {
    for (PresetId preset : gate_.wanted()) {
        if (quit.load())
            return Pending::Nothing;
        if (pinnedSet_.count(preset) != 0 || failed_.count(preset) != 0)
            continue;
        bool pinned = false;
        {
            LoaderHold hold(core_->guard());
            pinned = core_->pin(preset);
        }
        pinned_.set(preset, pinned ? PinnedPresets::Pinned : PinnedPresets::Failed);
        (pinned ? pinnedSet_ : failed_).insert(preset);
        // The first waiting command may go on now.
        gate_.pump();
    }
    Pending pending = gate_.pump() ? Pending::Commands : Pending::Nothing;
    const std::vector<PresetId> wanted = gate_.wanted();
    std::vector<PresetId> unwanted;
    for (PresetId preset : pinnedSet_)
        if (std::find(wanted.begin(), wanted.end(), preset) == wanted.end())
            unwanted.push_back(preset);
    for (PresetId preset : unwanted) {
        if (!letGo(preset) && pending == Pending::Nothing)
            pending = Pending::LettingGo;
    }
    return pending;
}

// Unpins a preset no longer wanted, unless a channel still has it or something still sounds
// since the last change of sounds (it may be that preset's last note). False: not yet.
bool PresetKeeper::letGo(PresetId preset) {
    LoaderHold hold(core_->guard());
    if (inUse_.selected(preset) || !inUse_.quietSinceLastChange())
        return false;
    {
        std::lock_guard lock(gate_.mutex());
        if (gate_.isWanted(preset))
            return true; // wanted again meanwhile: it stays
        // From here no message selecting it goes on.
        pinned_.set(preset, PinnedPresets::NotPinned);
    }
    core_->unpin(preset);
    pinnedSet_.erase(preset);
    return true;
}

} // namespace midi
