#include "SoundFontFile.h"

#include <cstring>

namespace midi::sf2 {

namespace {

bool is(const std::array<char, 4>& id, const char* tag) {
    return std::memcmp(id.data(), tag, 4) == 0;
}

} // namespace

bool SoundFontFile::fail(const std::string& reason) {
    error_ = reason;
    return false;
}

bool SoundFontFile::read(ByteSource& source, std::string* error) {
    *this = SoundFontFile();
    if (readTopLevel(source) && checkIndices())
        return true;
    const std::string reason = error_;
    *this = SoundFontFile();
    if (error != nullptr)
        *error = reason;
    return false;
}

bool SoundFontFile::readChunk(ByteSource& source, uint64_t offset, uint64_t end, Chunk& chunk) {
    uint8_t header[8];
    if (offset > end || end - offset < 8 || !source.read(offset, header, 8))
        return fail("a part of it is cut short");
    std::memcpy(chunk.id.data(), header, 4);
    chunk.offset = offset + 8;
    chunk.size = readU32(header + 4);
    if (chunk.size > end - chunk.offset)
        return fail("a part of it is longer than the file holds");
    return true;
}

bool SoundFontFile::readListType(ByteSource& source, const Chunk& chunk, const char* type) {
    char found[4];
    if (!is(chunk.id, "LIST") || chunk.size < 4 || !source.read(chunk.offset, found, 4) ||
        std::memcmp(found, type, 4) != 0)
        return fail(std::string("its ") + type +
                    " part is missing or out of order (it is not a SoundFont 2 file)");
    return true;
}

// The file: the header, then the information, the sample data and the preset data, in this
// order (the synthesizer reads them so).
bool SoundFontFile::readTopLevel(ByteSource& source) {
    uint8_t header[12];
    if (source.size() < 12 || !source.read(0, header, 12) || std::memcmp(header, "RIFF", 4) != 0 ||
        std::memcmp(header + 8, "sfbk", 4) != 0)
        return fail("it is not a SoundFont 2 file");
    const uint64_t end = 8 + static_cast<uint64_t>(readU32(header + 4));
    if (end > source.size())
        return fail("the file is shorter than its header says");
    Chunk info, samples, presets;
    if (!readChunk(source, 12, end, info) || !readListType(source, info, "INFO") ||
        !readVersion(source, info))
        return false;
    const uint64_t samplesAt = info.offset + info.size + (info.size & 1);
    if (!readChunk(source, samplesAt, end, samples) || !readListType(source, samples, "sdta"))
        return false;
    const uint64_t presetsAt = samples.offset + samples.size + (samples.size & 1);
    if (!readChunk(source, presetsAt, end, presets) || !readListType(source, presets, "pdta"))
        return false;
    if (!readSampleData(source, samples) || !readPresetData(source, presets))
        return false;
    presetDataOffset_ = presetsAt;
    return true;
}

// The information list's version record: the synthesizer refuses a file without one, or of a
// version before 2, however sound the rest.
bool SoundFontFile::readVersion(ByteSource& source, const Chunk& list) {
    const uint64_t end = list.offset + list.size;
    for (uint64_t at = list.offset + 4; at < end;) {
        Chunk chunk;
        if (!readChunk(source, at, end, chunk))
            return false;
        if (is(chunk.id, "ifil")) {
            uint8_t version[4];
            if (chunk.size != 4 || !source.read(chunk.offset, version, 4))
                return fail("its version record has a wrong size");
            const uint16_t major = readU16(version);
            if (major < 2)
                return fail("it is a SoundFont of version " + std::to_string(major) + "." +
                            std::to_string(readU16(version + 2)) +
                            ", and version 2 or later is needed");
            return true;
        }
        at = chunk.offset + chunk.size + (chunk.size & 1);
    }
    return fail("its version record is missing");
}

bool SoundFontFile::readSampleData(ByteSource& source, const Chunk& list) {
    Chunk samples;
    if (!readChunk(source, list.offset + 4, list.offset + list.size, samples) ||
        !is(samples.id, "smpl"))
        return fail("its sample data is missing");
    sampleDataBytes_ = samples.size;
    return true;
}

bool SoundFontFile::readPresetData(ByteSource& source, const Chunk& list) {
    uint64_t at = list.offset + 4;
    const uint64_t end = list.offset + list.size;
    for (std::size_t id = 0; id < ListCount; ++id) {
        Chunk chunk;
        if (!readChunk(source, at, end, chunk))
            return false;
        if (!is(chunk.id, ListTags[id]))
            return fail(std::string("its preset data lacks the ") + ListTags[id] + " list");
        if (chunk.size == 0 || chunk.size % RecordSizes[id] != 0)
            return fail(std::string("its ") + ListTags[id] + " list has a wrong size");
        std::vector<uint8_t> bytes(chunk.size);
        if (!source.read(chunk.offset, bytes.data(), chunk.size))
            return fail("its preset data cannot be read");
        lists_[id] = RecordList(std::move(bytes), RecordSizes[id]);
        at = chunk.offset + chunk.size + (chunk.size & 1);
    }
    return true;
}

// Every zone of a preset or instrument lies in the zone list, every zone's generators and
// modulators in theirs, in order; every instrument and sample named exists.
bool SoundFontFile::checkIndices() {
    return checkZones(Phdr, PresetBagField, Pbag, Pgen, Pmod, "preset") &&
           checkZones(Inst, InstrumentBagField, Ibag, Igen, Imod, "instrument") &&
           checkReferences(Pgen, InstrumentGenerator, Inst, "instrument") &&
           checkReferences(Igen, SampleGenerator, Shdr, "sample");
}

bool SoundFontFile::checkZones(ListId headers, std::size_t bagField, ListId bags, ListId generators,
                               ListId modulators, const char* what) {
    const RecordList& headerList = lists_[headers];
    const RecordList& bagList = lists_[bags];
    uint16_t previous = 0;
    for (std::size_t i = 0; i < headerList.count(); ++i) {
        const uint16_t bag = headerList.u16(i, bagField);
        if (bag < previous || bag >= bagList.count())
            return fail(std::string("the zones of a ") + what + " lie outside the zone list");
        previous = bag;
    }
    uint16_t previousGenerator = 0, previousModulator = 0;
    for (std::size_t i = 0; i < bagList.count(); ++i) {
        const uint16_t generator = bagList.u16(i, BagGeneratorField);
        const uint16_t modulator = bagList.u16(i, BagModulatorField);
        if (generator < previousGenerator || generator >= lists_[generators].count() ||
            modulator < previousModulator || modulator >= lists_[modulators].count())
            return fail(std::string("the settings of a ") + what + " zone lie outside their list");
        previousGenerator = generator;
        previousModulator = modulator;
    }
    return true;
}

bool SoundFontFile::checkReferences(ListId generators, uint16_t generator, ListId targets,
                                    const char* what) {
    const RecordList& list = lists_[generators];
    // The last record of each list only closes it.
    const std::size_t existing = lists_[targets].count() - 1;
    for (std::size_t i = 0; i < list.count(); ++i)
        if (list.u16(i, 0) == generator && list.u16(i, 2) >= existing)
            return fail(std::string("a zone names a ") + what + " that does not exist");
    return true;
}

std::vector<SoundFontFile::Preset> SoundFontFile::presets() const {
    std::vector<Preset> result;
    const RecordList& headers = lists_[Phdr];
    for (std::size_t i = 0; i + 1 < headers.count(); ++i)
        result.push_back({headers.u16(i, PresetBankField), headers.u16(i, PresetProgramField), i});
    return result;
}

std::optional<std::size_t> SoundFontFile::findPreset(int bank, int program) const {
    for (const Preset& preset : presets())
        if (preset.bank == bank && preset.program == program)
            return preset.index;
    return std::nullopt;
}

} // namespace midi::sf2
