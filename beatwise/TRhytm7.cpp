#include "TRhytm7.h"

#include "BoundTimers.h"
#include "MersenneRandom.h"
#include "MicrophoneMenu.h"
#include "MicrophoneTaps.h"
#include "MidiGenPlayer.h"
#include "MidiTapSource.h"
#include "ModalDialogs.h"
#include "QtTimers.h"
#include "RhythmRow.h"
#include "ScoreStore.h"
#include "StepSpinEdit.h"
#include "SynthTapClick.h"
#include "SystemClock.h"
#include "TElasticForm.h"
#include "TGradBtn.h"
#include "TLumeButton1.h"
#include "TMidiGen.h"
#include "TRhyAboutBox.h"
#include "TScoreRecord.h"
#include "TapStrip.h"
#include "Tempo.h"
#include "WindowParts.h"

#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTextEdit>
#include <QTimer>

using namespace windowparts;

namespace {

using Handler = void (RhythmTrainer::*)();

// A caption the trainer keeps in English (it compares it), as the student reads it.
QString readable(const QString& caption) {
    return QCoreApplication::translate("RhythmTrainer", caption.toUtf8().constData());
}

// Pattern buttons: three rows of five, 54 x 54 (the bottom row 54 x 53).
constexpr std::array<int, 5> kPatternColumns = {47, 103, 159, 215, 271};
constexpr std::array<int, 3> kPatternRows = {198, 254, 310};
constexpr int kPatternSize = 54;

// The grey of the window, which is also the ground of the answer button's images.
const QColor kFaceColor(189, 189, 189);
const QColor kNavy(0, 0, 128);
const QColor kAqua(0, 255, 255);
const QColor kGreen(0, 128, 0);
const QColor kLime(0, 255, 0);
const QColor kGrey(128, 128, 128);

} // namespace

// What the program's own window owns: the player and the other parts of the trainer.
struct TRhytm7::OwnParts {
    TMidiGen MidiGen1;
    MidiGenPlayer player{MidiGen1};
    MersenneRandom random;
    SystemClock clock;
    QtTimers timers;
    SynthTapClick click;
    scores::ScoreStore store;
    ModalDialogs dialogs;
};

TRhytm7::TRhytm7(QWidget* parent) : TRhytm7(std::make_unique<OwnParts>(), parent) {}

TRhytm7::TRhytm7(std::unique_ptr<OwnParts>&& parts, QWidget* parent)
    : TrainerWindow(parts->dialogs, parent), parts_(std::move(parts)) {
    parts_->MidiGen1.SetChannel(mgCh10);
    build(parts_->player, parts_->random, parts_->clock, parts_->store);
    parts_->dialogs.attach(this, ScoreRecord);
    parts_->dialogs.setTitle(QStringLiteral("Beatwise"));
    enableTapping(parts_->timers, parts_->click);
}

TRhytm7::TRhytm7(Dialogs& dialogs, RhythmPlayer& player, Random& random, Clock& clock,
                 const scores::ScoreStore& scoreStore, QWidget* parent)
    : TrainerWindow(dialogs, parent) {
    build(player, random, clock, scoreStore);
}

TRhytm7::~TRhytm7() {
    qApp->removeEventFilter(this);
    midiTaps_.reset();
}

Dialogs* TRhytm7::ownDialogs() const {
    return parts_ ? &parts_->dialogs : nullptr;
}

void TRhytm7::build(RhythmPlayer& player, Random& random, Clock& clock,
                    const scores::ScoreStore& scoreStore) {
    setObjectName(QStringLiteral("Rhytm7"));
    setWindowTitle(tr("Qor Beatwise"));
    clock_ = &clock;
    trainer_ = std::make_unique<RhythmTrainer>(dialogs(), player, random, clock, scoreStore);
    answers_ = std::make_unique<PatternAnswers>(*trainer_);
    windowAnswers_ = std::make_unique<BoundAnswers<PatternAnswer>>(*answers_, boundary());
    buildControls();
    buildMenus();
    ScoreRecord = new TScoreRecord(this);
    Design design;
    design.form = QRect(223, 96, 633, 482);
    design.client = QSize(kDesignClientWidth, kDesignClientHeight);
    design.font = pixelFont(QStringLiteral("Arial"), 11);
    design.activeControl = QStringLiteral("ShowRes");
    buildScaler(design);
    forward([this] { trainer_->FormCreate(); });
}

