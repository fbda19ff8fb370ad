#pragma once

#include "ControlState.h"
#include "Intervals.h"
#include "MusicKeys.h"
#include "PianoKeyboard.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace tonewise {

// The five text displays of the window.
enum class PitchField { Key, QuestShw, AnsShow, Score, Items };

// One key of the keyboard as the window shows it.
struct KeyControl {
    QString caption = QStringLiteral(" ");
    bool enabled = true;
    bool visible = true;
    KeyFace face = KeyFace::Default;
    int captionMargin = 0; // 1 puts the caption at the bottom edge of the key
    QString hint;
    bool showHint = true;
};

// One text of the staff in the music font at a point of the paint box: "=======", "&", "?",
// "#", "b", "n", "w", "--". `erase` marks the white staff that clears what was drawn before.
struct StaffGlyph {
    QString text;
    int x = 0;
    int y = 0;
    bool erase = false;

    bool operator==(const StaffGlyph&) const = default;
};

// The output device chooser: hidden and disabled except while the student picks a device.
struct OutputChooser {
    bool visible = false;
    bool enabled = false;
    QStringList entries{QStringLiteral("MIDI_MAPPER")}; // sorted
    int currentIndex = 0;

    QString text() const {
        return currentIndex >= 0 && currentIndex < entries.size() ? entries.at(currentIndex)
                                                                  : QString();
    }
};

// What the pitch trainer's window shows: the displays (whose texts the exercise also reads
// back, as the student sees them), the buttons and keys, the staff's glyphs at their places,
// and the menus' captions, marks and enabled items.
struct PitchView {
    // --- The displays and buttons
    // -----------------------------------------------------------------
    QString Key = QStringLiteral("Key = C Major.");
    QString QuestShw = QStringLiteral("Scale-steps = 1, 3, 5.");
    QString AnsShow;
    QString Score;
    QString Items;
    ControlState StartButton{QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Start-Reset Score"))};
    ControlState AnsDisplay{QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Next Answer?"))};
    ControlState RepeatNotes{QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Repeat Notes"))};
    OutputChooser cmbOutput;
    std::array<KeyControl, WhiteKeyCount + BlackKeyCount> keys; // in KeyboardKeys() order
    // The key of that name ("C3", "F1sharp"); null for a name the keyboard does not have.
    KeyControl* keyControl(QStringView name) {
        const auto& layout = KeyboardKeys();
        for (std::size_t i = 0; i < layout.size(); ++i)
            if (layout[i].name == name)
                return &keys[i];
        return nullptr;
    }

    // --- The staff ------------------------------------------------------------------------------
    std::int32_t PenX = 0;
    std::vector<StaffGlyph> staff; // what the paint box shows, in drawing order

    // --- Menus -----------------------------------------------------------------------------------
    int signatureSubmenuMark = -1; // the marked signature submenu, -1 while none is
    // The marked key item of each signature submenu (its KeyIndex), -1 where none is.
    std::array<int, 13> keyMarks = [] {
        std::array<int, 13> marks{};
        marks.fill(-1);
        marks[0] = CMajorIndex;
        return marks;
    }();
    ControlState practiceMenu{
        QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Practice Intervals?"))};
    bool octaveMenuEnabled = true;
    ControlState noteNamesMenu{QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Note Names On?"))};
    bool repeatLastNoteMenuEnabled = true;
    ControlState hintsItem{QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Interval Hints On?")),
                           false};
    bool keysMenuEnabled = true;
    bool scaleStepsMenuEnabled = true;
    bool advanceMenuEnabled = true;
    bool quizOnEnabled = true;       // "Prepare Quiz"
    bool beginTestEnabled = false;   // "Quiz in Progress"
    bool reviewScoresEnabled = true; // "View Scores"

    bool busy = false; // the busy cursor while devices are counted
};

} // namespace tonewise
