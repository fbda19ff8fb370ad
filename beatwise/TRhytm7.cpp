#include "TRhytm7.h"

#include "WindowParts.h"

#include "MersenneRandom.h"
#include "MidiGenPlayer.h"
#include "ModalDialogs.h"
#include "RhythmRow.h"
#include "StepSpinEdit.h"
#include "SystemClock.h"
#include "TRhyAboutBox.h"
#include "Tempo.h"

#include "HelpWindow.h"
#include "ScoreStore.h"
#include "TElasticForm.h"
#include "TGradBtn.h"
#include "TLumeButton1.h"
#include "TMidiGen.h"
#include "TScoreRecord.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTextEdit>

#include <exception>

using namespace windowparts;

namespace {

using Handler = void (RhythmTrainer::*)();

// A caption the trainer keeps in English (it compares it), as the student reads it.
QString readable(const QString& caption) {
    return QCoreApplication::translate("RhythmTrainer", caption.toUtf8().constData());
}

// The pattern buttons' handlers in pattern order, and the letters that name the buttons.
constexpr std::array<Handler, RhythmCatalogue::kSimplePatterns> kPatternHandlers = {
    &RhythmTrainer::qClick, &RhythmTrainer::wClick, &RhythmTrainer::uClick, &RhythmTrainer::oClick,
    &RhythmTrainer::lClick, &RhythmTrainer::sClick, &RhythmTrainer::kClick, &RhythmTrainer::mClick,
    &RhythmTrainer::jClick, &RhythmTrainer::iClick, &RhythmTrainer::hClick, &RhythmTrainer::yClick,
    &RhythmTrainer::nClick, &RhythmTrainer::bClick, &RhythmTrainer::rClick};

// The level items' handlers, "3 patterns" first; the compound submenu uses the first five.
constexpr std::array<Handler, 13> kLevelHandlers = {
    &RhythmTrainer::LevelXClick, &RhythmTrainer::Level0Click, &RhythmTrainer::Level1Click,
    &RhythmTrainer::Level2Click, &RhythmTrainer::Level3Click, &RhythmTrainer::Level4Click,
    &RhythmTrainer::Level5Click, &RhythmTrainer::Level6Click, &RhythmTrainer::Level7Click,
    &RhythmTrainer::Level8Click, &RhythmTrainer::Level9Click, &RhythmTrainer::Level10Click,
    &RhythmTrainer::Level11Click};

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
    scores::ScoreStore store;
    ModalDialogs dialogs;
};

TRhytm7::TRhytm7(QWidget* parent) : TRhytm7(std::make_unique<OwnParts>(), parent) {}

TRhytm7::TRhytm7(std::unique_ptr<OwnParts>&& parts, QWidget* parent)
    : QMainWindow(parent), parts_(std::move(parts)),
      dialogs_(parts_->dialogs, [this] { showState(); }), player_(parts_->player),
      trainer_(dialogs_, parts_->player, parts_->random, parts_->clock, parts_->store) {
    parts_->MidiGen1.SetChannel(mgCh10);
    build();
    parts_->dialogs.attach(this, ScoreRecord);
    parts_->dialogs.setTitle(QStringLiteral("Beatwise"));
}

TRhytm7::TRhytm7(Dialogs& dialogs, RhythmPlayer& player, Random& random, Clock& clock,
                 const scores::ScoreStore& scoreStore, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs, [this] { showState(); }), player_(player),
      trainer_(dialogs_, player, random, clock, scoreStore) {
    build();
}

TRhytm7::~TRhytm7() = default;

Dialogs* TRhytm7::ownDialogs() const {
    return parts_ ? &parts_->dialogs : nullptr;
}

HelpWindow* TRhytm7::helpWindow() const {
    return help_;
}

void TRhytm7::build() {
    setObjectName(QStringLiteral("Rhytm7"));
    setWindowTitle(tr("Qor Beatwise"));
    buildControls();
    buildMenus();
    RhyAboutBox = new TRhyAboutBox(this);
    ScoreRecord = new TScoreRecord(this);
    buildScaler();
    forward([this] { trainer_.FormCreate(); });
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
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kFaceColor);
    client->setPalette(palette);
    client->setFont(pixelFont(QStringLiteral("Arial"), 11));
    resize(kDesignClientWidth, kDesignClientHeight);

    ShowRes = new RhythmRow(client);
    ShowRes->setObjectName(QStringLiteral("ShowRes"));
    ShowRes->setGeometry(32, 48, 481, 44);
    connect(ShowRes, &RhythmRow::columnPressed, this,
            [this](int column) { forward([this, column] { trainer_.ShowResMouseDown(column); }); });

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

    for (int i = 0; i < RhythmCatalogue::kSimplePatterns; ++i) {
        auto* button = new TGradBtn(client);
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

    Label1 = label(QStringLiteral("Label1"), tr("Metronome"), {536, 72});
    Speed = new StepSpinEdit(client);
    Speed->setObjectName(QStringLiteral("Speed"));
    Speed->setGeometry(536, 104, 56, 30);
    Speed->setRange(Tempo::kMinimum, Tempo::kMaximum);
    Speed->setSingleStep(Tempo::kStep);
    Speed->setValue(Tempo::kInitial);
    Speed->setFont(pixelFont(QStringLiteral("Arial"), 16));
    Speed->setFocusPolicy(Qt::ClickFocus); // no tab stop; the wheel and the arrows still step
    connect(Speed, &QSpinBox::valueChanged, this,
            [this](int value) { forward([this, value] { trainer_.SpeedChange(value); }); });
}