// ---------------------------------------------------------------------------------------------
// Controls

TGradBtn* TRhytm7::commandButton(const QString& name, const QString& caption, const QRect& bounds,
                                 const QColor& begin, const QColor& end) {
    auto* button = new TGradBtn(centralWidget());
    button->setObjectName(name);
    button->setGeometry(bounds);
    button->setCaption(caption);
    button->setBeginColor(begin);
    button->setEndColor(end);
    button->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    return button;
}

QTextEdit* TRhytm7::display(const QString& name, const QRect& bounds) {
    return scoreDisplay(centralWidget(), name, bounds, pixelFont(QStringLiteral("Arial"), 24));
}

QLabel* TRhytm7::label(const QString& name, const QString& text, const QPoint& position) {
    auto* caption = new QLabel(text, centralWidget());
    caption->setObjectName(name);
    caption->move(position);
    caption->adjustSize();
    return caption;
}

void TRhytm7::buildControls() {
    QWidget* client = buildClientArea(kFaceColor, pixelFont(QStringLiteral("Arial"), 11),
                                      QSize(kDesignClientWidth, kDesignClientHeight));

    ShowRes = new RhythmRow(client);
    ShowRes->setObjectName(QStringLiteral("ShowRes"));
    ShowRes->setGeometry(32, 48, 481, 44);
    connect(ShowRes, &RhythmRow::columnPressed, this, [this](int column) {
        forward([this, column] { trainer_->ShowResMouseDown(column); });
    });

    DisplayAns = new RhythmRow(client);
    DisplayAns->setObjectName(QStringLiteral("DisplayAns"));
    DisplayAns->setGeometry(31, 96, 482, 44);
    DisplayAns->setFocusPolicy(Qt::NoFocus);

    Repetir = commandButton(QStringLiteral("Repetir"), tr("Stop/Repeat"), QRect(64, 158, 110, 30),
                            kNavy, kAqua);
    connect(Repetir, &TGradBtn::clicked, this, [this] { call(&RhythmTrainer::RepetirClick); });
    StartButton = commandButton(QStringLiteral("StartButton"), tr("Next Question"),
                                QRect(184, 158, 110, 30), kGreen, kLime);
    connect(StartButton, &TGradBtn::clicked, this,
            [this] { call(&RhythmTrainer::StartButtonClick); });

    AnsDisplay = new TLumeButton1(client);
    AnsDisplay->setObjectName(QStringLiteral("AnsDisplay"));
    AnsDisplay->setGeometry(328, 160, 110, 41);
    AnsDisplay->setScaleToHeight(true);
    AnsDisplay->setCaption(tr("Check Answer"));
    AnsDisplay->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    AnsDisplay->setFontColor(Qt::white);
    AnsDisplay->setDefault(true);
    AnsDisplay->setModalResult(1);
    connect(AnsDisplay, &TLumeButton1::clicked, this,
            [this] { call(&RhythmTrainer::AnsDisplayClick); });

    buildPatternButtons();
    buildScoreControls();
    buildMetronome();
    buildTapping();
}

void TRhytm7::buildTapping() {
    TapRhythm = commandButton(QStringLiteral("TapRhythm"), tr("Tap the Rhythm"),
                              QRect(448, 160, 150, 30), kNavy, kAqua);
    TapRhythm->setVisible(false);
    connect(TapRhythm, &TGradBtn::clicked, this, [this] { call(&RhythmTrainer::TapRhythmClick); });
    TapMarks = new TapStrip(ShowRes, centralWidget());
    TapMarks->setObjectName(QStringLiteral("TapMarks"));
    TapMarks->setGeometry(32, 142, 481, 14);
}

