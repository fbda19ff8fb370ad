#include "PianoKeyboard.h"

namespace tonewise {

namespace {

struct KeyRow {
    const char* name;
    int midi;
    int left;
};

// Left edges at the design size.
constexpr KeyRow WhiteKeys[] = {
    {"F1", 41, 1},   {"G1", 43, 26},  {"A1", 45, 51},  {"B1", 47, 76},  {"C2", 48, 101},
    {"D2", 50, 126}, {"E2", 52, 151}, {"F2", 53, 176}, {"G2", 55, 201}, {"A2", 57, 226},
    {"B2", 59, 251}, {"C3", 60, 276}, {"D3", 62, 301}, {"E3", 64, 326}, {"F3", 65, 350},
    {"G3", 67, 375}, {"A3", 69, 400}, {"B3", 71, 425}, {"C4", 72, 450}, {"D4", 74, 475},
    {"E4", 76, 500}, {"F4", 77, 525}, {"G4", 79, 550}, {"A4", 81, 575}, {"B4", 83, 600},
};

constexpr KeyRow BlackKeys[] = {
    {"F1sharp", 42, 17},  {"G1sharp", 44, 42},  {"A1sharp", 46, 67},  {"C2sharp", 49, 117},
    {"D2sharp", 51, 143}, {"F2sharp", 54, 192}, {"G2sharp", 56, 217}, {"A2sharp", 58, 242},
    {"C3sharp", 61, 292}, {"D3sharp", 63, 317}, {"F3sharp", 66, 366}, {"G3sharp", 68, 391},
    {"A3sharp", 70, 416}, {"C4sharp", 73, 466}, {"D4sharp", 75, 491}, {"F4sharp", 78, 541},
    {"G4sharp", 80, 566}, {"Bb4", 82, 590},
};

// The interval keys run from B1 (0 semitones) to E4 (17).
constexpr int LowestIntervalKeyMidi = 47;
constexpr int HighestIntervalKeyMidi = 76;

std::vector<PianoKey> buildKeys() {
    std::vector<PianoKey> keys(HighestKeyMidi - LowestKeyMidi + 1);
    int semitones = 0;
    for (const KeyRow& row : WhiteKeys) {
        PianoKey& key = keys[row.midi - LowestKeyMidi];
        key = {QString::fromLatin1(row.name), static_cast<std::uint8_t>(row.midi), row.left, false,
               -1};
        if (row.midi >= LowestIntervalKeyMidi && row.midi <= HighestIntervalKeyMidi)
            key.intervalSemitones = semitones++;
    }
    for (const KeyRow& row : BlackKeys) {
        keys[row.midi - LowestKeyMidi] = {QString::fromLatin1(row.name),
                                          static_cast<std::uint8_t>(row.midi), row.left, true, -1};
    }
    return keys;
}

} // namespace

const std::vector<PianoKey>& KeyboardKeys() {
    static const std::vector<PianoKey> keys = buildKeys();
    return keys;
}

const PianoKey* findKeyboardKey(QStringView name) {
    for (const PianoKey& key : KeyboardKeys()) {
        if (key.name == name)
            return &key;
    }
    return nullptr;
}

const PianoKey* keyboardKeyForMidi(int midi) {
    if (midi < LowestKeyMidi || midi > HighestKeyMidi)
        return nullptr;
    return &KeyboardKeys()[midi - LowestKeyMidi];
}

QString noteNameCaption(const PianoKey& key, NoteNaming naming) {
    if (key.black)
        return {};
    const QChar letter = key.name.front();
    return naming == NoteNaming::Letters ? QString(letter) : letterSyllable(letter);
}

} // namespace tonewise
