#include "SoundFontView.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace midi::sf2 {

namespace {

using Lists = std::array<std::vector<uint8_t>, ListCount>;

struct Span {
    std::size_t first = 0;
    std::size_t end = 0;
};

// A zone's generators.
Span generatorsOf(const RecordList& bags, std::size_t bag) {
    return {bags.u16(bag, BagGeneratorField), bags.u16(bag + 1, BagGeneratorField)};
}

Span modulatorsOf(const RecordList& bags, std::size_t bag) {
    return {bags.u16(bag, BagModulatorField), bags.u16(bag + 1, BagModulatorField)};
}

// The keys a zone sounds on: its key range when that is its first generator (the synthesizer
// heeds it nowhere else), otherwise every key.
KeySet zoneKeys(const RecordList& generators, Span span) {
    if (span.first < span.end && generators.u16(span.first, 0) == KeyRangeGenerator) {
        const uint8_t* amount = generators.record(span.first) + 2;
        if (amount[0] <= amount[1])
            return keyRange(amount[0], amount[1]);
    }
    return allKeys();
}

// The instruments (or samples) a zone names.
std::vector<uint16_t> targetsOf(const RecordList& generators, Span span, uint16_t generator) {
    std::vector<uint16_t> targets;
    for (std::size_t i = span.first; i < span.end; ++i)
        if (generators.u16(i, 0) == generator)
            targets.push_back(generators.u16(i, 2));
    return targets;
}

uint16_t positionOf(const std::vector<uint16_t>& list, uint16_t value) {
    const auto found = std::find(list.begin(), list.end(), value);
    return static_cast<uint16_t>(found == list.end() ? 0 : found - list.begin());
}

void append(Lists& out, ListId id, const uint8_t* record) {
    out[id].insert(out[id].end(), record, record + RecordSizes[id]);
}

uint8_t* lastRecord(Lists& out, ListId id) {
    return out[id].data() + out[id].size() - RecordSizes[id];
}

void appendClosing(Lists& out, const SoundFontFile& file, ListId id) {
    const RecordList& list = file.list(id);
    append(out, id, list.record(list.count() - 1));
}

// Opens a zone: a bag naming where its generators and modulators will begin.
void appendBag(Lists& out, ListId bags) {
    const ListId generators = static_cast<ListId>(bags + 2);
    const ListId modulators = static_cast<ListId>(bags + 1);
    uint8_t bag[4];
    writeU16(bag + BagGeneratorField,
             static_cast<uint16_t>(out[generators].size() / RecordSizes[generators]));
    writeU16(bag + BagModulatorField,
             static_cast<uint16_t>(out[modulators].size() / RecordSizes[modulators]));
    append(out, bags, bag);
}

// Copies zones with their generators and modulators, the instruments or samples they name
// renumbered as their place in `targets`.
void copyZones(const SoundFontFile& file, Lists& out, ListId bags,
               const std::vector<std::size_t>& zones, uint16_t generator,
               const std::vector<uint16_t>& targets) {
    const ListId generators = static_cast<ListId>(bags + 2);
    const ListId modulators = static_cast<ListId>(bags + 1);
    for (std::size_t zone : zones) {
        appendBag(out, bags);
        const Span generatorSpan = generatorsOf(file.list(bags), zone);
        for (std::size_t i = generatorSpan.first; i < generatorSpan.end; ++i) {
            append(out, generators, file.list(generators).record(i));
            uint8_t* copied = lastRecord(out, generators);
            if (readU16(copied) == generator)
                writeU16(copied + 2, positionOf(targets, readU16(copied + 2)));
        }
        const Span modulatorSpan = modulatorsOf(file.list(bags), zone);
        for (std::size_t i = modulatorSpan.first; i < modulatorSpan.end; ++i)
            append(out, modulators, file.list(modulators).record(i));
    }
}

void closeZones(Lists& out, ListId bags) {
    const ListId generators = static_cast<ListId>(bags + 2);
    const ListId modulators = static_cast<ListId>(bags + 1);
    appendBag(out, bags);
    // The closing generator and modulator are blank, naming nothing.
    out[generators].resize(out[generators].size() + RecordSizes[generators], 0);
    out[modulators].resize(out[modulators].size() + RecordSizes[modulators], 0);
}

} // namespace

struct SoundFontView::Selection {
    std::vector<std::size_t> presetZones;
    std::vector<uint16_t> instruments; // in the order the preset first names them
    std::vector<KeySet> instrumentKeys;
    std::vector<std::size_t> instrumentZones; // instrument after instrument
    std::vector<std::size_t> zoneCounts;      // of each instrument
    std::vector<uint16_t> samples;            // in the whole file's order
};

SoundFontView::SoundFontView(const SoundFontFile& file, std::size_t presetIndex, const KeySet& keys)
    : presetDataOffset_(file.presetDataOffset()) {
    if (!file.isRead() || presetIndex + 1 >= file.list(Phdr).count())
        return;
    Selection selection;
    select(file, presetIndex, keys, selection);
    write(file, presetIndex, selection);
}

