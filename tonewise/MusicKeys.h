#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tonewise {

// The 16 spelled names of the chosen key (row 0, columns 1 to 16 of the hidden grid):
//   1 - 8   steps 1 to 8 upwards from the tonic (8 is the tonic an octave up)
//   9 - 11  steps 7, 6 and 5 one octave lower (just below the tonic)
//   12      parallel 3 (the third of the other mode)
//   13, 14  parallel 6, upper octave and one octave lower
//   15, 16  parallel 7, upper octave and one octave lower
struct KeyStepTable {
    static constexpr int ColumnCount = 16;
    std::array<QString, ColumnCount> columns; // columns[0] holds column 1

    // Column 1 .. 16; an empty text outside that range.
    QString column(int column) const;
    void setColumn(int column, const QString& name);

    friend bool operator==(const KeyStepTable&, const KeyStepTable&) = default;
};

// One item of the key menu's signature submenus ("0 signature", "1 sharp", ... "6 flats").
struct SignatureSubmenu {
    QString item;    // "N0signature1", "N1sharp1", ...
    QString caption; // "0 signature", "1 sharp", ...
};

// The 13 signature submenus in menu order; they form one radio group.
const std::vector<SignatureSubmenu>& SignatureSubmenus();

// One of the 24 keys, major or harmonic minor, up to six sharps or flats.
struct MusicKey {
    int KeyIndex = 0;      // 0 .. 23, the order auto-modulation draws from
    QString item;          // menu item name, "CMajor", "Aminor", "FsharpMinor" ...
    QString caption;       // "C Major", "A minor", "F# Minor" ...
    int submenu = 0;       // index into SignatureSubmenus()
    bool minor = false;    // harmonic minor: step 7 is the raised seventh
    QString keyText;       // the key line, "Key = A Harmonic Minor."
    QString SignatureKind; // "#" sharps, "b" flats, " " C Major, "n" A minor
    std::int8_t SignatureCount = 0;
    QString LeadingToneAccidental; // "#" or "n" before a minor key's raised seventh; " " in major
    // SpelledPitchTable positions of the raised seventh (columns 7 and 9 and the same note an
    // octave lower), 21 apart; major keys have none and leave the previous three in place.
    std::optional<std::array<std::int8_t, 3>> LeadingToneSpellings;
    // The key's table; Db and Gb Major fill only columns 1 to 11 (their parallel notes would need
    // double flats) and leave columns 12 to 16 empty here.
    KeyStepTable steps;
    int filledColumns = KeyStepTable::ColumnCount;
    // F# Major and C# Minor, which the program also selects on its own, mark their submenu too.
    bool marksSubmenu = false;
    // What the answer line shows after the key is chosen: " " for C Major, empty otherwise.
    QString answerLineText;
};

constexpr int KeyCount = 24;
constexpr int CMajorIndex = 0;
constexpr int CsharpMinorIndex = 17;
constexpr int DbMajorIndex = 18;
constexpr int GbMajorIndex = 19;
constexpr int FsharpMajorIndex = 21;

// The 24 keys in KeyIndex order.
const std::vector<MusicKey>& MusicKeys();

// The key with that menu caption ("F# Minor"), matched case-insensitively, or null.
const MusicKey* findKeyByCaption(QStringView caption);

// Writes the key's columns into `table`: all 16, or columns 1 to 11 for Db and Gb Major, which
// leave columns 12 to 16 as they were.
void applyKeyStepTable(KeyStepTable& table, const MusicKey& key);

// The C Major table that start-up writes.
void SetDefaultKeyTable(KeyStepTable& table);

// A key without parallel notes is replaced by its enharmonic equivalent while a parallel level
// is active: Db Major by C# Minor, Gb Major by F# Major.
struct EnharmonicReplacement {
    int replacedKey = 0; // KeyIndex of Db or Gb Major
    int byKey = 0;       // KeyIndex of C# Minor or F# Major
    // Choosing Db Major first restarts the exercise in Db Major (all six steps of the key
    // selection) and then selects C# Minor; choosing Gb Major skips that restart and goes
    // straight on to F# Major.
    bool restartBeforeReplacing = false;
};

// What selecting `keyIndex` leads to; nothing when the key stays.
std::optional<EnharmonicReplacement> replacementOnKeySelect(int keyIndex, bool ParallelLevelActive);

// The signature submenu a key belongs to.
const SignatureSubmenu& submenuOf(const MusicKey& key);

// One accidental of a key signature.
struct SignatureGlyph {
    QString glyph; // "#" or "b"
    QString pitch; // the note it stands for, "F#" ... "Cb"
};

// The accidentals a signature writes, in order: the first `SignatureCount` sharps for kind "#",
// flats for kind "b"; nothing for " " (C Major) and "n" (A minor).
std::vector<SignatureGlyph> keySignatureGlyphs(QStringView SignatureKind, int SignatureCount);

} // namespace tonewise
