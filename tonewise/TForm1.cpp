#include "TForm1.h"

#include "BoundTimers.h"
#include "ExerciseLines.h"
#include "HelpWindow.h"
#include "MersenneRandom.h"
#include "MicrophoneMenu.h"
#include "MidiInput.h"
#include "MidiKeyboardSource.h"
#include "MidiOut.h"
#include "ModalDialogs.h"
#include "QtTimers.h"
#include "ScoreStore.h"
#include "SingingAnalyser.h"
#include "SmuflFont.h"
#include "StaffView.h"
#include "SungAnswerSource.h"
#include "SystemClock.h"
#include "TElasticForm.h"
#include "TGradButton.h"
#include "TScoreRecord.h"
#include "Timpgrid.h"
#include "TunerView.h"
#include "WindowParts.h"

#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

using namespace tonewise;
using namespace windowparts;

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kLime(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kAqua(0, 255, 255);

// A text the trainer keeps in English, as the student reads it: the trainer compares it or
// writes it into score files, so only the window translates it.
QString readable(const char* context, const QString& text) {
    return QCoreApplication::translate(context, text.toUtf8().constData());
}

QColor faceColour(KeyFace face, bool black) {
    switch (face) {
    case KeyFace::Lime:
        return kLime;
    case KeyFace::Yellow:
        return kYellow;
    case KeyFace::Aqua:
        return kAqua;
    case KeyFace::Silver:
        return kSilver;
    case KeyFace::Default:
        break;
    }
    return black ? QColor(Qt::black) : kSilver;
}

void showLine(QLineEdit* line, const QString& text) {
    if (line->text() != text) {
        line->setText(text);
        line->setCursorPosition(0);
    }
}

} // namespace

struct TForm1::OwnParts {
    TMidiOutput MidiOutput1;
    MersenneRandom random;
    SystemClock clock;
    QtTimers timers;
    scores::ScoreStore store;
    ModalDialogs dialogs;
};

TForm1::TForm1(QWidget* parent) : TForm1(std::make_unique<OwnParts>(), parent) {}

TForm1::TForm1(std::unique_ptr<OwnParts>&& parts, QWidget* parent)
    : TrainerWindow(parts->dialogs, parent), parts_(std::move(parts)) {
    parts_->dialogs.setTitle(QStringLiteral("Tonewise"));
    build(parts_->MidiOutput1, parts_->random, parts_->clock, parts_->timers, parts_->store);
    parts_->dialogs.attach(this, ScoreRecord);
}

TForm1::TForm1(Dialogs& dialogs, TMidiOutput& output, Random& random, Clock& clock,
               TimerFactory& timers, const scores::ScoreStore& scoreStore, QWidget* parent)
    : TrainerWindow(dialogs, parent) {
    build(output, random, clock, timers, scoreStore);
}

TForm1::~TForm1() {
    midiKeyboard_.reset();
    sung_.reset();
    if (trainer_)
        trainer_->setListener(nullptr);
    if (busyCursor_)
        QApplication::restoreOverrideCursor();
}

void TForm1::build(TMidiOutput& output, Random& random, Clock& clock, TimerFactory& timers,
                   const scores::ScoreStore& scoreStore) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Qor Pitch and Interval Identification"));
    // The timers' handlers meet a failure as a click's do.
    timers_ = std::make_unique<BoundTimers>(timers, boundary());
    trainer_ =
        std::make_unique<PitchTrainer>(dialogs(), output, random, clock, *timers_, scoreStore);
    trainer_->setListener(this);
    answers_ = std::make_unique<PitchAnswers>(*trainer_);
    // Every answer the window takes, from a click or a MIDI keyboard, goes through the event
    // boundary; none while a box waits for the student.
    windowAnswers_ = std::make_unique<BoundAnswers<PitchAnswer>>(
        *answers_, boundary(), [] { return QApplication::activeModalWidget() == nullptr; });
    buildControls();
    buildKeyboard();
    buildMenus();
    ScoreRecord = new TScoreRecord(this);
    Design design;
    design.form = QRect(222, 71, 637, 478);
    design.client = QSize(kDesignClientWidth, kDesignClientHeight);
    design.font = pixelFont(QStringLiteral("Arial"), 12);
    buildScaler(design);
    forward([this] { trainer_->FormCreate(); });
}

