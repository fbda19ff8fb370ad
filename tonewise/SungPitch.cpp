#include "SungPitch.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

namespace tonewise {

namespace {

constexpr int LowestKey = 41;  // F1
constexpr int HighestKey = 83; // B4
constexpr int LowestKeyY = 72;
constexpr int UnitsPerStep = 4;

// Diatonic steps from C, a black key halfway between its neighbours.
constexpr std::array<double, 12> StepsFromC = {0, 0.5, 1, 1.5, 2, 3, 3.5, 4, 4.5, 5, 5.5, 6};

double diatonicSteps(int midiNote) {
    return 7.0 * (midiNote / 12) + StepsFromC[static_cast<std::size_t>(midiNote % 12)];
}

} // namespace

int sungAnswerPitch(int sungNote, int questionPitch, bool exactOctave) {
    if (exactOctave)
        return sungNote;
    int apart = ((sungNote - questionPitch) % 12 + 12) % 12;
    if (apart > 6)
        apart -= 12;
    return questionPitch + apart;
}

QString sungNoteName(int midiNote) {
    static const QStringList names = {
        QStringLiteral("C"),  QStringLiteral("C#"), QStringLiteral("D"),  QStringLiteral("D#"),
        QStringLiteral("E"),  QStringLiteral("F"),  QStringLiteral("F#"), QStringLiteral("G"),
        QStringLiteral("G#"), QStringLiteral("A"),  QStringLiteral("A#"), QStringLiteral("B")};
    const int note = std::max(midiNote, 0);
    return names[note % 12] + QString::number(note / 12 - 2);
}

double sungStaffY(double pitch) {
    const double held = std::clamp(pitch, double(LowestKey), double(HighestKey));
    const int below = static_cast<int>(std::floor(held));
    const double fraction = held - below;
    const double steps =
        diatonicSteps(below) +
        fraction * (diatonicSteps(std::min(below + 1, 127)) - diatonicSteps(below));
    return LowestKeyY - UnitsPerStep * (steps - diatonicSteps(LowestKey));
}

} // namespace tonewise