void TRhytm7::buildScoreControls() {
    Label2 = label(QStringLiteral("Label2"), tr("Score:"), {424, 208});
    Score = display(QStringLiteral("Score"), QRect(488, 200, 110, 32));
    Label3 = label(QStringLiteral("Label3"), tr("Questions:"), {424, 248});
    Items = display(QStringLiteral("Items"), QRect(488, 240, 110, 30));
    Label4 = label(QStringLiteral("Label4"), tr("Av. Hearings:"), {424, 288});
    AvRepeats = display(QStringLiteral("AvRepeats"), QRect(488, 280, 110, 32));

    RestScore = commandButton(QStringLiteral("RestScore"), tr("Reset Score"),
                              QRect(336, 312, 110, 30), kNavy, kAqua);
    connect(RestScore, &TGradBtn::clicked, this, [this] { call(&RhythmTrainer::RestScoreClick); });
    EraseAllChds = commandButton(QStringLiteral("EraseAllChds"), tr("Erase All"),
                                 QRect(336, 344, 110, 30), kGreen, kLime);
    connect(EraseAllChds, &TGradBtn::clicked, this,
            [this] { call(&RhythmTrainer::EraseAllChdsClick); });
}

void TRhytm7::buildMetronome() {
    Label1 = label(QStringLiteral("Label1"), tr("Metronome"), {536, 72});
    Speed = new StepSpinEdit(centralWidget());
    Speed->setObjectName(QStringLiteral("Speed"));
    Speed->setGeometry(536, 104, 56, 30);
    Speed->setRange(Tempo::kMinimum, Tempo::kMaximum);
    Speed->setSingleStep(Tempo::kStep);
    Speed->setValue(Tempo::kInitial);
    Speed->setFont(pixelFont(QStringLiteral("Arial"), 16));
    Speed->setFocusPolicy(Qt::ClickFocus); // no tab stop; the wheel and the arrows still step
    connect(Speed, &QSpinBox::valueChanged, this,
            [this](int value) { forward([this, value] { trainer_->SpeedChange(value); }); });
}

void TRhytm7::buildPatternButtons() {
    for (int i = 0; i < RhythmCatalogue::kSimplePatterns; ++i) {
        auto* button = new TGradBtn(centralWidget());
        button->setObjectName(RhythmCatalogue::buttonName(i));
        const int row = i / 5;
        const int height = row == 2 ? kPatternSize - 1 : kPatternSize;
        button->setGeometry(kPatternColumns[static_cast<std::size_t>(i % 5)],
                            kPatternRows[static_cast<std::size_t>(row)], kPatternSize, height);
        button->setBeginColor(kGrey);
        button->setFont(pixelFont(QStringLiteral("Partita"), 21));
        button->setFontColor(Qt::black);
        button->setCaption(*RhythmCatalogue::caption(Meter::Simple, i));
        connect(button, &TGradBtn::clicked, this, [this, i] { patternClick(i); });
        patternButtons[static_cast<std::size_t>(i)] = button;
    }
}

// ---------------------------------------------------------------------------------------------
// Menus, built from the trainer's menu tree

void TRhytm7::buildMenus() {
    menuTree_ = rhythmMenuBar();
    buildMenuBar(menuTree_, state(), *trainer_, "TRhytm7");
    takeMenuMembers();
}

void TRhytm7::takeMenuMembers() {
    const auto menu = [this](const char* name) {
        return menuAction(QString::fromLatin1(name))->menu();
    };
    const auto action = [this](const char* name) { return menuAction(QString::fromLatin1(name)); };
    FileMenu = menu("FileMenu");
    QuizMode = menu("QuizMode");
    Off2 = action("Off2");
    PrepareQuiz = action("PrepareQuiz");
    QuizinProgress = action("QuizinProgress");
    ViewScores1 = action("ViewScores1");
    Exit = action("Exit");
    RhythmPatterns = menu("RhythmPatterns");
    Simple = menu("Simple");
    Compound = menu("Compound");
    for (std::size_t i = 0; i < simpleLevels.size(); ++i)
        simpleLevels[i] = menuAction(QStringLiteral("Simple%1").arg(3 + i));
    for (std::size_t i = 0; i < compoundLevels.size(); ++i)
        compoundLevels[i] = menuAction(QStringLiteral("Compound%1").arg(3 + i));
    Advance = menu("Advance");
    AutoAdvance = menu("AutoAdvance");
    On1 = action("On1");
    Off1 = action("Off1");
    Tapping = menu("Tapping");
    TapRhythm1 = action("TapRhythm1");
    Midi = menu("Midi");
    AllNotesOff1 = action("AllNotesOff1");
    HelpMenu = menu("HelpMenu");
    HelpTopics2 = action("HelpTopics2");
    About2 = action("About2");
}

