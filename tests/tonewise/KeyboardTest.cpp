#include "PianoKeyboard.h"

#include <gtest/gtest.h>

using namespace tonewise;

TEST(Keyboard, FortyThreeKeysWithoutGapsNamedAfterTheirPitch) {
    const auto& keys = KeyboardKeys();
    ASSERT_EQ(keys.size(), 43u);
    int white = 0;
    int black = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const PianoKey& key = keys[i];
        EXPECT_EQ(key.midi, LowestKeyMidi + static_cast<int>(i));
        QString pitch = key.name;
        if (key.black && pitch.endsWith(QLatin1String("sharp")))
            pitch = pitch.left(1) + u'#' + pitch.mid(1, 1);
        EXPECT_EQ(midiNoteOf(pitch), key.midi) << key.name.toStdString();
        key.black ? ++black : ++white;
    }
    EXPECT_EQ(white, WhiteKeyCount);
    EXPECT_EQ(black, BlackKeyCount);
    EXPECT_EQ(keys.back().name, "B4");
    EXPECT_EQ(findKeyboardKey(u"Bb4")->midi, 82);
    EXPECT_TRUE(findKeyboardKey(u"Bb4")->black);
    EXPECT_EQ(findKeyboardKey(u"C3")->midi, 60);
    EXPECT_EQ(findKeyboardKey(u"C3")->left, 276);
    EXPECT_EQ(findKeyboardKey(u"F3")->left, 350);
    EXPECT_EQ(findKeyboardKey(u"G4sharp")->left, 566);
    EXPECT_EQ(findKeyboardKey(u"A4sharp"), nullptr);
    EXPECT_EQ(keyboardKeyForMidi(40), nullptr);
    EXPECT_EQ(keyboardKeyForMidi(84), nullptr);
}

TEST(Keyboard, BlackKeysLieOverTheGapBetweenTheirWhiteKeys) {
    const auto& keys = KeyboardKeys();
    int previousWhiteLeft = -1000;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const PianoKey& key = keys[i];
        if (!key.black) {
            EXPECT_GT(key.left, previousWhiteLeft);
            previousWhiteLeft = key.left;
            continue;
        }
        const PianoKey& below = keys[i - 1];
        const PianoKey& above = keys[i + 1];
        ASSERT_FALSE(below.black);
        ASSERT_FALSE(above.black);
        EXPECT_LT(key.left, below.left + WhiteKeyWidth) << key.name.toStdString();
        EXPECT_GT(key.left + BlackKeyWidth, above.left) << key.name.toStdString();
    }
    EXPECT_EQ(findKeyboardKey(u"B4")->left + WhiteKeyWidth, 626);
}

TEST(Keyboard, IntervalKeysRunFromB1ToE4) {
    int intervalKeys = 0;
    for (const PianoKey& key : KeyboardKeys()) {
        if (key.intervalSemitones >= 0) {
            EXPECT_FALSE(key.black);
            EXPECT_EQ(key.intervalSemitones, intervalKeys++);
        }
    }
    EXPECT_EQ(intervalKeys, 18);
    EXPECT_EQ(findKeyboardKey(u"B1")->intervalSemitones, 0);
    EXPECT_EQ(findKeyboardKey(u"C3")->intervalSemitones, 8);
    EXPECT_EQ(findKeyboardKey(u"E4")->intervalSemitones, 17);
    EXPECT_EQ(findKeyboardKey(u"A1")->intervalSemitones, -1);
    EXPECT_EQ(findKeyboardKey(u"F4")->intervalSemitones, -1);
}

TEST(Keyboard, NoteNameCaptionsOnWhiteKeysOnly) {
    EXPECT_EQ(noteNameCaption(*findKeyboardKey(u"C3"), NoteNaming::Letters), "C");
    EXPECT_EQ(noteNameCaption(*findKeyboardKey(u"C4"), NoteNaming::Syllables),
              QString::fromUtf16(u"Dó"));
    EXPECT_EQ(noteNameCaption(*findKeyboardKey(u"G1"), NoteNaming::Syllables), "Sol");
    EXPECT_EQ(noteNameCaption(*findKeyboardKey(u"F1sharp"), NoteNaming::Letters), "");
    EXPECT_EQ(noteNameCaption(*findKeyboardKey(u"Bb4"), NoteNaming::Syllables), "");
}
