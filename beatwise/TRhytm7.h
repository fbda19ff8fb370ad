#pragma once

#include "PatternAnswers.h"
#include "RhythmMenus.h"
#include "RhythmTrainer.h"
#include "TrainerWindow.h"

#include <array>
#include <memory>

class Clock;
class Dialogs;
class QAction;
class QLabel;
class QMenu;
class QTextEdit;
class Random;
class RhythmPlayer;
class RhythmRow;
class MicrophoneMenu;
class MicrophoneTaps;
class MidiTapSource;
class StepSpinEdit;
class TapClick;
class TapStrip;
class TimerFactory;
class TGradBtn;
class TLumeButton1;
class TRhyAboutBox;
class TScoreRecord;

namespace midi {
class MidiInput;
}

namespace scores {
class ScoreStore;
}

// The rhythm trainer's main window, in the trainer window shell. It builds the controls at their
// designed places (the form scaler stretches them with the window) and the menus from the
// trainer's menu tree, forwards every event to the handler of the same name in RhythmTrainer (a
// pattern button's click as an answer through the trainer's answer sink), and after each one
// shows the trainer's state: captions, marks, enabled and visible flags, both rows with their
// frames, and the displays.
class TRhytm7 : public TrainerWindow {
    Q_OBJECT
public:
    // The designed client area and screen.
    static constexpr int kDesignClientWidth = 625;
    static constexpr int kDesignClientHeight = 428;

    // The program's window: message boxes over it, the note-string player on channel 10, a
    // random source seeded from the clock, the computer's clock and the score folder.
    explicit TRhytm7(QWidget* parent = nullptr);
    // The window around given parts, which must outlive it.
    TRhytm7(Dialogs& dialogs, RhythmPlayer& player, Random& random, Clock& clock,
            const scores::ScoreStore& scoreStore, QWidget* parent = nullptr);
    ~TRhytm7() override;

    const RhythmTrainer& trainer() const { return *trainer_; }
    const RhythmState& state() const { return trainer_->state(); }
    // The program's own boxes; null when the window was given its dialogs.
    Dialogs* ownDialogs() const;

    // Lets the student tap answers: "Tap the Rhythm" is shown, the space bar taps while the
    // student taps, each tap sounds `click`. The window made with its own parts does this
    // itself; `timers` and `click` must outlive the window.
    void enableTapping(TimerFactory& timers, TapClick& click);
    // Taps also from a MIDI pad or keyboard on `input` (null: none); it must outlive the window.
    void tapFrom(midi::MidiInput* input);
    // Listens to the system's default input from now on, unless the student has chosen another
    // in Midi > Microphone; claps it hears are taps. Tap the Rhythm does this when it first
    // starts; nothing listens before.
    void startListening();
    // The microphone's claps (made by enableTapping; null before).
    MicrophoneTaps* microphone() const { return microphone_; }
    MicrophoneMenu* microphoneMenu() const { return microphoneMenu_; }

    // Window events.
    void
    FormActivate();   // first activation: the answer row takes the focus, the window is maximised
    void FormClose(); // the window closes: the player stops
    void ExitClick(); // File > "Exit"
    void HelpTopics2Click();
    void About2Click();

    // --- Controls, as designed -----------------------------------------------------------------
    RhythmRow* ShowRes = nullptr;    // the answer row
    RhythmRow* DisplayAns = nullptr; // the question row
    TGradBtn* Repetir = nullptr;     // "Stop/Repeat"
    TGradBtn* StartButton = nullptr; // "Next Question"
    TLumeButton1* AnsDisplay = nullptr;
    TGradBtn* TapRhythm = nullptr; // "Tap the Rhythm"
    TapStrip* TapMarks = nullptr;  // the taps against the rhythm, after a check
    // The pattern buttons in pattern order: q w u o l s k m j i h y n b r.
    std::array<TGradBtn*, RhythmCatalogue::kSimplePatterns> patternButtons{};
    QLabel* Label1 = nullptr; // "Metronome"
    QLabel* Label2 = nullptr; // "Score:"
    QLabel* Label3 = nullptr; // "Questions:"
    QLabel* Label4 = nullptr; // "Av. Hearings:"
    QTextEdit* Score = nullptr;
    QTextEdit* Items = nullptr;
    QTextEdit* AvRepeats = nullptr;
    TGradBtn* RestScore = nullptr;    // "Reset Score"
    TGradBtn* EraseAllChds = nullptr; // "Erase All"
    StepSpinEdit* Speed = nullptr;

