#include "TinySoundFont.h"

#include <cmath>
#include <cstring>
#include <fstream>

namespace {

void put16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void putName(std::vector<uint8_t>& out, const char* name) {
    char field[20] = {};
    std::strncpy(field, name, 19);
    out.insert(out.end(), field, field + 20);
}
void putGenerator(std::vector<uint8_t>& out, uint16_t generator, uint16_t amount) {
    put16(out, generator);
    put16(out, amount);
}
uint16_t keyRange(int low, int high) {
    return static_cast<uint16_t>(low | high << 8);
}
void putChunk(std::vector<uint8_t>& out, const char* id, const std::vector<uint8_t>& data) {
    out.insert(out.end(), id, id + 4);
    put32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2 != 0)
        out.push_back(0);
}
std::vector<uint8_t> list(const char* type, const std::vector<uint8_t>& chunks) {
    std::vector<uint8_t> data(type, type + 4);
    data.insert(data.end(), chunks.begin(), chunks.end());
    return data;
}

constexpr uint16_t KeyRange = 43, Instrument = 41, SampleId = 53, InitialAttenuation = 48;

} // namespace

TinySoundFont::TinySoundFont() {
    addSample("low", 0.01);
    addSample("high", 0.03);
    addSample("kick", 0.005);
    addSample("snare", 0.07);
    addSample("hat", 0.2);
    addInstrument("keys");
    addInstrumentZone(0, 59, 0);
    addInstrumentZone(60, 127, 1);
    addInstrument("drums");
    addGlobalInstrumentZone();
    addInstrumentZone(36, 36, 2);
    addInstrumentZone(38, 38, 3);
    addInstrumentZone(42, 42, 4);
    addPreset("Keys", 0, 0);
    addPresetZone(0, 127, 0);
    addPreset("Kit", 128, 0);
    addPresetZone(0, 127, 1);
    addPreset("Other keys", 0, 5);
    addPresetZone(0, 127, 0);
    close();
}

void TinySoundFont::addSample(const char* name, double cyclesPerPoint) {
    const auto start = static_cast<uint32_t>(sampleData.size());
    for (int i = 0; i < 4000; ++i)
        sampleData.push_back(static_cast<int16_t>(
            std::lround(12000 * std::sin(2 * M_PI * cyclesPerPoint * i) * (1.0 - i / 4000.0))));
    const auto end = static_cast<uint32_t>(sampleData.size());
    sampleData.insert(sampleData.end(), 46, 0);
    std::vector<uint8_t>& out = lists[Shdr];
    putName(out, name);
    for (uint32_t value : {start, end, start + 8, end - 8, 44100u})
        put32(out, value);
    out.push_back(60); // original key
    out.push_back(0);  // correction
    put16(out, 0);     // link
    put16(out, 1);     // mono
}

void TinySoundFont::addPreset(const char* name, int bank, int program) {
    std::vector<uint8_t>& out = lists[Phdr];
    putName(out, name);
    put16(out, static_cast<uint16_t>(program));
    put16(out, static_cast<uint16_t>(bank));
    put16(out, static_cast<uint16_t>(lists[Pbag].size() / 4));
    for (int i = 0; i < 3; ++i)
        put32(out, 0);
}

void TinySoundFont::addPresetZone(int low, int high, int instrument) {
    put16(lists[Pbag], static_cast<uint16_t>(lists[Pgen].size() / 4));
    put16(lists[Pbag], static_cast<uint16_t>(lists[Pmod].size() / 10));
    putGenerator(lists[Pgen], KeyRange, keyRange(low, high));
    putGenerator(lists[Pgen], Instrument, static_cast<uint16_t>(instrument));
}

void TinySoundFont::addInstrument(const char* name) {
    putName(lists[Inst], name);
    put16(lists[Inst], static_cast<uint16_t>(lists[Ibag].size() / 4));
}

void TinySoundFont::addInstrumentZone(int low, int high, int sample) {
    put16(lists[Ibag], static_cast<uint16_t>(lists[Igen].size() / 4));
    put16(lists[Ibag], static_cast<uint16_t>(lists[Imod].size() / 10));
    putGenerator(lists[Igen], KeyRange, keyRange(low, high));
    putGenerator(lists[Igen], SampleId, static_cast<uint16_t>(sample));
}

// A quieter kit: its global zone attenuates every zone, and a modulator comes with it.
void TinySoundFont::addGlobalInstrumentZone() {
    put16(lists[Ibag], static_cast<uint16_t>(lists[Igen].size() / 4));
    put16(lists[Ibag], static_cast<uint16_t>(lists[Imod].size() / 10));
    putGenerator(lists[Igen], InitialAttenuation, 60);
    // Velocity to attenuation, linear: 10 bytes.
    for (uint16_t value :
         {uint16_t(0x0502), uint16_t(InitialAttenuation), uint16_t(100), uint16_t(0), uint16_t(0)})
        put16(lists[Imod], value);
}

void TinySoundFont::close() {
    addPreset("EOP", 0, 0);
    put16(lists[Pbag], static_cast<uint16_t>(lists[Pgen].size() / 4));
    put16(lists[Pbag], static_cast<uint16_t>(lists[Pmod].size() / 10));
    lists[Pmod].insert(lists[Pmod].end(), 10, 0);
    lists[Pgen].insert(lists[Pgen].end(), 4, 0);
    addInstrument("EOI");
    put16(lists[Ibag], static_cast<uint16_t>(lists[Igen].size() / 4));
    put16(lists[Ibag], static_cast<uint16_t>(lists[Imod].size() / 10));
    lists[Imod].insert(lists[Imod].end(), 10, 0);
    lists[Igen].insert(lists[Igen].end(), 4, 0);
    putName(lists[Shdr], "EOS");
    lists[Shdr].insert(lists[Shdr].end(), 26, 0);
}

void TinySoundFont::putU16(std::vector<uint8_t>& list, std::size_t at, uint16_t value) {
    list[at] = static_cast<uint8_t>(value);
    list[at + 1] = static_cast<uint8_t>(value >> 8);
}

std::vector<uint8_t> TinySoundFont::bytes() const {
    std::vector<uint8_t> info;
    if (!version.empty())
        putChunk(info, "ifil", version);
    putChunk(info, "isng", {'E', 'M', 'U', '8', '0', '0', '0', 0});
    putChunk(info, "INAM", {'T', 'i', 'n', 'y', 0, 0});
    std::vector<uint8_t> samples(sampleData.size() * 2);
    std::memcpy(samples.data(), sampleData.data(), samples.size());
    std::vector<uint8_t> sampleChunks;
    putChunk(sampleChunks, "smpl", samples);
    static const char* const tags[] = {"phdr", "pbag", "pmod", "pgen", "inst",
                                       "ibag", "imod", "igen", "shdr"};
    std::vector<uint8_t> presetChunks;
    for (std::size_t i = 0; i < lists.size(); ++i)
        putChunk(presetChunks, tags[i], lists[i]);
    std::vector<uint8_t> body = list("sfbk", {});
    putChunk(body, "LIST", list("INFO", info));
    putChunk(body, "LIST", list("sdta", sampleChunks));
    putChunk(body, "LIST", list("pdta", presetChunks));
    std::vector<uint8_t> file;
    putChunk(file, "RIFF", body);
    return file;
}

bool TinySoundFont::save(const std::string& path) const {
    const std::vector<uint8_t> data = bytes();
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(out);
}
