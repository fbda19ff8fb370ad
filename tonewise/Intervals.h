#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tonewise {

// The face colour a key is drawn with; Default is the key's own colour (silver or grey).
enum class KeyFace { Default, Lime, Yellow, Aqua, Silver };

constexpr int IntervalKeyCount = 18; // B1 .. E4 stand for 0 .. 17 semitones

// How an interval key looks in "Intervals" practice: perfect intervals are lime, those with an
// enharmonic double aqua, seconds, sevenths and ninths yellow, the tritone silver.
struct IntervalKeyLook {
    QString key;     // "B1" .. "E4"
    QString caption; // "P1", "m2", ... "P11"
    KeyFace face = KeyFace::Silver;
    QString hint; // the enharmonic double, where there is one
};

// The look of the key that stands for `semitones` (0 .. 17); nothing outside that range.
std::optional<IntervalKeyLook> intervalKeyLook(int semitones);

// The name of an interval of `semitones` (0 .. 17): "Perfect 1", "minor 2", ... "Perfect 11";
// nothing for larger intervals.
std::optional<QString> intervalName(int semitones);

// The seven keys whose hints name an enharmonic double, switched by "Interval Hints On?".
inline constexpr const char* HintKeys[] = {"E2", "F2", "A2", "C3", "D3", "C4", "D4"};

} // namespace tonewise