// ---------------------------------------------------------------------------------------------
// Controls

TGradButton* TForm1::commandButton(const QString& name, const QString& caption, const QRect& bounds,
                                   const QColor& colour) {
    auto* button = new TGradButton(centralWidget());
    button->setObjectName(name);
    button->setGeometry(bounds);
    button->setCaption(caption);
    button->setGradColor(colour);
    button->setFaceColor(colour);
    button->setBevelWidth(2);
    button->setBorderWidth(2);
    button->setFontColor(Qt::black);
    button->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    return button;
}

void TForm1::buildControls() {
    QWidget* client = buildClientArea(kSilver, pixelFont(QStringLiteral("Arial"), 12),
                                      QSize(kDesignClientWidth, kDesignClientHeight));

    auto line = [client](const QString& name, int top) {
        auto* edit = new QLineEdit(client);
        edit->setObjectName(name);
        edit->setGeometry(16, top, 593, 26);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setFont(pixelFont(QStringLiteral("Courier New"), 16, true));
        return edit;
    };
    Key = line(QStringLiteral("Key"), 8);
    QuestShw = line(QStringLiteral("QuestShw"), 40);
    AnsShow = line(QStringLiteral("AnsShow"), 72);

    auto display = [client](const QString& name, const QRect& bounds, int pixels) {
        return scoreDisplay(client, name, bounds,
                            pixelFont(QStringLiteral("MS Sans Serif"), pixels, true));
    };
    Score = display(QStringLiteral("Score"), QRect(16, 120, 132, 32), 24);
    Label2 = new QLabel(tr("Correct Answers:"), client);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(64, 208, 105, 21);
    Items = display(QStringLiteral("Items"), QRect(64, 232, 83, 30), 16);
    buildButtons();

    PaintBox1 = new StaffView(client);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(208, 120, 235, 145);

    Tuner = new TunerView(client);
    Tuner->setObjectName(QStringLiteral("Tuner"));
    Tuner->setGeometry(456, 242, 160, 26);
    Tuner->setVisible(false);

    cmbOutput = new QComboBox(client);
    cmbOutput->setObjectName(QStringLiteral("cmbOutput"));
    cmbOutput->setGeometry(448, 216, 177, 23);
    cmbOutput->setVisible(false);
    cmbOutput->setEnabled(false);
    connect(cmbOutput, &QComboBox::activated, this,
            [this](int index) { forward([this, index] { trainer_->cmbOutputChange(index); }); });

    QuestList = new impgrid::Timpgrid(client);
    QuestList->setObjectName(QStringLiteral("QuestList"));
    QuestList->setGeometry(152, 120, 41, 57);
    QuestList->setVisible(false);
}

void TForm1::buildButtons() {
    StartButton = commandButton(QStringLiteral("StartButton"), QStringLiteral("Start-Reset Score"),
                                QRect(16, 168, 132, 30), kLime);
    connect(StartButton, &TGradButton::clicked, this,
            [this] { forward([this] { trainer_->StartButtonClick(); }); });
    AnsDisplay = commandButton(QStringLiteral("AnsDisplay"), QStringLiteral("Next Answer?"),
                               QRect(480, 120, 132, 30), kYellow);
    connect(AnsDisplay, &TGradButton::clicked, this,
            [this] { forward([this] { trainer_->AnsDisplayClick(); }); });
    RepeatNotes = commandButton(QStringLiteral("RepeatNotes"), QStringLiteral("Repeat Notes"),
                                QRect(480, 168, 132, 30), kAqua);
    connect(RepeatNotes, &TGradButton::clicked, this,
            [this] { forward([this] { trainer_->RepeatNotesClick(); }); });
}

