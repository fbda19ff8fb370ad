#include "KeySignature.h"

#include <algorithm>
#include <array>

namespace notation {

namespace {

struct SignaturePlace {
    int x;
    int trebleY;
    int bassY;
};

// The accidentals stand one staff space apart from just after the clefs; the sixth, which lies
// well above or below the fifth, closes up to 6 units so that the signature ends before the first
// note's accidental. The fifth sharp sits on the bass staff's top line rather than in its lowest
// space.
constexpr std::array<SignaturePlace, 6> kSharps{{
    {24, -12, 44}, // F#
    {32, 0, 56},   // C#
    {40, -16, 40}, // G#
    {48, -4, 52},  // D#
    {56, 8, 36},   // A#
    {62, -8, 48},  // E#
}};

constexpr std::array<SignaturePlace, 6> kFlats{{
    {24, 4, 60},  // Bb
    {32, -8, 48}, // Eb
    {40, 8, 64},  // Ab
    {48, -4, 52}, // Db
    {56, 12, 68}, // Gb
    {62, 0, 56},  // Cb
}};

} // namespace

std::vector<KeySignatureGlyph> keySignatureGlyphs(const QString& kind, int count) {
    const std::array<SignaturePlace, 6>* places = nullptr;
    if (kind == QLatin1String("#"))
        places = &kSharps;
    else if (kind == QLatin1String("b"))
        places = &kFlats;
    std::vector<KeySignatureGlyph> glyphs;
    if (places == nullptr)
        return glyphs;
    const int n = std::clamp(count, 0, static_cast<int>(places->size()));
    for (int i = 0; i < n; ++i) {
        const SignaturePlace& place = (*places)[static_cast<std::size_t>(i)];
        glyphs.push_back({kind, place.x, place.trebleY});
        glyphs.push_back({kind, place.x, place.bassY});
    }
    return glyphs;
}

} // namespace notation
