#pragma once

#include "PitchMenus.h"
#include "PitchTrainer.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <map>
#include <memory>

class Clock;
class Dialogs;
class EventBoundary;
class HelpWindow;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTextEdit;
class Random;
class StaffView;
class TElasticForm;
class TGradButton;
class TimerFactory;
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

// The pitch trainer's main window. It builds the controls at their designed places (the form
// scaler stretches them with the window) and the menus from the trainer's menu tree, forwards
// every event to the trainer's handler of the same name, and shows the trainer's state after
// each one and after every timer tick: texts, marks, captions, enabled and visible flags, the
// keys and the staff.
class TForm1 : public QMainWindow, private tonewise::PitchTrainerListener {
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

    // The key button of that name ("C3", "F1sharp", "Bb4"), or null.
    TGradButton* keyButton(const QString& name) const;
    // The menu item of that name ("QuizOn", "Level0", "GMajor", "Keys1"...), or null.
    QAction* menuAction(const QString& name) const;
    HelpWindow* helpWindow() const;

    // --- Controls, as designed -----------------------------------------------------------------
    QLineEdit* Key = nullptr;
    QLineEdit* QuestShw = nullptr;
    QLineEdit* AnsShow = nullptr;
    QTextEdit* Score = nullptr;
    QLabel* Label2 = nullptr; // "Correct Answers:"
    QTextEdit* Items = nullptr;
    StaffView* PaintBox1 = nullptr;
    TGradButton* StartButton = nullptr; // "Start-Reset Score"
    TGradButton* AnsDisplay = nullptr;  // "Next Answer?"
    TGradButton* RepeatNotes = nullptr; // "Repeat Notes"
    QComboBox* cmbOutput = nullptr;
    impgrid::Timpgrid* QuestList = nullptr; // hidden: row 0 holds the key's 16 names
    std::array<TGradButton*, tonewise::WhiteKeyCount + tonewise::BlackKeyCount> keys{};
    TElasticForm* ElasticForm1 = nullptr;
    TScoreRecord* ScoreRecord = nullptr;

    // Brings every control up to the trainer's state.
    void showState();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct OwnParts;
    TForm1(std::unique_ptr<OwnParts>&& parts, QWidget* parent);
    void build(Dialogs& dialogs, TMidiOutput& output, Random& random, Clock& clock,
               TimerFactory& timers, const scores::ScoreStore& scoreStore);
    void buildControls();
    void buildKeyboard();
    void buildMenus();
    void addMenuItems(QMenu* menu, const std::vector<tonewise::PitchMenuItem>& items);
    void buildScaler();
    TGradButton* commandButton(const QString& name, const QString& caption, const QRect& bounds,
                               const QColor& colour);

    // Runs one handler at the event boundary: a failure is shown in a box, and the window then
    // shows the state.
    template <typename Call> void forward(Call&& call);
    void runWindowCommand(WindowCommand command);
    void buildInputsMenu();
    void fillInputsMenu();
    void midiMessage(const QByteArray& message);
    void midiInputLost(const QString& port);

    // PitchTrainerListener
    void staffChanged() override;
    void busyChanged(bool busy) override;

    std::unique_ptr<OwnParts> parts_;
    std::unique_ptr<Dialogs> refreshingDialogs_;
    Dialogs* dialogs_ = nullptr;
    std::unique_ptr<EventBoundary> boundary_;
    std::unique_ptr<TimerFactory> timers_;
    std::unique_ptr<tonewise::PitchTrainer> trainer_;
    std::vector<tonewise::PitchMenuItem> menuTree_;
    struct ShownItem {
        const tonewise::PitchMenuItem* item;
        QAction* action;
    };
    std::vector<ShownItem> shownItems_;
    std::map<QString, QAction*> actionsByName_;
    QPointer<HelpWindow> help_;
    midi::MidiInput* midiInput_ = nullptr;
    QMenu* inputsMenu_ = nullptr;
    bool activated_ = false;
    bool busyCursor_ = false;
};
