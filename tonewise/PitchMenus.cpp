#include "PitchMenus.h"

#include "PitchTrainer.h"

#include <QCoreApplication>

namespace tonewise {

namespace {

using Check = std::function<bool(const PitchState&)>;
using Action = std::function<void(PitchTrainer&)>;

std::function<QString(const PitchState&)> fixed(const char* caption) {
    const QString text = QString::fromUtf8(caption);
    return [text](const PitchState&) { return text; };
}

PitchMenuItem command(const char* name, const char* caption, Action action, Check checked = {},
                      Check enabled = {}) {
    PitchMenuItem item;
    item.name = QString::fromLatin1(name);
    item.caption = fixed(caption);
    item.triggered = std::move(action);
    item.checked = std::move(checked);
    item.enabled = std::move(enabled);
    return item;
}

PitchMenuItem submenu(const char* name, std::function<QString(const PitchState&)> caption,
                      std::vector<PitchMenuItem> children, Check enabled = {}, Check checked = {},
                      Action opened = {}) {
    PitchMenuItem item;
    item.name = QString::fromLatin1(name);
    item.caption = std::move(caption);
    item.children = std::move(children);
    item.enabled = std::move(enabled);
    item.checked = std::move(checked);
    item.opened = std::move(opened);
    return item;
}

PitchMenuItem windowCommand(const char* name, const char* caption, WindowCommand what) {
    PitchMenuItem item;
    item.name = QString::fromLatin1(name);
    item.caption = fixed(caption);
    item.command = what;
    item.separated = what == WindowCommand::Exit || what == WindowCommand::About;
    return item;
}

PitchMenuItem fileMenu() {
    auto quizIs = [](QuizMode mode) {
        return [mode](const PitchState& s) { return s.quizMode == mode; };
    };
    return submenu(
        "File1", fixed(QT_TRANSLATE_NOOP("PitchMenus", "&File")),
        {submenu("QuizMode", fixed(QT_TRANSLATE_NOOP("PitchMenus", "Quiz Mode")),
                 {command("QuizOff", QT_TRANSLATE_NOOP("PitchMenus", "Off"),
                          &PitchTrainer::QuizOffClick, quizIs(QuizMode::Off)),
                  command("QuizOn", QT_TRANSLATE_NOOP("PitchMenus", "Prepare Quiz"),
                          &PitchTrainer::QuizOnClick, quizIs(QuizMode::Prepared),
                          [](const PitchState& s) { return s.quizOnEnabled; }),
                  // Marked by the program while a quiz runs; it has no handler of its own.
                  command(
                      "BeginTest", QT_TRANSLATE_NOOP("PitchMenus", "Quiz in Progress"),
                      [](PitchTrainer&) {}, quizIs(QuizMode::InProgress),
                      [](const PitchState& s) { return s.beginTestEnabled; })}),
         command("ReviewScores", QT_TRANSLATE_NOOP("PitchMenus", "View Scores"),
                 &PitchTrainer::ReviewScoresClick, {},
                 [](const PitchState& s) { return s.reviewScoresEnabled; }),
         windowCommand("Exit1", QT_TRANSLATE_NOOP("PitchMenus", "&Exit"), WindowCommand::Exit)});
}

PitchMenuItem keyMenu() {
    std::vector<PitchMenuItem> submenus;
    const auto& signatures = SignatureSubmenus();
    for (int i = 0; i < static_cast<int>(signatures.size()); ++i) {
        std::vector<PitchMenuItem> keys;
        for (const MusicKey& key : MusicKeys()) {
            if (key.submenu != i)
                continue;
            const int index = key.KeyIndex;
            PitchMenuItem item;
            item.name = key.item;
            item.caption = [caption = key.caption](const PitchState&) { return caption; };
            item.checked = [i, index](const PitchState& s) {
                return s.keyMarks[static_cast<std::size_t>(i)] == index;
            };
            item.triggered = [index](PitchTrainer& t) { t.SelectKey(index); };
            keys.push_back(std::move(item));
        }
        PitchMenuItem sub = submenu(
            "",
            [caption = signatures[static_cast<std::size_t>(i)].caption](const PitchState&) {
                return caption;
            },
            std::move(keys), {}, [i](const PitchState& s) { return s.signatureSubmenuMark == i; },
            [i](PitchTrainer& t) { t.SignatureSubmenuClick(i); });
        sub.name = signatures[static_cast<std::size_t>(i)].item;
        submenus.push_back(std::move(sub));
    }
    return submenu("Keys1", fixed(QT_TRANSLATE_NOOP("PitchMenus", "Key")), std::move(submenus),
                   [](const PitchState& s) { return s.keysMenuEnabled; });
}

PitchMenuItem levelMenu() {
    std::vector<PitchMenuItem> levels;
    for (const ScaleLevel& level : ScaleLevels()) {
        const int index = level.levelIndex;
        PitchMenuItem item;
        item.name = level.item;
        item.caption = [caption = level.caption](const PitchState&) { return caption; };
        item.checked = [index](const PitchState& s) { return s.levelMark == index; };
        item.triggered = [index](PitchTrainer& t) { t.LevelClick(index); };
        levels.push_back(std::move(item));
    }
    return submenu("Graus1", fixed(QT_TRANSLATE_NOOP("PitchMenus", "Scale Steps")),
                   std::move(levels), [](const PitchState& s) { return s.scaleStepsMenuEnabled; });
}

PitchMenuItem midiMenu() {
    PitchMenuItem outputs = command("Outputs1", QT_TRANSLATE_NOOP("PitchMenus", "Outputs"),
                                    &PitchTrainer::Outputs1Click);
    auto sustainIs = [](Sustain sustain) {
        return [sustain](const PitchState& s) { return s.sustain == sustain; };
    };
    return submenu("Midi1", fixed(QT_TRANSLATE_NOOP("PitchMenus", "Midi")),
                   {outputs,
                    command("Instrument1", QT_TRANSLATE_NOOP("PitchMenus", "Instrument"),
                            &PitchTrainer::MIDIInstr1Click),
                    submenu("Sustain1", fixed(QT_TRANSLATE_NOOP("PitchMenus", "Sustain")),
                            {command("SustainOn1", QT_TRANSLATE_NOOP("PitchMenus", "Sustain On"),
                                     &PitchTrainer::SustainOn1Click, sustainIs(Sustain::On)),
                             command("SustainOff1", QT_TRANSLATE_NOOP("PitchMenus", "Sustain Off"),
                                     &PitchTrainer::SustainOff1Click, sustainIs(Sustain::Off))}),
                    command("AllNotesOff2", QT_TRANSLATE_NOOP("PitchMenus", "All Notes Off"),
                            &PitchTrainer::AllNotesOffClick)});
}

PitchMenuItem advanceMenu() {
    return submenu(
        "Advance1", fixed(QT_TRANSLATE_NOOP("PitchMenus", "Advance?")),
        {submenu(
             "AutoAdvance2", fixed(QT_TRANSLATE_NOOP("PitchMenus", "AutoAdvance")),
             {command("AdvanceOn1", QT_TRANSLATE_NOOP("PitchMenus", "Advance On"),
                      &PitchTrainer::On1Click, [](const PitchState& s) { return s.advanceOn; }),
              command("AdvanceOff1", QT_TRANSLATE_NOOP("PitchMenus", "Advance Off"),
                      &PitchTrainer::Off1Click, [](const PitchState& s) { return !s.advanceOn; })},
             {}, [](const PitchState& s) { return s.progression == Progression::AutoAdvance; }),
         submenu("AutoModulate2", fixed(QT_TRANSLATE_NOOP("PitchMenus", "AutoModulate")),
                 {command("AutoModOn", QT_TRANSLATE_NOOP("PitchMenus", "Modulate On"),
                          &PitchTrainer::AutoModOnClick,
                          [](const PitchState& s) { return s.modulateOn; }),
                  command("AutoModOff", QT_TRANSLATE_NOOP("PitchMenus", "Modulate Off"),
                          &PitchTrainer::AutoModOffClick,
                          [](const PitchState& s) { return !s.modulateOn; })},
                 {},
                 [](const PitchState& s) { return s.progression == Progression::AutoModulate; })},
        [](const PitchState& s) { return s.advanceMenuEnabled; });
}

PitchMenuItem octaveMenu() {
    // Whether a sung note answers in its own octave or in the question's.
    PitchMenuItem exactOctave =
        command("ExactOctave", QT_TRANSLATE_NOOP("PitchMenus", "Exact Octave"),
                &PitchTrainer::ExactOctaveClick, [](const PitchState& s) { return s.exactOctave; });
    exactOctave.separated = true;
    return submenu(
        "Claves1", fixed(QT_TRANSLATE_NOOP("PitchMenus", "Octave?")),
        {command("ClavedoSol", QT_TRANSLATE_NOOP("PitchMenus", "Treble Clef"),
                 &PitchTrainer::ClavedoSolClick,
                 [](const PitchState& s) { return s.octave == OctaveChoice::TrebleClef; }),
         command("ClavedoF", QT_TRANSLATE_NOOP("PitchMenus", "8va Lower"),
                 &PitchTrainer::ClavedoFClick,
                 [](const PitchState& s) { return s.octave == OctaveChoice::EightvaLower; }),
         exactOctave},
        [](const PitchState& s) { return s.octaveMenuEnabled; });
}

PitchMenuItem practiceMenu() {
    return submenu(
        "Intervals1", [](const PitchState& s) { return s.practiceMenu.caption; },
        {command("Scalesteps", QT_TRANSLATE_NOOP("PitchMenus", "Pitches"),
                 &PitchTrainer::ScalestepsClick,
                 [](const PitchState& s) { return s.practice == Practice::Pitches; }),
         command("Intervals", QT_TRANSLATE_NOOP("PitchMenus", "Intervals"),
                 &PitchTrainer::IntervalsClick,
                 [](const PitchState& s) { return s.practice == Practice::Intervals; }),
         command("Singing", QT_TRANSLATE_NOOP("PitchMenus", "Singing"), &PitchTrainer::SingingClick,
                 [](const PitchState& s) { return s.practice == Practice::Singing; })},
        [](const PitchState& s) { return s.practiceMenu.enabled; });
}

PitchMenuItem noteNamesMenu() {
    return submenu(
        "NoteNames1", [](const PitchState& s) { return s.noteNamesMenu.caption; },
        {submenu(
             "NoteNames", fixed(QT_TRANSLATE_NOOP("PitchMenus", "Note Names On")),
             {command("Letters", QT_TRANSLATE_NOOP("PitchMenus", "Letter Note Names"),
                      &PitchTrainer::LettersClick,
                      [](const PitchState& s) { return s.naming == NoteNaming::Letters; }),
              command("Syllables", QT_TRANSLATE_NOOP("PitchMenus", "Syllable Note Names"),
                      &PitchTrainer::SyllablesClick,
                      [](const PitchState& s) { return s.naming == NoteNaming::Syllables; })},
             {}, [](const PitchState& s) { return s.noteNamesOn; }, &PitchTrainer::NoteNamesClick),
         command("NoteNamesOff", QT_TRANSLATE_NOOP("PitchMenus", "Note Names Off"),
                 &PitchTrainer::NoteNamesOffClick,
                 [](const PitchState& s) { return !s.noteNamesOn; })},
        [](const PitchState& s) { return s.noteNamesMenu.enabled; });
}

PitchMenuItem repeatLastNoteMenu() {
    return submenu(
        "RepeatLastNote1", fixed(QT_TRANSLATE_NOOP("PitchMenus", "Repeat Last Note? ")),
        {command("DontPlay", QT_TRANSLATE_NOOP("PitchMenus", "Don't play again"),
                 &PitchTrainer::DontPlayClick,
                 [](const PitchState& s) { return s.repeatLastNote == RepeatLastNote::DontPlay; }),
         command("LastNoteAgain", QT_TRANSLATE_NOOP("PitchMenus", "Play last note again"),
                 &PitchTrainer::LastNoteAgainClick,
                 [](const PitchState& s) {
                     return s.repeatLastNote == RepeatLastNote::LastNoteAgain;
                 })},
        [](const PitchState& s) { return s.repeatLastNoteMenuEnabled; });
}

PitchMenuItem helpMenu() {
    PitchMenuItem hints;
    hints.name = QStringLiteral("HintsOn");
    hints.caption = [](const PitchState& s) { return s.hintsItem.caption; };
    hints.enabled = [](const PitchState& s) { return s.hintsItem.enabled; };
    hints.triggered = &PitchTrainer::HintsOnClick;
    return submenu(
        "Help", fixed(QT_TRANSLATE_NOOP("PitchMenus", "Help")),
        {windowCommand("HelpTopics1", QT_TRANSLATE_NOOP("PitchMenus", "&Help Topics"),
                       WindowCommand::HelpTopics),
         hints,
         windowCommand("About1", QT_TRANSLATE_NOOP("PitchMenus", "&About"), WindowCommand::About)});
}

} // namespace

std::vector<PitchMenuItem> pitchMenuBar() {
    return {fileMenu(),      keyMenu(),  levelMenu(),   octaveMenu(),         practiceMenu(),
            noteNamesMenu(), midiMenu(), advanceMenu(), repeatLastNoteMenu(), helpMenu()};
}

QString aboutText() {
    return QCoreApplication::translate(
        "PitchMenus",
        "Tonewise, the pitch and interval ear trainer.\n"
        "\n"
        "Listen to notes of a chosen key and scale-step level and answer on the piano "
        "keyboard, naming each pitch or the interval from the note before it; every right "
        "answer is written on the staff.\n"
        "\n"
        "24 major and harmonic minor keys, 21 levels from the tonic triad to the whole scale "
        "with the parallel mode's notes, automatic advance to the next level or another key, "
        "and quizzes that keep each student's results in a score file.\n"
        "\n"
        "Sound: the built-in General MIDI synthesizer or a MIDI port.\n"
        "Music notation: Bravura, SIL Open Font License");
}

} // namespace tonewise