// ---------------------------------------------------------------------------------------------
// Menus

void TRhytm7::buildMenus() {
    auto radioGroup = [this](std::initializer_list<QAction*> actions) {
        auto* group = new QActionGroup(this);
        group->setExclusive(true);
        for (QAction* action : actions) {
            action->setCheckable(true);
            group->addAction(action);
        }
        return group;
    };
    auto bind = [this](QAction* action, Handler handler) {
        connect(action, &QAction::triggered, this, [this, handler] { call(handler); });
    };

    FileMenu = menuBar()->addMenu(tr("&File"));
    QuizMode = FileMenu->addMenu(tr("Quiz Mode"));
    Off2 = QuizMode->addAction(tr("Off"));
    PrepareQuiz = QuizMode->addAction(tr("Prepare Quiz"));
    QuizinProgress = QuizMode->addAction(tr("Quiz in Progress"));
    quizGroup_ = radioGroup({Off2, PrepareQuiz, QuizinProgress});
    bind(Off2, &RhythmTrainer::Off2Click);
    bind(PrepareQuiz, &RhythmTrainer::PrepareQuizClick);
    ViewScores1 = FileMenu->addAction(tr("View Scores"));
    bind(ViewScores1, &RhythmTrainer::ViewScores1Click);
    FileMenu->addSeparator();
    Exit = FileMenu->addAction(tr("Exit"));
    connect(Exit, &QAction::triggered, this, &TRhytm7::ExitClick);

    RhythmPatterns = menuBar()->addMenu(tr("Rhythm Patterns"));
    Simple = RhythmPatterns->addMenu(tr("Simple"));
    Compound = RhythmPatterns->addMenu(tr("Compound"));
    meterGroup_ = radioGroup({Simple->menuAction(), Compound->menuAction()});
    // The meter is chosen as its submenu opens, before a level is picked from it.
    connect(Simple, &QMenu::aboutToShow, this, [this] { call(&RhythmTrainer::SimpleClick); });
    connect(Compound, &QMenu::aboutToShow, this, [this] { call(&RhythmTrainer::CompoundClick); });
    simpleLevelGroup_ = new QActionGroup(this);
    for (int i = 0; i < int(simpleLevels.size()); ++i) {
        QAction* item = Simple->addAction(tr("%1 patterns").arg(3 + i));
        item->setCheckable(true);
        simpleLevelGroup_->addAction(item);
        bind(item, kLevelHandlers[static_cast<std::size_t>(i)]);
        simpleLevels[static_cast<std::size_t>(i)] = item;
    }
    compoundLevelGroup_ = new QActionGroup(this);
    for (int i = 0; i < int(compoundLevels.size()); ++i) {
        QAction* item = Compound->addAction(tr("%1 patterns").arg(3 + i));
        item->setCheckable(true);
        compoundLevelGroup_->addAction(item);
        bind(item, kLevelHandlers[static_cast<std::size_t>(i)]);
        compoundLevels[static_cast<std::size_t>(i)] = item;
    }

    Advance = menuBar()->addMenu(tr("Advance"));
    AutoAdvance = Advance->addMenu(tr("AutoAdvance"));
    On1 = AutoAdvance->addAction(tr("On"));
    Off1 = AutoAdvance->addAction(tr("Off"));
    advanceGroup_ = radioGroup({On1, Off1});
    bind(On1, &RhythmTrainer::On1Click);
    bind(Off1, &RhythmTrainer::Off1Click);

    Midi = menuBar()->addMenu(tr("Midi"));
    AllNotesOff1 = Midi->addAction(tr("All Notes Off"));
    bind(AllNotesOff1, &RhythmTrainer::AllNotesOff1Click);

    HelpMenu = menuBar()->addMenu(tr("Help"));
    HelpTopics2 = HelpMenu->addAction(tr("Help Topics"));
    connect(HelpTopics2, &QAction::triggered, this, &TRhytm7::HelpTopics2Click);
    About2 = HelpMenu->addAction(tr("About"));
    connect(About2, &QAction::triggered, this, &TRhytm7::About2Click);
}

// ---------------------------------------------------------------------------------------------
// The form scaler, with the window as it was designed on an 808 x 580 screen

