#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace midi::sf2 {

// The lists of a SoundFont's preset data, in the order they are stored.
enum ListId : std::size_t { Phdr, Pbag, Pmod, Pgen, Inst, Ibag, Imod, Igen, Shdr, ListCount };
constexpr std::array<const char*, ListCount> ListTags = {"phdr", "pbag", "pmod", "pgen", "inst",
                                                         "ibag", "imod", "igen", "shdr"};
constexpr std::array<std::size_t, ListCount> RecordSizes = {38, 4, 10, 4, 22, 4, 10, 4, 46};

// Fields of the records.
constexpr std::size_t PresetProgramField = 20, PresetBankField = 22, PresetBagField = 24;
constexpr std::size_t InstrumentBagField = 20;
constexpr std::size_t BagGeneratorField = 0, BagModulatorField = 2;
constexpr std::size_t SampleStartField = 20, SampleEndField = 24, SampleLinkField = 42,
                      SampleTypeField = 44;
constexpr uint16_t RomSample = 0x8000;

// Generators a view looks at.
constexpr uint16_t KeyRangeGenerator = 43;
constexpr uint16_t InstrumentGenerator = 41;
constexpr uint16_t SampleGenerator = 53;

inline uint16_t readU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
inline uint32_t readU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
inline void writeU16(uint8_t* p, uint16_t value) {
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
}
inline void writeU32(uint8_t* p, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(value >> (8 * i));
}

// One list of the preset data as stored: records of one size, the last one closing the list.
class RecordList {
public:
    RecordList() = default;
    RecordList(std::vector<uint8_t> bytes, std::size_t recordSize)
        : bytes_(std::move(bytes)), recordSize_(recordSize) {}

    std::size_t count() const { return recordSize_ == 0 ? 0 : bytes_.size() / recordSize_; }
    // Record `index` (< count()).
    const uint8_t* record(std::size_t index) const { return bytes_.data() + index * recordSize_; }
    uint16_t u16(std::size_t index, std::size_t field) const {
        return readU16(record(index) + field);
    }
    uint32_t u32(std::size_t index, std::size_t field) const {
        return readU32(record(index) + field);
    }
    std::size_t recordSize() const { return recordSize_; }
    std::size_t byteSize() const { return bytes_.size(); }

private:
    std::vector<uint8_t> bytes_;
    std::size_t recordSize_ = 0;
};

} // namespace midi::sf2
