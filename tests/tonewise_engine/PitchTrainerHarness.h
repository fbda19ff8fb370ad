#pragma once

#include "MidiOut.h"
#include "PitchMenus.h"
#include "PitchTrainer.h"
#include "RecordingMidiPlatform.h"
#include "ReplayableRandom.h"
#include "ScoreStore.h"
#include "ScriptedDialogs.h"
#include "VirtualClock.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include <ostream>

// Texts in failure messages as the student reads them.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tonewise {

// One short MIDI message as the synthesizer receives it.
using Midi = std::array<int, 3>;

inline Midi noteOn(int note) {
    return {0x90, note, 127};
}
inline Midi noteOff(int note) {
    return {0x80, note, 127};
}
inline Midi programChange(int program) {
    return {0xC0, program, 0};
}

// The pitch trainer after start-up (FormCreate, then Initial), wired to scripted boxes, a
// recording MIDI output, a virtual clock and a score folder of its own. Its random draws repeat
// from run to run.
class PitchTrainerTest : public ::testing::Test {
protected:
    QTemporaryDir scoreRoot;
    scores::ScoreStore store{scoreRoot.path() + QStringLiteral("/Qor_Music")};
    ScriptedDialogs dialogs;
    RecordingMidiPlatform platform{{QStringLiteral("Built-in synthesizer")}};
    TMidiOutput output{nullptr, &platform};
    VirtualClock clock;
    ReplayableRandom random{20261208, [this] { return clock.now(); }};
    PitchTrainer trainer{dialogs, output, random, clock, clock, store};
    std::vector<PitchMenuItem> menus = pitchMenuBar();

    void SetUp() override {
        trainer.FormCreate();
        trainer.Initial();
    }

    const PitchState& state() const { return trainer.state(); }

    // Every message sent since the last clearMidi().
    std::vector<Midi> midi() const {
        std::vector<Midi> messages;
        for (const RecordingMidiPlatform::Message& m : platform.sent)
            messages.push_back({m.status, m.data1, m.data2});
        return messages;
    }
    void clearMidi() { platform.sent.clear(); }
    int count(const Midi& message) const {
        int n = 0;
        for (const Midi& m : midi())
            n += m == message ? 1 : 0;
        return n;
    }

    // Lets the notes play until the exercise waits for the student.
    void settle() { clock.advance(1000); }

    // The name of the key that sounds `midi` ("C3", "G3sharp").
    static QString keyFor(int midi) {
        const PianoKey* key = keyboardKeyForMidi(midi);
        return key ? key->name : QString();
    }
    // The white key that stands for `semitones` in Intervals practice ("E2" for 3).
    static QString intervalKeyFor(int semitones) {
        for (const PianoKey& key : KeyboardKeys())
            if (key.intervalSemitones == semitones)
                return key.name;
        return QString();
    }
    const KeyControl& key(const QString& name) const {
        const auto& keys = KeyboardKeys();
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i].name == name)
                return state().keys[i];
        throw std::out_of_range("no such key");
    }

    // Clicks the key of the question note (in Intervals practice the key of the interval from
    // the reference note), then lets the next question sound.
    void answerRight() {
        if (state().practice == Practice::Intervals)
            trainer.KeyClick(
                intervalKeyFor(std::abs(state().QuestionPitch - state().PreviousPitch)));
        else
            trainer.KeyClick(keyFor(state().QuestionPitch));
        settle();
    }
    // Clicks a key a semitone away from the right one, then lets the replay sound.
    void answerWrong() {
        if (state().practice == Practice::Intervals) {
            // Unison, thirds and the fifth are offered at every level.
            const int size = std::abs(state().QuestionPitch - state().PreviousPitch);
            trainer.KeyClick(intervalKeyFor(size == 0 ? 3 : 0));
        } else {
            trainer.KeyClick(keyFor(state().QuestionPitch + 1));
        }
        settle();
    }

    // "Start-Reset Score", then `wrong` wrong answers and `right` right ones.
    void answerFromStart(int wrong, int right) {
        trainer.StartButtonClick();
        settle();
        for (int i = 0; i < wrong; ++i)
            answerWrong();
        for (int i = 0; i < right; ++i)
            answerRight();
    }

    // Runs the menu command at that path of captions, opening the submenus on the way.
    void menu(const QStringList& path) {
        const std::vector<PitchMenuItem>* level = &menus;
        const PitchMenuItem* item = nullptr;
        for (const QString& step : path) {
            item = findMenuItem(*level, state(), {step});
            ASSERT_NE(item, nullptr) << step.toStdString();
            ASSERT_TRUE(item->isEnabled(state())) << step.toStdString();
            if (item->opened)
                item->opened(trainer);
            level = &item->children;
        }
        ASSERT_TRUE(item->triggered) << path.join(QStringLiteral(" > ")).toStdString();
        item->triggered(trainer);
    }
    bool menuChecked(const QStringList& path) const {
        const PitchMenuItem* item = findMenuItem(menus, state(), path);
        return item && item->isChecked(state());
    }

    // The glyphs the staff shows, without the white erase.
    std::vector<StaffGlyph> staff() const {
        std::vector<StaffGlyph> glyphs;
        for (const StaffGlyph& glyph : state().staff)
            if (!glyph.erase)
                glyphs.push_back(glyph);
        return glyphs;
    }
    bool staffHas(const QString& text, int x, int y) const {
        for (const StaffGlyph& glyph : staff())
            if (glyph == StaffGlyph{text, x, y, false})
                return true;
        return false;
    }
};

} // namespace tonewise
