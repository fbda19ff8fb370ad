#include "Intervals.h"

#include <array>

namespace tonewise {

namespace {

struct IntervalRow {
    const char* key;
    const char* caption;
    KeyFace face;
    const char* hint;
    const char* name;
};

constexpr std::array<IntervalRow, IntervalKeyCount> IntervalRows{{
    {"B1", "P1", KeyFace::Lime, "", "Perfect 1"},
    {"C2", "m2", KeyFace::Yellow, "", "minor 2"},
    {"D2", "M2", KeyFace::Yellow, "", "Major 2"},
    {"E2", "m3", KeyFace::Aqua, "minor 3 = Augmented 2", "minor 3 (or Aug2)"},
    {"F2", "M3", KeyFace::Aqua, "Major 3 = diminished 4", "Major 3 (or Dim4)"},
    {"G2", "P4", KeyFace::Lime, "", "Perfect 4"},
    {"A2", "A4", KeyFace::Silver, "Augmented 4 = diminished 5", "Aug4 (or dim5)"},
    {"B2", "P5", KeyFace::Lime, "", "Perfect 5"},
    {"C3", "m6", KeyFace::Aqua, "minor 6 = Augmented 5", "minor 6 (or Aug 5)"},
    {"D3", "M6", KeyFace::Aqua, "Major 6 = diminished 7", "Major 6 (or dim7)"},
    {"E3", "m7", KeyFace::Yellow, "", "minor 7"},
    {"F3", "M7", KeyFace::Yellow, "", "Major 7"},
    {"G3", "P8", KeyFace::Lime, "", "Perfect 8"},
    {"A3", "m9", KeyFace::Yellow, "", "minor 9"},
    {"B3", "M9", KeyFace::Yellow, "", "Major 9"},
    {"C4", "m10", KeyFace::Aqua, "minor 10 = Augmented 9", "minor 10 (or Aug9)"},
    {"D4", "M10", KeyFace::Aqua, "Major 10 = diminished 11", "Major 10"},
    {"E4", "P11", KeyFace::Lime, "", "Perfect 11"},
}};

} // namespace

std::optional<IntervalKeyLook> intervalKeyLook(int semitones) {
    if (semitones < 0 || semitones >= IntervalKeyCount)
        return std::nullopt;
    const IntervalRow& row = IntervalRows[static_cast<std::size_t>(semitones)];
    return IntervalKeyLook{QString::fromLatin1(row.key), QString::fromLatin1(row.caption), row.face,
                           QString::fromLatin1(row.hint)};
}

std::optional<QString> intervalName(int semitones) {
    if (semitones < 0 || semitones >= IntervalKeyCount)
        return std::nullopt;
    return QString::fromLatin1(IntervalRows[static_cast<std::size_t>(semitones)].name);
}

} // namespace tonewise