void TRhytm7::buildScaler() {
    ElasticForm1 = new TElasticForm(this);
    ElasticForm1->setObjectName(QStringLiteral("ElasticForm1"));
    ElasticForm1->setDesignScreenWidth(808);
    ElasticForm1->setDesignScreenHeight(580);
    ElasticForm1->setDesignPixelsPerInch(96);
    ElasticForm1->setDesignFormWidth(633);
    ElasticForm1->setDesignFormHeight(482);
    ElasticForm1->setDesignFormClientWidth(kDesignClientWidth);
    ElasticForm1->setDesignFormClientHeight(kDesignClientHeight);
    ElasticForm1->setDesignFormLeft(223);
    ElasticForm1->setDesignFormTop(96);
    ElasticForm1->setFont(pixelFont(QStringLiteral("Arial"), 11));
    ElasticForm1->setEFActiveControl(QStringLiteral("ShowRes"));
}

// ---------------------------------------------------------------------------------------------
// Events

template <typename Call> void TRhytm7::forward(Call&& call) {
    try {
        call();
    } catch (const std::exception& failure) {
        // Our failures carry their message as UTF-8 (QString::toStdString), whatever the
        // system's code page.
        dialogs_.error(QString::fromUtf8(failure.what()));
    }
    showState();
}

void TRhytm7::call(Handler handler) {
    forward([this, handler] { (trainer_.*handler)(); });
}

void TRhytm7::patternClick(int pattern) {
    // A full row only tells the student so; any other entry leaves the answer row focused for
    // the next beat and for Enter.
    const bool full = state().AnswerCursor >= RhythmCatalogue::kColumns - 1;
    call(kPatternHandlers[static_cast<std::size_t>(pattern)]);
    if (!full)
        ShowRes->setFocus(Qt::OtherFocusReason);
}

bool TRhytm7::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        FormActivate();
    }
    return handled;
}

void TRhytm7::FormActivate() {
    ShowRes->setFocus(Qt::ActiveWindowFocusReason);
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TRhytm7::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TRhytm7::FormClose() {
    if (player_.IsPlaying())
        player_.Stop();
    if (help_)
        help_->close();
}

void TRhytm7::ExitClick() {
    close();
}

void TRhytm7::HelpTopics2Click() {
    if (!help_)
        help_ = new HelpWindow(HelpWindow::Program::Beatwise, this);
    help_->showContents();
}

void TRhytm7::About2Click() {
    RhyAboutBox->exec();
}

// ---------------------------------------------------------------------------------------------
// What the window shows

void TRhytm7::showState() {
    const RhythmState& s = state();

    for (int i = 0; i < RhythmCatalogue::kSimplePatterns; ++i) {
        const ControlState& control = s.patternButtons[static_cast<std::size_t>(i)];
        TGradBtn* button = patternButtons[static_cast<std::size_t>(i)];
        button->setCaption(control.caption);
        showControl(button, control);
    }
    StartButton->setCaption(readable(s.StartButton.caption));
    showControl(StartButton, s.StartButton);
    Repetir->setCaption(readable(s.Repetir.caption));
    showControl(Repetir, s.Repetir);
    AnsDisplay->setCaption(readable(s.AnsDisplay.caption));
    showControl(AnsDisplay, s.AnsDisplay);
    RestScore->setCaption(readable(s.RestScore.caption));
    showControl(RestScore, s.RestScore);
    EraseAllChds->setCaption(readable(s.EraseAllChds.caption));
    showControl(EraseAllChds, s.EraseAllChds);

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

    // Menus: marks and enabled items.
    Off2->setChecked(s.quizMode == ::QuizMode::Off);
    PrepareQuiz->setChecked(s.quizMode == ::QuizMode::Prepared);
    QuizinProgress->setChecked(s.quizMode == ::QuizMode::InProgress);
    PrepareQuiz->setEnabled(s.prepareQuizEnabled);
    QuizinProgress->setEnabled(s.quizInProgressEnabled);
    RhythmPatterns->menuAction()->setEnabled(s.rhythmPatternsMenuEnabled);
    Simple->menuAction()->setChecked(s.meter == Meter::Simple);
    Compound->menuAction()->setChecked(s.meter == Meter::Compound);
    for (int i = 0; i < int(simpleLevels.size()); ++i)
        simpleLevels[static_cast<std::size_t>(i)]->setChecked(s.simpleLevelMark == 3 + i);
    for (int i = 0; i < int(compoundLevels.size()); ++i)
        compoundLevels[static_cast<std::size_t>(i)]->setChecked(s.compoundLevelMark == 3 + i);
    Advance->menuAction()->setEnabled(s.advanceMenuEnabled);
    On1->setChecked(s.autoAdvance == ::AutoAdvance::On);
    Off1->setChecked(s.autoAdvance == ::AutoAdvance::Off);
}
