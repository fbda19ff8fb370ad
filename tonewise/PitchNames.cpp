#include "PitchNames.h"

namespace tonewise {

namespace {

// Pitch class of the natural letters, C = 0.
std::optional<int> pitchClassOf(QChar letter) {
    switch (letter.unicode()) {
    case 'C':
        return 0;
    case 'D':
        return 2;
    case 'E':
        return 4;
    case 'F':
        return 5;
    case 'G':
        return 7;
    case 'A':
        return 9;
    case 'B':
        return 11;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<PitchName> parsePitchName(QStringView name) {
    if (name.size() < 2 || name.size() > 3 || !pitchClassOf(name.front()))
        return std::nullopt;
    PitchName pitch;
    pitch.letter = name.front();
    if (name.size() == 3) {
        if (name[1] == u'#')
            pitch.alteration = 1;
        else if (name[1] == u'b')
            pitch.alteration = -1;
        else
            return std::nullopt;
    }
    const QChar digit = name.back();
    if (digit < u'0' || digit > u'9')
        return std::nullopt;
    pitch.octave = digit.unicode() - u'0';
    return pitch;
}

std::optional<int> midiNoteOf(QStringView name) {
    const auto pitch = parsePitchName(name);
    if (!pitch)
        return std::nullopt;
    return 12 * (pitch->octave + 2) + *pitchClassOf(pitch->letter) + pitch->alteration;
}

QString letterSyllable(QChar letter) {
    switch (letter.unicode()) {
    case 'C':
        return QStringLiteral("Dó");
    case 'D':
        return QStringLiteral("Ré");
    case 'E':
        return QStringLiteral("Mi");
    case 'F':
        return QStringLiteral("Fá");
    case 'G':
        return QStringLiteral("Sol");
    case 'A':
        return QStringLiteral("Lá");
    case 'B':
        return QStringLiteral("Si");
    default:
        return {};
    }
}

QString syllableName(QStringView name) {
    const auto pitch = parsePitchName(name);
    if (!pitch)
        return name.toString();
    QString result = letterSyllable(pitch->letter);
    if (pitch->alteration < 0)
        result += QStringLiteral("(b)");
    else if (pitch->alteration > 0)
        result += u'#';
    result += QChar(u'0' + pitch->octave);
    return result;
}

} // namespace tonewise
