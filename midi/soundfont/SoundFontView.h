#pragma once

#include "ByteSource.h"
#include "KeyLimits.h"
#include "SoundFontFile.h"

#include <cstdint>
#include <vector>

namespace midi::sf2 {

// A SoundFont of one preset, made from a whole one: the same header, information and sample
// data at the same places (they are read from the whole file), then preset data that hold only
// that preset, its instruments and their samples, renumbered. Zones that sound on none of the
// keys asked for are left out, and with them the samples only they use: a synthesizer that
// loads the view loads only what those keys play, and plays them exactly as from the whole file.
class SoundFontView {
public:
    // `file` has been read; `presetIndex` is one of its presets().
    SoundFontView(const SoundFontFile& file, std::size_t presetIndex, const KeySet& keys);

    // The view as a file: its size, and its bytes, those before the preset data read from
    // `wholeFile`. False when they are not all there.
    uint64_t size() const { return presetDataOffset_ + presetData_.size(); }
    bool read(ByteSource& wholeFile, uint64_t offset, void* buffer, uint64_t count) const;

    // The rewritten preset data, as their list in the file.
    const std::vector<uint8_t>& presetData() const { return presetData_; }
    // The samples it keeps (their numbers in the whole file), and their size in bytes.
    const std::vector<uint16_t>& samples() const { return samples_; }
    uint64_t sampleBytes() const { return sampleBytes_; }

private:
    struct Selection;
    void select(const SoundFontFile& file, std::size_t presetIndex, const KeySet& keys,
                Selection& selection) const;
    void write(const SoundFontFile& file, std::size_t presetIndex, const Selection& selection);

    uint64_t presetDataOffset_ = 0;
    std::vector<uint8_t> presetData_;
    std::vector<uint16_t> samples_;
    uint64_t sampleBytes_ = 0;
};

} // namespace midi::sf2