void TRhytm7::runWindowCommand(WindowCommand command) {
    if (command == WindowCommand::HelpTopics)
        HelpTopics2Click();
    else if (command == WindowCommand::About)
        About2Click();
    else if (command == WindowCommand::Exit)
        ExitClick();
}

// ---------------------------------------------------------------------------------------------
// Events

void TRhytm7::call(Handler handler) {
    forward([this, handler] { ((*trainer_).*handler)(); });
}

void TRhytm7::patternClick(int pattern) {
    // A full row only tells the student so; any other entry leaves the answer row focused for
    // the next beat and for Enter.
    const bool full = state().AnswerCursor >= RhythmCatalogue::kColumns - 1;
    windowAnswers_->answer({pattern});
    if (!full)
        ShowRes->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------------
// Tapped answers

void TRhytm7::enableTapping(TimerFactory& timers, TapClick& click) {
    // The timers that decide the tapped beats meet a failure as a click's handler does.
    tapTimers_ = std::make_unique<BoundTimers>(timers, boundary());
    trainer_->enableTapping(*tapTimers_, click);
    microphone_ = new MicrophoneTaps(this);
    connect(microphone_, &MicrophoneTaps::heard, this, [this](double agoMs) {
        if (QApplication::activeModalWidget())
            return;
        const double began = static_cast<double>(clock_->elapsedMs()) - agoMs;
        forward([this, began] { trainer_->tapHeard(began); });
    });
    buildInputsMenu();
    buildMicrophoneMenu();
    qApp->installEventFilter(this);
    showState();
}

void TRhytm7::startListening() {
    if (microphoneMenu_)
        microphoneMenu_->listenWhenUsed();
}

void TRhytm7::tapFrom(midi::MidiInput* input) {
    midiTaps_.reset();
    if (!input) {
        fillInputsMenu();
        return;
    }
    midiTaps_ = std::make_unique<MidiTapSource>(*input, [this] {
        if (!QApplication::activeModalWidget())
            forward([this] { trainer_->tap(); });
    });
    midiTaps_->onLost([this](const QString& port) { midiTapLost(port); });
    midiTaps_->openPreferred();
    fillInputsMenu();
}

// A MIDI pad or keyboard: "Midi > Inputs" lists the ports, as the pitch trainer's menu does.
void TRhytm7::buildInputsMenu() {
    Inputs1 = new QMenu(tr("Inputs"), Midi);
    Inputs1->setObjectName(QStringLiteral("Inputs1"));
    Inputs1->menuAction()->setObjectName(QStringLiteral("Inputs1"));
    Midi->insertMenu(Midi->actions().value(0), Inputs1);
    connect(Inputs1, &QMenu::aboutToShow, this, &TRhytm7::fillInputsMenu);
    fillInputsMenu();
}

// The microphone that hears claps: "Midi > Microphone", after "Inputs", as in the pitch trainer.
void TRhytm7::buildMicrophoneMenu() {
    Microphone = new QMenu(tr("Microphone"), Midi);
    Microphone->setObjectName(QStringLiteral("Microphone"));
    Microphone->menuAction()->setObjectName(QStringLiteral("Microphone"));
    Midi->insertMenu(Midi->actions().value(1), Microphone);
    microphoneMenu_ = new MicrophoneMenu(microphone_->capture(), Microphone);
    microphoneMenu_->onProblem([this](const QString& text) {
        // Told after whatever handler noticed it, once the window is free again.
        QTimer::singleShot(
            0, this, [this, text] { forward([this, text] { dialogs().information(text); }); });
    });
}

void TRhytm7::fillInputsMenu() {
    Inputs1->clear();
    auto* group = new QActionGroup(Inputs1);
    const QString current = midiTaps_ ? midiTaps_->openPort() : QString();
    const auto add = [&](const QString& caption, const QString& port) {
        QAction* action = Inputs1->addAction(caption);
        action->setCheckable(true);
        action->setChecked(port == current);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, port] {
            if (!midiTaps_)
                return;
            if (port.isEmpty())
                midiTaps_->close();
            else
                forward([this, port] { midiTaps_->open(port); });
        });
    };
    add(tr("None"), QString());
    if (midiTaps_)
        for (const QString& port : midiTaps_->ports())
            add(port, port);
}

