#pragma once

#include "ByteSource.h"
#include "RecordList.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace midi::sf2 {

// A SoundFont's layout and its preset data (the presets, instruments, zones and sample headers;
// not the samples): read once, every index in them checked, so that what is built from them
// never reads outside a list. A damaged or hostile file is refused with a reason.
class SoundFontFile {
public:
    struct Preset {
        int bank = 0;
        int program = 0;
        std::size_t index = 0; // in the preset list
    };

    // False with a reason when the file cannot be used; it then holds nothing.
    bool read(ByteSource& source, std::string* error);
    bool isRead() const { return presetDataOffset_ != 0; }

    // Where the preset data's list starts: the header, the information and the sample data lie
    // before it.
    uint64_t presetDataOffset() const { return presetDataOffset_; }
    uint64_t sampleDataBytes() const { return sampleDataBytes_; }
    const RecordList& list(ListId id) const { return lists_[id]; }

    // The presets, in the file's order.
    std::vector<Preset> presets() const;
    // The first preset with this bank and program.
    std::optional<std::size_t> findPreset(int bank, int program) const;

private:
    struct Chunk {
        std::array<char, 4> id{};
        uint64_t offset = 0; // of its data
        uint32_t size = 0;
    };
    bool readChunk(ByteSource& source, uint64_t offset, uint64_t end, Chunk& chunk);
    bool readListType(ByteSource& source, const Chunk& chunk, const char* type);
    bool readTopLevel(ByteSource& source);
    bool readVersion(ByteSource& source, const Chunk& list);
    bool readSampleData(ByteSource& source, const Chunk& list);
    bool readPresetData(ByteSource& source, const Chunk& list);
    bool checkIndices();
    bool checkZones(ListId headers, std::size_t bagField, ListId bags, ListId generators,
                    ListId modulators, const char* what);
    bool checkReferences(ListId generators, uint16_t generator, ListId targets, const char* what);
    bool fail(const std::string& reason);

    std::array<RecordList, ListCount> lists_;
    uint64_t presetDataOffset_ = 0;
    uint64_t sampleDataBytes_ = 0;
    std::string error_;
};

} // namespace midi::sf2
