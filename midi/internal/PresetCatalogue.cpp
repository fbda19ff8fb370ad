#include "PresetCatalogue.h"

namespace midi {

PresetCatalogue::PresetCatalogue(const std::vector<PresetId>& presets) {
    for (PresetId preset : presets) {
        if (preset < PresetIdCount)
            present_.set(preset);
    }
}

std::optional<PresetId> PresetCatalogue::resolve(int bank, int program, bool percussion) const {
    program &= 0x7F;
    if (percussion) {
        for (PresetId candidate : {presetId(PercussionBank, program), presetId(PercussionBank, 0)})
            if (contains(candidate))
                return candidate;
        return std::nullopt;
    }
    if (bank >= 0 && bank <= PercussionBank && contains(presetId(bank, program)))
        return presetId(bank, program);
    for (PresetId candidate : {presetId(0, program), presetId(0, 0)})
        if (contains(candidate))
            return candidate;
    return std::nullopt;
}

} // namespace midi