void TRhytm7::midiTapLost(const QString& port) {
    forward([this, port] {
        dialogs().information(
            tr("The MIDI input \"%1\" is no longer connected: taps come from the space bar "
               "and the microphone. Choose Midi > Inputs to use another one.")
                .arg(port));
    });
}

// The space bar taps while the student taps, wherever the focus is in the window; it then
// presses no button.
bool TRhytm7::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!key || !state().Tapping || !isActiveWindow() || QApplication::activeModalWidget())
        return TrainerWindow::eventFilter(watched, event);
    auto* press = static_cast<QKeyEvent*>(event);
    if (press->key() != Qt::Key_Space)
        return TrainerWindow::eventFilter(watched, event);
    // Taken where it is first seen, it goes no further.
    if (event->type() == QEvent::KeyPress && !press->isAutoRepeat())
        forward([this] { trainer_->tap(); });
    return true;
}

// ---------------------------------------------------------------------------------------------
// Window events

void TRhytm7::FormActivate() {
    ShowRes->setFocus(Qt::ActiveWindowFocusReason);
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TRhytm7::FormClose() {
    forward([this] { trainer_->FormClose(); });
}

void TRhytm7::ExitClick() {
    close();
}

void TRhytm7::HelpTopics2Click() {
    openHelp(HelpWindow::Program::Beatwise);
}

void TRhytm7::About2Click() {
    // Made when first asked for: its licence text is long to lay out.
    if (!RhyAboutBox)
        RhyAboutBox = new TRhyAboutBox(this);
    RhyAboutBox->exec();
}

// ---------------------------------------------------------------------------------------------
// What the window shows

void TRhytm7::showControls() {
    const RhythmState& s = state();

    for (int i = 0; i < RhythmCatalogue::kSimplePatterns; ++i) {
        const ControlState& control = s.patternButtons[static_cast<std::size_t>(i)];
        TGradBtn* button = patternButtons[static_cast<std::size_t>(i)];
        button->setCaption(control.caption);
        showControl(button, control);
    }
    for (const auto& [button, control] :
         {std::pair<TGradBtn*, const ControlState*>{StartButton, &s.StartButton},
          {Repetir, &s.Repetir},
          {RestScore, &s.RestScore},
          {EraseAllChds, &s.EraseAllChds}}) {
        button->setCaption(readable(control->caption));
        showControl(button, *control);
    }
    AnsDisplay->setCaption(readable(s.AnsDisplay.caption));
    showControl(AnsDisplay, s.AnsDisplay);
    TapRhythm->setCaption(readable(s.TapRhythm.caption));
    showControl(TapRhythm, s.TapRhythm);
    // The microphone opens when tapping first starts: claps are heard from then on.
    if (s.Tapping && !tapping_ && microphoneMenu_)
        microphoneMenu_->needed();
    tapping_ = s.Tapping;
    TapMarks->setFeedback(s.tapFeedback);
    TapMarks->setVisible(s.tapFeedback.shown);

    ShowRes->setCells(s.ShowRes);
    ShowRes->setWrongCells(s.wrongCells);
    ShowRes->setEntryFrameColumn(s.entryFrameColumn);
    DisplayAns->setCells(s.DisplayAns);
    DisplayAns->setVisible(s.DisplayAnsVisible);

    showDisplayText(Score, s.Score);
    showDisplayText(Items, s.Items);
    showDisplayText(AvRepeats, s.AvRepeats);
    if (Speed->value() != s.Speed) {
        const QSignalBlocker quiet(Speed);
        Speed->setValue(s.Speed);
    }
}
