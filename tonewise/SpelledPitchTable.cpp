#include "SpelledPitchTable.h"

#include <algorithm>

namespace tonewise {

namespace {

// Letters upwards from F, as the diatonic steps of the table run.
constexpr char LettersFromF[] = {'F', 'G', 'A', 'B', 'C', 'D', 'E'};

QString nameOf(char letter, const char* accidental, int octave) {
    return QString(QChar(letter)) + QLatin1String(accidental) + QString::number(octave);
}

SpelledPitchRows buildTable() {
    SpelledPitchRows rows;
    for (int k = 0; k < 24; ++k) {
        const char letter = LettersFromF[k % 7];
        // The octave digit changes between B and C: F1 G1 A1 B1 C2 ...
        const int octave = 1 + (k + 3) / 7;
        const int staffY = 72 - 4 * k;
        const QString natural = nameOf(letter, "", octave);
        const int midi = *midiNoteOf(natural);
        rows[3 * k] = {natural, midi, staffY};
        if (3 * k + 1 < SpelledPitchCount)
            rows[3 * k + 1] = {nameOf(letter, "#", octave), midi + 1, staffY};
        if (k > 0)
            rows[3 * k - 1] = {nameOf(letter, "b", octave), midi - 1, staffY};
    }
    return rows;
}

} // namespace

const SpelledPitchRows& SpelledPitchTable() {
    static const SpelledPitchRows table = buildTable();
    return table;
}

std::optional<int> spelledPositionOf(QStringView name) {
    const auto& table = SpelledPitchTable();
    for (int position = 0; position < SpelledPitchCount; ++position) {
        if (table[position].name == name)
            return position;
    }
    return std::nullopt;
}

std::int8_t FindSpelledIndex(const QStringList& StepList, int QuestionStep,
                             std::int8_t SpelledIndex) {
    if (QuestionStep < 0 || QuestionStep >= StepList.size())
        return SpelledIndex;
    const auto position = spelledPositionOf(StepList.at(QuestionStep));
    return position ? static_cast<std::int8_t>(*position) : SpelledIndex;
}

std::int8_t OctaveLower(std::int8_t SpelledIndex) {
    if (SpelledIndex - OctaveOfPositions < 0)
        return SpelledIndex;
    return static_cast<std::int8_t>(SpelledIndex - OctaveOfPositions);
}

AppliedSpelling ApplySpelledIndex(int SpelledIndex, std::uint8_t PreviousPitch) {
    const SpelledPitch& row =
        SpelledPitchTable()[std::clamp(SpelledIndex, 0, SpelledPitchCount - 1)];
    AppliedSpelling applied;
    applied.LetterName = row.name;
    applied.QuestionPitch = static_cast<std::uint8_t>(row.midi);
    applied.NoteY = row.staffY;
    applied.QuestionInterval = static_cast<std::int8_t>(applied.QuestionPitch - PreviousPitch);
    return applied;
}

QString AccidentalFor(int position) {
    switch (((position % 3) + 3) % 3) {
    case 0:
        return QStringLiteral("n");
    case 1:
        return QStringLiteral("#");
    default:
        return QStringLiteral("b");
    }
}

QString ChooseDisplayName(NoteNaming naming, const QString& LetterName) {
    return naming == NoteNaming::Letters ? LetterName : syllableName(LetterName);
}

} // namespace tonewise
