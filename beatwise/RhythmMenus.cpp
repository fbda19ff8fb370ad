#include "RhythmMenus.h"

#include "RhythmTrainer.h"

#include <QCoreApplication>

#include <array>

namespace {

using Check = std::function<bool(const RhythmState&)>;
using Action = std::function<void(RhythmTrainer&)>;
using Handler = void (RhythmTrainer::*)();

// The level items' handlers, "3 patterns" first; the compound submenu uses the first five.
constexpr std::array<Handler, 13> kLevelHandlers = {
    &RhythmTrainer::LevelXClick, &RhythmTrainer::Level0Click, &RhythmTrainer::Level1Click,
    &RhythmTrainer::Level2Click, &RhythmTrainer::Level3Click, &RhythmTrainer::Level4Click,
    &RhythmTrainer::Level5Click, &RhythmTrainer::Level6Click, &RhythmTrainer::Level7Click,
    &RhythmTrainer::Level8Click, &RhythmTrainer::Level9Click, &RhythmTrainer::Level10Click,
    &RhythmTrainer::Level11Click};

std::function<QString(const RhythmState&)> fixed(const char* caption) {
    const QString text = QString::fromUtf8(caption);
    return [text](const RhythmState&) { return text; };
}

RhythmMenuItem command(const char* name, const char* caption, Action action, Check checked = {},
                       Check enabled = {}) {
    RhythmMenuItem item;
    item.name = QString::fromLatin1(name);
    item.caption = fixed(caption);
    item.triggered = std::move(action);
    item.checked = std::move(checked);
    item.enabled = std::move(enabled);
    return item;
}

RhythmMenuItem submenu(const char* name, const char* caption, std::vector<RhythmMenuItem> children,
                       Check enabled = {}, Check checked = {}, Action opened = {}) {
    RhythmMenuItem item;
    item.name = QString::fromLatin1(name);
    item.caption = fixed(caption);
    item.children = std::move(children);
    item.enabled = std::move(enabled);
    item.checked = std::move(checked);
    item.opened = std::move(opened);
    return item;
}

RhythmMenuItem windowCommand(const char* name, const char* caption, WindowCommand what) {
    RhythmMenuItem item;
    item.name = QString::fromLatin1(name);
    item.caption = fixed(caption);
    item.command = what;
    item.separated = what == WindowCommand::Exit;
    return item;
}

RhythmMenuItem fileMenu() {
    auto quizIs = [](QuizMode mode) {
        return [mode](const RhythmState& s) { return s.quizMode == mode; };
    };
    return submenu(
        "FileMenu", QT_TRANSLATE_NOOP("TRhytm7", "&File"),
        {submenu("QuizMode", QT_TRANSLATE_NOOP("TRhytm7", "Quiz Mode"),
                 {command("Off2", QT_TRANSLATE_NOOP("TRhytm7", "Off"), &RhythmTrainer::Off2Click,
                          quizIs(QuizMode::Off)),
                  command("PrepareQuiz", QT_TRANSLATE_NOOP("TRhytm7", "Prepare Quiz"),
                          &RhythmTrainer::PrepareQuizClick, quizIs(QuizMode::Prepared),
                          [](const RhythmState& s) { return s.prepareQuizEnabled; }),
                  // Marked by the program while a quiz runs; it has no handler of its own.
                  command(
                      "QuizinProgress", QT_TRANSLATE_NOOP("TRhytm7", "Quiz in Progress"),
                      [](RhythmTrainer&) {}, quizIs(QuizMode::InProgress),
                      [](const RhythmState& s) { return s.quizInProgressEnabled; })}),
         command("ViewScores1", QT_TRANSLATE_NOOP("TRhytm7", "View Scores"),
                 &RhythmTrainer::ViewScores1Click),
         windowCommand("Exit", QT_TRANSLATE_NOOP("TRhytm7", "Exit"), WindowCommand::Exit)});
}

// The level items of one meter's submenu, "3 patterns" up to the meter's highest level.
std::vector<RhythmMenuItem> levelItems(Meter meter) {
    std::vector<RhythmMenuItem> items;
    const bool simple = meter == Meter::Simple;
    for (int level = RhythmCatalogue::kLowestLevel; level <= RhythmCatalogue::highestLevel(meter);
         ++level) {
        const Handler handler =
            kLevelHandlers[static_cast<std::size_t>(level - RhythmCatalogue::kLowestLevel)];
        RhythmMenuItem item =
            command("", QT_TRANSLATE_NOOP("TRhytm7", "%1 patterns"), handler,
                    [simple, level](const RhythmState& s) {
                        return (simple ? s.simpleLevelMark : s.compoundLevelMark) == level;
                    });
        item.name = (simple ? QStringLiteral("Simple%1") : QStringLiteral("Compound%1")).arg(level);
        item.argument = level;
        items.push_back(std::move(item));
    }
    return items;
}

RhythmMenuItem rhythmPatternsMenu() {
    auto meterIs = [](Meter meter) {
        return [meter](const RhythmState& s) { return s.meter == meter; };
    };
    // The meter is chosen as its submenu opens, before a level is picked from it.
    return submenu(
        "RhythmPatterns", QT_TRANSLATE_NOOP("TRhytm7", "Rhythm Patterns"),
        {submenu("Simple", QT_TRANSLATE_NOOP("TRhytm7", "Simple"), levelItems(Meter::Simple), {},
                 meterIs(Meter::Simple), &RhythmTrainer::SimpleClick),
         submenu("Compound", QT_TRANSLATE_NOOP("TRhytm7", "Compound"), levelItems(Meter::Compound),
                 {}, meterIs(Meter::Compound), &RhythmTrainer::CompoundClick)},
        [](const RhythmState& s) { return s.rhythmPatternsMenuEnabled; });
}

RhythmMenuItem advanceMenu() {
    auto advanceIs = [](AutoAdvance on) {
        return [on](const RhythmState& s) { return s.autoAdvance == on; };
    };
    return submenu("Advance", QT_TRANSLATE_NOOP("TRhytm7", "Advance"),
                   {submenu("AutoAdvance", QT_TRANSLATE_NOOP("TRhytm7", "AutoAdvance"),
                            {command("On1", QT_TRANSLATE_NOOP("TRhytm7", "On"),
                                     &RhythmTrainer::On1Click, advanceIs(AutoAdvance::On)),
                             command("Off1", QT_TRANSLATE_NOOP("TRhytm7", "Off"),
                                     &RhythmTrainer::Off1Click, advanceIs(AutoAdvance::Off))})},
                   [](const RhythmState& s) { return s.advanceMenuEnabled; });
}

RhythmMenuItem tappingMenu() {
    RhythmMenuItem tap = command("TapRhythm1", QT_TRANSLATE_NOOP("TRhytm7", "Tap the Rhythm"),
                                 &RhythmTrainer::TapRhythmClick, {}, [](const RhythmState& s) {
                                     return s.TapRhythm.visible && s.TapRhythm.enabled;
                                 });
    tap.shortcut = QStringLiteral("Ctrl+T");
    return submenu("Tapping", QT_TRANSLATE_NOOP("TRhytm7", "Tapping"), {std::move(tap)});
}

} // namespace

