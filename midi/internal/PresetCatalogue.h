#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

namespace midi {

// A preset of the SoundFont: bank (0..128, 128 being the percussion kits) and program.
using PresetId = uint16_t;
constexpr int PercussionBank = 128;
constexpr int PresetIdCount = 129 * 128;
constexpr PresetId presetId(int bank, int program) {
    return static_cast<PresetId>(bank * 128 + program);
}
constexpr int bankOf(PresetId preset) {
    return preset / 128;
}
constexpr int programOf(PresetId preset) {
    return preset % 128;
}

// Which presets the SoundFont holds, and which of them a channel's bank and program select:
// the preset itself, else on a percussion channel the standard kit, else on a melodic channel
// the program in bank 0, else the first preset of bank 0.
class PresetCatalogue {
public:
    PresetCatalogue() = default;
    explicit PresetCatalogue(const std::vector<PresetId>& presets);

    bool contains(PresetId preset) const { return preset < PresetIdCount && present_[preset]; }
    std::optional<PresetId> resolve(int bank, int program, bool percussion) const;

private:
    std::bitset<PresetIdCount> present_;
};

} // namespace midi