void TForm1::buildKeyboard() {
    const auto& layout = KeyboardKeys();
    // White keys first, so that the black keys lie on top of them.
    for (bool black : {false, true}) {
        for (std::size_t i = 0; i < layout.size(); ++i) {
            const PianoKey& key = layout[i];
            if (key.black != black)
                continue;
            auto* button = new TGradButton(centralWidget());
            button->setObjectName(key.name);
            button->setCaption(QStringLiteral(" "));
            if (black) {
                button->setGeometry(key.left, KeyTop, BlackKeyWidth, BlackKeyHeight);
                button->setGradColor(kGrey);
                button->setFaceColor(Qt::black);
                button->setFontColor(Qt::white);
                button->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
                button->setMargin(
                    key.name == QLatin1String("G4sharp") || key.name == QLatin1String("Bb4") ? -1
                                                                                             : 0);
            } else {
                button->setGeometry(key.left, KeyTop, WhiteKeyWidth, WhiteKeyHeight);
                button->setGradColor(Qt::white);
                button->setFaceColor(kSilver);
                if (key.name == QLatin1String("D4") || key.name == QLatin1String("E4") ||
                    key.name == QLatin1String("F4") || key.name == QLatin1String("G4"))
                    button->setHighlightColor(kSilver);
                button->setFontColor(Qt::black);
                button->setFont(pixelFont(QStringLiteral("Courier New"), 13, true));
                button->setMargin(0);
            }
            // A click answers with the key's pitch, as a MIDI keyboard or a voice would.
            const int midi = key.midi;
            connect(button, &TGradButton::clicked, this,
                    [this, midi] { windowAnswers_->answer({midi}); });
            keys[i] = button;
        }
    }
}

TGradButton* TForm1::keyButton(const QString& name) const {
    const auto& layout = KeyboardKeys();
    for (std::size_t i = 0; i < layout.size(); ++i)
        if (layout[i].name == name)
            return keys[i];
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Menus, built from the trainer's menu tree

void TForm1::buildMenus() {
    // The menu bar speaks in the window's own font: eleven menus, several of them questions,
    // must fit a small screen in every language.
    menuBar()->setFont(pixelFont(QStringLiteral("Arial"), 12));
    menuTree_ = pitchMenuBar();
    buildMenuBar(menuTree_, state(), *trainer_, "PitchMenus");
    buildInputsMenu();
}

void TForm1::runWindowCommand(WindowCommand command) {
    if (command == WindowCommand::HelpTopics)
        HelpTopics1Click();
    else if (command == WindowCommand::About)
        About1Click();
    else
        TrainerWindow::runWindowCommand(command);
}

// ---------------------------------------------------------------------------------------------
// A MIDI keyboard: "Midi > Inputs" lists the ports, and a key played answers as a click on it

void TForm1::buildInputsMenu() {
    QAction* midiMenu = menuAction(QStringLiteral("Midi1"));
    if (!midiMenu || !midiMenu->menu())
        return;
    QMenu* parent = midiMenu->menu();
    inputsMenu_ = new QMenu(tr("Inputs"), parent);
    inputsMenu_->setObjectName(QStringLiteral("Inputs1"));
    inputsMenu_->menuAction()->setObjectName(QStringLiteral("Inputs1"));
    // After "Outputs", the first item.
    const QList<QAction*> items = parent->actions();
    parent->insertMenu(items.size() > 1 ? items[1] : nullptr, inputsMenu_);
    connect(inputsMenu_, &QMenu::aboutToShow, this, &TForm1::fillInputsMenu);
    fillInputsMenu();
}

void TForm1::fillInputsMenu() {
    inputsMenu_->clear();
    auto* group = new QActionGroup(inputsMenu_);
    const QString current = midiKeyboard_ ? midiKeyboard_->openPort() : QString();
    const auto add = [&](const QString& caption, const QString& port) {
        QAction* action = inputsMenu_->addAction(caption);
        action->setCheckable(true);
        action->setChecked(port == current);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, port] {
            if (!midiKeyboard_)
                return;
            if (port.isEmpty())
                midiKeyboard_->close();
            else
                forward([this, port] { midiKeyboard_->open(port); });
        });
    };
    add(tr("None"), QString());
    if (midiKeyboard_)
        for (const QString& port : midiKeyboard_->ports())
            add(port, port);
}