std::vector<RhythmMenuItem> rhythmMenuBar() {
    std::vector<RhythmMenuItem> bar;
    bar.push_back(fileMenu());
    bar.push_back(rhythmPatternsMenu());
    bar.push_back(advanceMenu());
    bar.push_back(tappingMenu());
    bar.push_back(submenu("Midi", QT_TRANSLATE_NOOP("TRhytm7", "Midi"),
                          {command("AllNotesOff1", QT_TRANSLATE_NOOP("TRhytm7", "All Notes Off"),
                                   &RhythmTrainer::AllNotesOff1Click)}));
    bar.push_back(submenu(
        "HelpMenu", QT_TRANSLATE_NOOP("TRhytm7", "Help"),
        {windowCommand("HelpTopics2", QT_TRANSLATE_NOOP("TRhytm7", "Help Topics"),
                       WindowCommand::HelpTopics),
         windowCommand("About2", QT_TRANSLATE_NOOP("TRhytm7", "About"), WindowCommand::About)}));
    return bar;
}

QString rhythmAboutText() {
    return QCoreApplication::translate(
        "TRhyAboutBox",
        "Beatwise, the rhythm ear trainer.\n"
        "\n"
        "Listen to a row of seven one-beat rhythm patterns, framed by a two-beat count-in and "
        "a closing beat, then rebuild it from the pattern buttons and check it beat by beat.\n"
        "\n"
        "Levels of 3 to 15 patterns in simple meter and 3 to 7 in compound meter, tempo 30 to "
        "96 beats a minute, automatic advance, and quizzes that keep each student's results "
        "in a score file.\n"
        "\n"
        "Sound: the built-in General MIDI synthesizer.\n"
        "Music notation: Bravura, SIL Open Font License");
}
