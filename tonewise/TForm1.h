#pragma once

#include "PitchAnswers.h"
#include "PitchMenus.h"
#include "PitchTrainer.h"
#include "TrainerWindow.h"

#include <array>
#include <memory>

class BoundTimers;
class MicrophoneMenu;
class Clock;
class Dialogs;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTextEdit;
class Random;
class StaffView;
class TGradButton;
class TimerFactory;
class TunerView;
namespace impgrid {
class Timpgrid;
}
class TMidiOutput;
class TScoreRecord;

namespace scores {
class ScoreStore;
}
namespace midi {
class MidiInput;
}
namespace listening {
class MicrophoneCapture;
class SingingAnalyser;
struct HeardNote;
struct TunerReading;
} // namespace listening
namespace tonewise {
class MidiKeyboardSource;
class SungAnswerSource;
struct KeyboardTouch;
} // namespace tonewise

// The pitch trainer's main window, in the trainer window shell. It builds the controls at their
// designed places (the form scaler stretches them with the window) and the menus from the
// trainer's menu tree, forwards every event to the trainer's handler of the same name (a key
// clicked, or played on a MIDI keyboard, as an answer through the trainer's answer sink), and
// shows the trainer's state after each one and after every timer tick: texts, marks, captions,
// enabled and visible flags, the keys and the staff.
class TForm1 : public TrainerWindow, private tonewise::PitchTrainerListener {
    Q_OBJECT
public:
    static constexpr int kDesignClientWidth = 629;
    static constexpr int kDesignClientHeight = 424;

    // The program's window: the system's MIDI output, random draws that follow the clock, the
    // computer's clock, real timers, the score folder and boxes over the window.
    explicit TForm1(QWidget* parent = nullptr);
    // The window around given parts, which must outlive it.
    TForm1(Dialogs& dialogs, TMidiOutput& output, Random& random, Clock& clock,
           TimerFactory& timers, const scores::ScoreStore& scoreStore, QWidget* parent = nullptr);
    ~TForm1() override;

    const tonewise::PitchState& state() const { return trainer_->state(); }
    tonewise::PitchTrainer& trainer() { return *trainer_; }

    // Window events.
    void Initial();   // the first activation: the window is maximised and the first note sounds
    void FormClose(); // the window closes: notes off, output closed
    void HelpTopics1Click();
    void About1Click();

    // Answers from a MIDI keyboard on `input` (null: none), which must outlive the window. It
    // listens at once to the input's preferred port when one is connected; "Midi > Inputs"
    // changes the port.
    void listenTo(midi::MidiInput* input);
    QMenu* inputsMenu() const { return inputsMenu_; }

    // Sung answers from `capture`, heard by `analyser` (both must outlive the window): "Midi >
    // Microphone" chooses the input, the default one at first; a note sung steadily answers as a
    // click on its key, and the tuner shows what is sung. The microphone opens when the first
    // question waits for its answer, or Singing practice starts, not before.
    void listenToMicrophone(listening::MicrophoneCapture& capture,
                            listening::SingingAnalyser& analyser);
    MicrophoneMenu* microphoneMenu() const { return microphoneMenu_; }

    // The key button of that name ("C3", "F1sharp", "Bb4"), or null.
    TGradButton* keyButton(const QString& name) const;

    // --- Controls, as designed -----------------------------------------------------------------
    QLineEdit* Key = nullptr;
    QLineEdit* QuestShw = nullptr;
    QLineEdit* AnsShow = nullptr;
    QTextEdit* Score = nullptr;
    QLabel* Label2 = nullptr; // "Correct Answers:"
    QTextEdit* Items = nullptr;
    StaffView* PaintBox1 = nullptr;
    TunerView* Tuner = nullptr;         // shown while the microphone listens
    TGradButton* StartButton = nullptr; // "Start-Reset Score"
    TGradButton* AnsDisplay = nullptr;  // "Next Answer?"
    TGradButton* RepeatNotes = nullptr; // "Repeat Notes"
    QComboBox* cmbOutput = nullptr;
    impgrid::Timpgrid* QuestList = nullptr; // hidden: row 0 holds the key's 16 names
    std::array<TGradButton*, tonewise::WhiteKeyCount + tonewise::BlackKeyCount> keys{};
    TScoreRecord* ScoreRecord = nullptr;

protected:
    void showControls() override;
    void runWindowCommand(WindowCommand command) override;
    void firstActivation() override { Initial(); }
    void closing() override { FormClose(); }

private:
    struct OwnParts;
    TForm1(std::unique_ptr<OwnParts>&& parts, QWidget* parent);
    void build(TMidiOutput& output, Random& random, Clock& clock, TimerFactory& timers,
               const scores::ScoreStore& scoreStore);
    void buildControls();
    void buildButtons();
    void buildKeyboard();
    void buildMenus();
    TGradButton* commandButton(const QString& name, const QString& caption, const QRect& bounds,
                               const QColor& colour);
    void showKeys();
    void buildInputsMenu();
    void fillInputsMenu();
    void showTouch(const tonewise::KeyboardTouch& touch);
    void midiInputLost(const QString& port);
    void buildMicrophoneMenu(listening::MicrophoneCapture& capture);
    void heard(const listening::HeardNote& note);
    void showTuner(const listening::TunerReading& reading);

    // PitchTrainerListener
    void staffChanged() override;
    void busyChanged(bool busy) override;

    std::unique_ptr<OwnParts> parts_;
    std::unique_ptr<BoundTimers> timers_;
    std::unique_ptr<tonewise::PitchTrainer> trainer_;
    std::unique_ptr<tonewise::PitchAnswers> answers_;
    std::unique_ptr<BoundAnswers<tonewise::PitchAnswer>> windowAnswers_;
    std::vector<tonewise::PitchMenuItem> menuTree_;
    std::unique_ptr<tonewise::MidiKeyboardSource> midiKeyboard_;
    QMenu* inputsMenu_ = nullptr;
    std::unique_ptr<tonewise::SungAnswerSource> sung_;
    MicrophoneMenu* microphoneMenu_ = nullptr;
    bool singing_ = false;       // Singing practice, as last shown
    bool questionAsked_ = false; // a question has been shown, the microphone asked for
    bool busyCursor_ = false;
};
