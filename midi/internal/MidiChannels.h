#pragma once

#include "PresetCatalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace midi {

// The sound each of the 16 channels has selected, followed message by message: bank select
// (the controller's coarse value, on melodic channels), program changes, and the General MIDI
// default (program 0; the standard kit on the tenth channel) that a channel takes at its first
// note when no program was chosen for it. A system reset starts every channel afresh. The
// sending side follows it to know which sounds a message needs; the playing side to select
// them.
class MidiChannels {
public:
    static constexpr int PercussionChannel = 9;

    enum class Effect : uint8_t {
        None,   // the message changes no channel's sound
        Select, // `channel` selects `preset` (none: the SoundFont has nothing for it)
        Reset,  // every channel starts afresh
    };
    struct Outcome {
        Effect effect = Effect::None;
        int channel = 0;
        std::optional<PresetId> preset;
    };

    // A packed short message: status | data1 << 8 | data2 << 16.
    Outcome apply(uint32_t message, const PresetCatalogue& catalogue);
    // A system-exclusive message, with or without its framing bytes: the General MIDI, GS and
    // XG resets start every channel afresh.
    Outcome applyLong(const uint8_t* data, std::size_t size);
    void reset();

    // The preset the channel has selected, if any.
    std::optional<PresetId> selected(int channel) const;

    // Whether a system-exclusive message resets the whole synthesizer.
    static bool isReset(const uint8_t* data, std::size_t size);

private:
    struct Channel {
        int bank = 0;
        int program = 0;
        bool chosen = false; // a program was chosen (or taken by default) since the last reset
        std::optional<PresetId> selected;
    };
    std::array<Channel, 16> channels_{};
};

} // namespace midi
