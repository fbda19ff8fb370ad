#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A small SoundFont made up in memory: a melodic preset 0:0 (two zones, below and from middle
// C, each with its own sample), a drum kit 128:0 (keys 36, 38 and 42, each its own sample, and
// a global zone) and a second melodic preset 0:5 sharing the first one's instrument. Its lists
// can be spoilt before bytes() to make damaged files.
struct TinySoundFont {
    enum List { Phdr, Pbag, Pmod, Pgen, Inst, Ibag, Imod, Igen, Shdr };
    std::array<std::vector<uint8_t>, 9> lists;
    std::vector<int16_t> sampleData;
    // The version record's bytes (major, then minor, each 16 bits); none at all when empty.
    std::vector<uint8_t> version = {2, 0, 1, 0};

    TinySoundFont();
    std::vector<uint8_t> bytes() const;
    // Writes bytes() to a file; false when it cannot.
    bool save(const std::string& path) const;

    static void putU16(std::vector<uint8_t>& list, std::size_t at, uint16_t value);

private:
    void addSample(const char* name, double cyclesPerPoint);
    void addPreset(const char* name, int bank, int program);
    void addPresetZone(int low, int high, int instrument);
    void addInstrument(const char* name);
    void addInstrumentZone(int low, int high, int sample);
    void addGlobalInstrumentZone();
    void close();
};