void TForm1::listenTo(midi::MidiInput* input) {
    midiKeyboard_.reset();
    if (input) {
        midiKeyboard_ = std::make_unique<MidiKeyboardSource>(*input, *windowAnswers_);
        midiKeyboard_->onTouch([this](const KeyboardTouch& touch) { showTouch(touch); });
        midiKeyboard_->onLost([this](const QString& port) { midiInputLost(port); });
        midiKeyboard_->openPreferred();
    }
    if (inputsMenu_)
        fillInputsMenu();
}

void TForm1::showTouch(const KeyboardTouch& touch) {
    TGradButton* key = keyButton(touch.key);
    // A key that could not be clicked now (off or hidden, or any key while a box waits for the
    // student) is not shown held either.
    if (!touch.pressed)
        key->hold(false);
    else if (key->isEnabled() && !key->isHidden() && !QApplication::activeModalWidget())
        key->hold(true);
}

void TForm1::midiInputLost(const QString& port) {
    for (TGradButton* key : keys)
        key->hold(false);
    forward([this, port] {
        dialogs().information(tr("The MIDI keyboard \"%1\" is no longer connected. Choose Midi > "
                                 "Inputs to use another one.")
                                  .arg(port));
    });
}

// ---------------------------------------------------------------------------------------------
// The microphone: "Midi > Microphone" chooses the input, a steady note answers, the tuner shows

void TForm1::listenToMicrophone(listening::MicrophoneCapture& capture,
                                listening::SingingAnalyser& analyser) {
    sung_ = std::make_unique<SungAnswerSource>(state(), *windowAnswers_);
    // Heard on the microphone's thread, answered here on the window's.
    connect(&analyser, &listening::SingingAnalyser::heard, this, &TForm1::heard);
    connect(&analyser, &listening::SingingAnalyser::tunerReading, this, &TForm1::showTuner);
    const qreal refresh = screen() ? screen()->refreshRate() : 60.0;
    analyser.setTunerRate(refresh > 0 ? refresh : 60.0);
    buildMicrophoneMenu(capture);
    if (!microphoneMenu_)
        return;
    // Nothing listens yet: the first question or Singing practice opens the microphone.
    if (state().practice == Practice::Singing)
        microphoneMenu_->needed();
    else if (state().QuestionPitch != 0)
        microphoneMenu_->listenWhenUsed();
}

void TForm1::buildMicrophoneMenu(listening::MicrophoneCapture& capture) {
    QAction* midiMenu = menuAction(QStringLiteral("Midi1"));
    if (!midiMenu || !midiMenu->menu())
        return;
    QMenu* parent = midiMenu->menu();
    auto* menu = new QMenu(tr("Microphone"), parent);
    menu->setObjectName(QStringLiteral("Microphone1"));
    menu->menuAction()->setObjectName(QStringLiteral("Microphone1"));
    // After "Inputs".
    const QList<QAction*> items = parent->actions();
    parent->insertMenu(items.size() > 2 ? items[2] : nullptr, menu);
    microphoneMenu_ = new MicrophoneMenu(capture, menu);
    microphoneMenu_->onProblem([this](const QString& text) {
        // Told after whatever handler noticed it, once the window is free again.
        QTimer::singleShot(0, this, [this, text] {
            Tuner->setVisible(false);
            forward([this, text] { dialogs().information(text); });
        });
    });
    connect(microphoneMenu_, &MicrophoneMenu::listeningChanged, this, [this](bool listening) {
        Tuner->setFace({});
        Tuner->setVisible(listening);
        PaintBox1->setSungHeight(std::nullopt);
    });
}