    // --- Menus, built from the trainer's menu tree ----------------------------------------------
    QMenu* FileMenu = nullptr;
    QMenu* QuizMode = nullptr;
    QAction* Off2 = nullptr;
    QAction* PrepareQuiz = nullptr;
    QAction* QuizinProgress = nullptr;
    QAction* ViewScores1 = nullptr;
    QAction* Exit = nullptr;
    QMenu* RhythmPatterns = nullptr;
    QMenu* Simple = nullptr;
    QMenu* Compound = nullptr;
    // The level items, index 0 for "3 patterns".
    std::array<QAction*, 13> simpleLevels{};
    std::array<QAction*, 5> compoundLevels{};
    QMenu* Advance = nullptr;
    QMenu* AutoAdvance = nullptr;
    QAction* On1 = nullptr;
    QAction* Off1 = nullptr;
    QMenu* Midi = nullptr;
    QAction* AllNotesOff1 = nullptr;
    QMenu* Tapping = nullptr;
    QAction* TapRhythm1 = nullptr; // "Tap the Rhythm", Ctrl+T
    QMenu* Microphone = nullptr;   // Midi > "Microphone": "None" and the system's sound inputs
    QMenu* Inputs1 = nullptr;      // Midi > "Inputs": "None" and the MIDI input ports
    QMenu* HelpMenu = nullptr;
    QAction* HelpTopics2 = nullptr;
    QAction* About2 = nullptr;

    TRhyAboutBox* RhyAboutBox = nullptr;
    TScoreRecord* ScoreRecord = nullptr;

protected:
    void showControls() override;
    void runWindowCommand(WindowCommand command) override;
    void firstActivation() override { FormActivate(); }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closing() override { FormClose(); }

private:
    struct OwnParts;
    using Handler = void (RhythmTrainer::*)();

    TRhytm7(std::unique_ptr<OwnParts>&& parts, QWidget* parent);

    void build(RhythmPlayer& player, Random& random, Clock& clock,
               const scores::ScoreStore& scoreStore);
    void buildControls();
    void buildPatternButtons();
    void buildScoreControls();
    void buildMetronome();
    void buildMenus();
    void takeMenuMembers();
    TGradBtn* commandButton(const QString& name, const QString& caption, const QRect& bounds,
                            const QColor& begin, const QColor& end);
    QTextEdit* display(const QString& name, const QRect& bounds);
    QLabel* label(const QString& name, const QString& text, const QPoint& position);
    void call(Handler handler);
    void patternClick(int pattern);
    void buildTapping();
    void midiTapLost(const QString& port);
    void buildInputsMenu();
    void buildMicrophoneMenu();
    void fillInputsMenu();

    std::unique_ptr<OwnParts> parts_;
    std::unique_ptr<RhythmTrainer> trainer_;
    std::unique_ptr<PatternAnswers> answers_;
    std::unique_ptr<BoundAnswers<PatternAnswer>> windowAnswers_;
    std::vector<RhythmMenuItem> menuTree_;
    std::unique_ptr<TimerFactory> tapTimers_;
    std::unique_ptr<MidiTapSource> midiTaps_;
    MicrophoneTaps* microphone_ = nullptr;
    MicrophoneMenu* microphoneMenu_ = nullptr;
    bool tapping_ = false; // tapping, as last shown
    Clock* clock_ = nullptr;
};