// The zones that sound on the keys (a preset's or instrument's first zone without an instrument
// or sample is its global zone, and stays), their instruments and samples.
void SoundFontView::select(const SoundFontFile& file, std::size_t presetIndex, const KeySet& keys,
                           Selection& selection) const {
    const std::size_t first = file.list(Phdr).u16(presetIndex, PresetBagField);
    const std::size_t end = file.list(Phdr).u16(presetIndex + 1, PresetBagField);
    for (std::size_t zone = first; zone < end; ++zone) {
        const Span span = generatorsOf(file.list(Pbag), zone);
        const std::vector<uint16_t> named = targetsOf(file.list(Pgen), span, InstrumentGenerator);
        const KeySet zoneKeySet = zoneKeys(file.list(Pgen), span) & keys;
        if (named.empty() ? zone != first : zoneKeySet.none())
            continue;
        selection.presetZones.push_back(zone);
        for (uint16_t instrument : named) {
            const std::size_t at = positionOf(selection.instruments, instrument);
            if (at < selection.instruments.size() && selection.instruments[at] == instrument) {
                selection.instrumentKeys[at] |= zoneKeySet;
            } else {
                selection.instruments.push_back(instrument);
                selection.instrumentKeys.push_back(zoneKeySet);
            }
        }
    }
    for (std::size_t i = 0; i < selection.instruments.size(); ++i) {
        const std::size_t firstZone =
            file.list(Inst).u16(selection.instruments[i], InstrumentBagField);
        const std::size_t endZone =
            file.list(Inst).u16(selection.instruments[i] + 1u, InstrumentBagField);
        std::size_t kept = 0;
        for (std::size_t zone = firstZone; zone < endZone; ++zone) {
            const Span span = generatorsOf(file.list(Ibag), zone);
            const std::vector<uint16_t> named = targetsOf(file.list(Igen), span, SampleGenerator);
            if (named.empty()
                    ? zone != firstZone
                    : (zoneKeys(file.list(Igen), span) & selection.instrumentKeys[i]).none())
                continue;
            selection.instrumentZones.push_back(zone);
            ++kept;
            selection.samples.insert(selection.samples.end(), named.begin(), named.end());
        }
        selection.zoneCounts.push_back(kept);
    }
    std::sort(selection.samples.begin(), selection.samples.end());
    selection.samples.erase(std::unique(selection.samples.begin(), selection.samples.end()),
                            selection.samples.end());
}

void SoundFontView::write(const SoundFontFile& file, std::size_t presetIndex,
                          const Selection& selection) {
    Lists out;
    append(out, Phdr, file.list(Phdr).record(presetIndex));
    writeU16(lastRecord(out, Phdr) + PresetBagField, 0);
    appendClosing(out, file, Phdr);
    writeU16(lastRecord(out, Phdr) + PresetBagField,
             static_cast<uint16_t>(selection.presetZones.size()));
    copyZones(file, out, Pbag, selection.presetZones, InstrumentGenerator, selection.instruments);
    closeZones(out, Pbag);

    std::size_t zone = 0;
    for (std::size_t i = 0; i < selection.instruments.size(); ++i) {
        append(out, Inst, file.list(Inst).record(selection.instruments[i]));
        writeU16(lastRecord(out, Inst) + InstrumentBagField, static_cast<uint16_t>(zone));
        zone += selection.zoneCounts[i];
    }
    appendClosing(out, file, Inst);
    writeU16(lastRecord(out, Inst) + InstrumentBagField, static_cast<uint16_t>(zone));
    copyZones(file, out, Ibag, selection.instrumentZones, SampleGenerator, selection.samples);
    closeZones(out, Ibag);

    const RecordList& headers = file.list(Shdr);
    for (uint16_t sample : selection.samples) {
        append(out, Shdr, headers.record(sample));
        uint8_t* copied = lastRecord(out, Shdr);
        const uint16_t link = readU16(copied + SampleLinkField);
        const uint16_t linked = positionOf(selection.samples, link);
        const bool kept = linked < selection.samples.size() && selection.samples[linked] == link;
        writeU16(copied + SampleLinkField, kept ? linked : 0);
        const uint32_t start = headers.u32(sample, SampleStartField);
        const uint32_t end = headers.u32(sample, SampleEndField);
        if ((headers.u16(sample, SampleTypeField) & RomSample) == 0 && end > start)
            sampleBytes_ += 2ull * (end - start);
    }
    appendClosing(out, file, Shdr);
    samples_ = selection.samples;

    uint32_t listSize = 4;
    for (const std::vector<uint8_t>& list : out)
        listSize += 8 + static_cast<uint32_t>(list.size());
    presetData_.resize(8 + listSize);
    uint8_t* at = presetData_.data();
    std::memcpy(at, "LIST", 4);
    writeU32(at + 4, listSize);
    std::memcpy(at + 8, "pdta", 4);
    at += 12;
    for (std::size_t id = 0; id < ListCount; ++id) {
        std::memcpy(at, ListTags[id], 4);
        writeU32(at + 4, static_cast<uint32_t>(out[id].size()));
        std::memcpy(at + 8, out[id].data(), out[id].size());
        at += 8 + out[id].size();
    }
}

bool SoundFontView::read(ByteSource& wholeFile, uint64_t offset, void* buffer,
                         uint64_t count) const {
    if (presetData_.empty() || offset > size() || count > size() - offset)
        return false;
    auto* out = static_cast<uint8_t*>(buffer);
    if (offset < presetDataOffset_) {
        const uint64_t head = std::min(count, presetDataOffset_ - offset);
        if (!wholeFile.read(offset, out, head))
            return false;
        // The header's length is the view's.
        uint8_t length[4];
        writeU32(length, static_cast<uint32_t>(size() - 8));
        for (uint64_t at = 4; at < 8; ++at)
            if (at >= offset && at < offset + head)
                out[at - offset] = length[at - 4];
        out += head;
        offset += head;
        count -= head;
    }
    if (count > 0)
        std::memcpy(out, presetData_.data() + (offset - presetDataOffset_), count);
    return true;
}

} // namespace midi::sf2