void TForm1::heard(const listening::HeardNote& note) {
    if (sung_ && microphoneMenu_ && microphoneMenu_->isListening())
        sung_->heard(note);
}

void TForm1::showTuner(const listening::TunerReading& reading) {
    const TunerFace face = tunerFace(reading);
    Tuner->setFace(face);
    PaintBox1->setSungHeight(face.sung ? std::optional<double>(face.staffY) : std::nullopt);
}

// ---------------------------------------------------------------------------------------------
// Events

void TForm1::Initial() {
    setWindowState(windowState() | Qt::WindowMaximized);
    forward([this] { trainer_->Initial(); });
}

void TForm1::FormClose() {
    forward([this] { trainer_->Exit1Click(); });
}

void TForm1::HelpTopics1Click() {
    openHelp(HelpWindow::Program::Tonewise);
}

void TForm1::About1Click() {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tonewise"), aboutText(),
                    QMessageBox::Ok, this);
    // The font's licence is far longer than a screen: it scrolls in the box's details.
    box.setDetailedText(notation::SmuflFont::licenceText().trimmed());
    box.exec();
}

void TForm1::staffChanged() {
    PaintBox1->setGlyphs(state().staff);
}

void TForm1::busyChanged(bool busy) {
    if (busy == busyCursor_)
        return;
    busyCursor_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------------------------------------
// What the window shows

void TForm1::showControls() {
    const PitchState& s = state();
    showLine(Key, shownKeyLine(s.Key));
    showLine(QuestShw, shownLevelLine(s.QuestShw));
    showLine(AnsShow, s.AnsShow);
    showDisplayText(Score, readable("PitchTrainer", s.Score));
    showDisplayText(Items, s.Items);
    for (const auto& [button, control] :
         {std::pair{StartButton, &s.StartButton}, std::pair{AnsDisplay, &s.AnsDisplay},
          std::pair{RepeatNotes, &s.RepeatNotes}}) {
        button->setCaption(readable("PitchTrainer", control->caption));
        showControl(button, *control);
    }

    QStringList entries;
    for (int i = 0; i < cmbOutput->count(); ++i)
        entries.append(cmbOutput->itemText(i));
    if (entries != s.cmbOutput.entries) {
        const QSignalBlocker quiet(cmbOutput);
        cmbOutput->clear();
        cmbOutput->addItems(s.cmbOutput.entries);
    }
    if (cmbOutput->currentIndex() != s.cmbOutput.currentIndex) {
        const QSignalBlocker quiet(cmbOutput);
        cmbOutput->setCurrentIndex(s.cmbOutput.currentIndex);
    }
    cmbOutput->setEnabled(s.cmbOutput.enabled);
    cmbOutput->setVisible(s.cmbOutput.visible);
    showKeys();
    for (int column = 1; column <= KeyStepTable::ColumnCount; ++column)
        if (QuestList->Cells(column, 0) != s.QuestList.column(column))
            QuestList->setCells(column, 0, s.QuestList.column(column));
    PaintBox1->setGlyphs(s.staff);
    const bool singing = s.practice == Practice::Singing;
    if (singing && !singing_ && microphoneMenu_)
        microphoneMenu_->needed();
    singing_ = singing;
    // A question waits for its answer: a sung one can be used from now on.
    if (s.QuestionPitch != 0 && !questionAsked_ && microphoneMenu_) {
        questionAsked_ = true;
        microphoneMenu_->listenWhenUsed();
    }
}

void TForm1::showKeys() {
    const PitchState& s = state();
    const auto& layout = KeyboardKeys();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const KeyControl& control = s.keys[i];
        TGradButton* button = keys[i];
        button->setCaption(control.caption);
        button->setFaceColor(faceColour(control.face, layout[i].black));
        if (!layout[i].black)
            button->setMargin(control.captionMargin);
        button->setToolTip(control.showHint ? readable("KeyHints", control.hint) : QString());
        button->setEnabled(control.enabled);
        button->setVisible(control.visible);
    }
}
