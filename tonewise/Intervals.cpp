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
    {"B1", "P1", KeyFace::Lime, "", QT_TRANSLATE_NOOP("Intervals", "Perfect 1")},
    {"C2", "m2", KeyFace::Yellow, "", QT_TRANSLATE_NOOP("Intervals", "minor 2")},
    {"D2", "M2", KeyFace::Yellow, "", QT_TRANSLATE_NOOP("Intervals", "Major 2")},
    {"E2", "m3", KeyFace::Aqua, QT_TRANSLATE_NOOP("KeyHints", "minor 3 = Augmented 2"),
     QT_TRANSLATE_NOOP("Intervals", "minor 3 (or Aug2)")},
    {"F2", "M3", KeyFace::Aqua, QT_TRANSLATE_NOOP("KeyHints", "Major 3 = diminished 4"),
     QT_TRANSLATE_NOOP("Intervals", "Major 3 (or Dim4)")},
    {"G2", "P4", KeyFace::Lime, "", QT_TRANSLATE_NOOP("Intervals", "Perfect 4")},
    {"A2", "A4", KeyFace::Silver, QT_TRANSLATE_NOOP("KeyHints", "Augmented 4 = diminished 5"),
     QT_TRANSLATE_NOOP("Intervals", "Aug4 (or dim5)")},
    {"B2", "P5", KeyFace::Lime, "", QT_TRANSLATE_NOOP("Intervals", "Perfect 5")},
    {"C3", "m6", KeyFace::Aqua, QT_TRANSLATE_NOOP("KeyHints", "minor 6 = Augmented 5"),
     QT_TRANSLATE_NOOP("Intervals", "minor 6 (or Aug 5)")},
    {"D3", "M6", KeyFace::Aqua, QT_TRANSLATE_NOOP("KeyHints", "Major 6 = diminished 7"),
     QT_TRANSLATE_NOOP("Intervals", "Major 6 (or dim7)")},
    {"E3", "m7", KeyFace::Yellow, "", QT_TRANSLATE_NOOP("Intervals", "minor 7")},
    {"F3", "M7", KeyFace::Yellow, "", QT_TRANSLATE_NOOP("Intervals", "Major 7")},
    {"G3", "P8", KeyFace::Lime, "", QT_TRANSLATE_NOOP("Intervals", "Perfect 8")},
    {"A3", "m9", KeyFace::Yellow, "", QT_TRANSLATE_NOOP("Intervals", "minor 9")},
    {"B3", "M9", KeyFace::Yellow, "", QT_TRANSLATE_NOOP("Intervals", "Major 9")},
    {"C4", "m10", KeyFace::Aqua, QT_TRANSLATE_NOOP("KeyHints", "minor 10 = Augmented 9"),
     QT_TRANSLATE_NOOP("Intervals", "minor 10 (or Aug9)")},
    {"D4", "M10", KeyFace::Aqua, QT_TRANSLATE_NOOP("KeyHints", "Major 10 = diminished 11"),
     QT_TRANSLATE_NOOP("Intervals", "Major 10")},
    {"E4", "P11", KeyFace::Lime, "", QT_TRANSLATE_NOOP("Intervals", "Perfect 11")},
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
