#pragma once

#include "MidiChannels.h"
#include "PresetCatalogue.h"
#include "PresetState.h"
#include "StreamPlayer.h"

#include <array>
#include <deque>
#include <functional>
#include <mutex>
#include <set>
#include <vector>

namespace midi {

// The sending side of the built-in synthesizer: every command passes here on its way to the
// audio thread. It follows the channels' programs through the messages and the streams' events,
// and lets a command through only once every sound it selects is pinned; until then the command,
// and every one after it, waits here (the message is late, the audio never is). It also keeps
// the list of sounds to keep pinned: those the program said it will use on a channel, and the
// last few each channel selected, so that switching back and forth (an instrument and an error
// tone) reads nothing again. The loader thread pins what is missing and lets go of the rest.
//
// Any thread may send (one at a time, as with the player); the loader calls pump().
class PresetGate final : public CommandSink {
public:
    // Sounds each channel keeps besides the ones named for it: the most recent ones it selected.
    static constexpr std::size_t RecentPerChannel = 3;
    static constexpr std::size_t HeldCapacity = 512;

    PresetGate(StreamPlayer& player, const PinnedPresets& pinned);

    bool send(const PlayerCommand& command) override;
    bool sendLong(const uint8_t* data, std::size_t size) override;
    bool hasRoom(std::size_t commands) const override;

    // The programs `channel` is about to use; those named before for it and not now are let go.
    void preparePrograms(int channel, const std::vector<int>& programs);

    // Loader thread. The SoundFont's presets are known (null: there is no synthesizer, and
    // everything goes through at once).
    void setCatalogue(const PresetCatalogue* catalogue);
    // Passes on the waiting commands whose sounds are pinned. Returns whether commands still
    // wait.
    bool pump();
    // The sounds to keep pinned, those the first waiting command needs first.
    std::vector<PresetId> wanted() const;
    bool isWanted(PresetId preset) const;
    // Called (outside the lock, on whichever thread sent) when wanted() has changed or commands
    // are left waiting: the loader has work.
    void onWork(std::function<void()> listener) { work_ = std::move(listener); }
    // Called (outside the lock) when waiting commands have gone on to the player.
    void onForwarded(std::function<void()> listener) { forwarded_ = std::move(listener); }
    std::mutex& mutex() const { return mutex_; }

private:
    struct Held {
        PlayerCommand command;
        std::vector<uint8_t> longData;
        bool analysed = false;
        std::vector<PresetId> needs;
    };
    using Recent = std::array<int32_t, RecentPerChannel>;

    bool accept(Held held);
    bool forward(const Held& held);
    bool ready(const Held& held) const;
    bool analyse(Held& held);
    void note(const MidiChannels::Outcome& outcome, std::vector<PresetId>& needs);
    void resolveDeclared();
    // Returns whether commands still wait; `forwarded` counts those passed on.
    bool pumpLocked(int* forwarded = nullptr);
    std::vector<PresetId> wantedLocked() const;
    void tellLoader(const std::vector<PresetId>& before);

    StreamPlayer& player_;
    const PinnedPresets& pinned_;
    mutable std::mutex mutex_;
    const PresetCatalogue* catalogue_ = nullptr;
    bool passThrough_ = false;
    MidiChannels channels_;
    std::deque<Held> held_;
    std::array<Recent, 16> recent_{};
    std::array<std::vector<int>, 16> declaredPrograms_;
    std::array<std::vector<PresetId>, 16> declared_;
    std::function<void()> work_;
    std::function<void()> forwarded_;
};

} // namespace midi
