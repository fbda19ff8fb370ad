#include "TForm1.h"

#include "BoundTimers.h"
#include "ExerciseLines.h"
#include "HelpWindow.h"
#include "MersenneRandom.h"
#include "MidiInput.h"
#include "MidiKeyboard.h"
#include "MidiOut.h"
#include "ModalDialogs.h"
#include "QtTimers.h"
#include "RefreshingDialogs.h"
#include "ScoreStore.h"
#include "ShowingBoundary.h"
#include "SmuflFont.h"
#include "StaffView.h"
#include "SystemClock.h"
#include "TElasticForm.h"
#include "TGradButton.h"
#include "TScoreRecord.h"
#include "Timpgrid.h"
#include "WindowParts.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextEdit>

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

// A menu caption as the student reads it.
QString shownCaption(const PitchMenuItem& item, const PitchState& state) {
    return readable("PitchMenus", item.caption(state));
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
    : QMainWindow(parent), parts_(std::move(parts)) {
    parts_->dialogs.setTitle(QStringLiteral("Tonewise"));
    build(parts_->dialogs, parts_->MidiOutput1, parts_->random, parts_->clock, parts_->timers,
          parts_->store);
    parts_->dialogs.attach(this, ScoreRecord);
}

TForm1::TForm1(Dialogs& dialogs, TMidiOutput& output, Random& random, Clock& clock,
               TimerFactory& timers, const scores::ScoreStore& scoreStore, QWidget* parent)
    : QMainWindow(parent) {
    build(dialogs, output, random, clock, timers, scoreStore);
}

TForm1::~TForm1() {
    if (trainer_)
        trainer_->setListener(nullptr);
    if (busyCursor_)
        QApplication::restoreOverrideCursor();
}

void TForm1::build(Dialogs& dialogs, TMidiOutput& output, Random& random, Clock& clock,
                   TimerFactory& timers, const scores::ScoreStore& scoreStore) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Qor Pitch and Interval Identification"));
    refreshingDialogs_ = std::make_unique<RefreshingDialogs>(dialogs, [this] { showState(); });
    dialogs_ = refreshingDialogs_.get();
    boundary_ = std::make_unique<ShowingBoundary>(*dialogs_, [this] { showState(); });
    timers_ = std::make_unique<BoundTimers>(timers, *boundary_);
    trainer_ =
        std::make_unique<PitchTrainer>(*dialogs_, output, random, clock, *timers_, scoreStore);
    trainer_->setListener(this);
    buildControls();
    buildKeyboard();
    buildMenus();
    ScoreRecord = new TScoreRecord(this);
    buildScaler();
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
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kSilver);
    client->setPalette(palette);
    client->setFont(pixelFont(QStringLiteral("Arial"), 12));
    resize(kDesignClientWidth, kDesignClientHeight);

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

    PaintBox1 = new StaffView(client);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(208, 120, 235, 145);

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
            const QString name = key.name;
            connect(button, &TGradButton::clicked, this,
                    [this, name] { forward([this, name] { trainer_->KeyClick(name); }); });
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
    for (const PitchMenuItem& top : menuTree_) {
        QMenu* menu = menuBar()->addMenu(shownCaption(top, state()));
        menu->setObjectName(top.name);
        menu->menuAction()->setObjectName(top.name);
        shownItems_.push_back({&top, menu->menuAction()});
        actionsByName_[top.name] = menu->menuAction();
        addMenuItems(menu, top.children);
    }
    buildInputsMenu();
}

// ---------------------------------------------------------------------------------------------
// A MIDI keyboard: "Midi > Inputs" lists the ports, and a key played answers as a click on it

void TForm1::buildInputsMenu() {
    const auto midiMenu = actionsByName_.find(QStringLiteral("Midi1"));
    if (midiMenu == actionsByName_.end() || !midiMenu->second->menu())
        return;
    QMenu* parent = midiMenu->second->menu();
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
    const QString current = midiInput_ ? midiInput_->openPort() : QString();
    const auto add = [&](const QString& caption, const QString& port) {
        QAction* action = inputsMenu_->addAction(caption);
        action->setCheckable(true);
        action->setChecked(port == current);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, port] {
            if (!midiInput_)
                return;
            if (port.isEmpty()) {
                midiInput_->close();
                return;
            }
            QString error;
            if (!midiInput_->open(port, &error))
                dialogs_->error(error);
        });
    };
    add(tr("None"), QString());
    if (midiInput_)
        for (const QString& port : midiInput_->ports())
            add(port, port);
}

void TForm1::listenTo(midi::MidiInput* input) {
    if (midiInput_) {
        midiInput_->onMessage({});
        midiInput_->onLost({});
    }
    midiInput_ = input;
    if (!input)
        return;
    input->onMessage([this](const QByteArray& message) { midiMessage(message); });
    input->onLost([this](const QString& port) { midiInputLost(port); });
    if (input->openPort().isEmpty()) {
        const QString port = midi::MidiInput::preferredPort(input->ports());
        QString ignored; // a keyboard that cannot be opened now can still be chosen later
        if (!port.isEmpty())
            input->open(port, &ignored);
    }
    if (inputsMenu_)
        fillInputsMenu();
}

void TForm1::midiMessage(const QByteArray& message) {
    const std::optional<tonewise::KeyboardTouch> touch = tonewise::keyboardTouch(message);
    if (!touch)
        return;
    TGradButton* key = keyButton(touch->key);
    if (!touch->pressed) {
        key->hold(false);
        return;
    }
    // What a mouse could not click now, a MIDI key does not answer: a key that is off or hidden,
    // or any key while a box waits for the student.
    if (!key->isEnabled() || key->isHidden() || QApplication::activeModalWidget())
        return;
    key->hold(true);
    key->Click();
}

void TForm1::midiInputLost(const QString& port) {
    for (TGradButton* key : keys)
        key->hold(false);
    dialogs_->information(tr("The MIDI keyboard \"%1\" is no longer connected. Choose Midi > "
                             "Inputs to use another one.")
                              .arg(port));
    showState();
}

void TForm1::addMenuItems(QMenu* menu, const std::vector<PitchMenuItem>& items) {
    QActionGroup* radio = nullptr;
    for (const PitchMenuItem& item : items) {
        QAction* action = nullptr;
        if (item.isSubmenu()) {
            QMenu* submenu = menu->addMenu(shownCaption(item, state()));
            submenu->setObjectName(item.name);
            action = submenu->menuAction();
            if (item.opened)
                connect(submenu, &QMenu::aboutToShow, this,
                        [this, &item] { forward([this, &item] { item.opened(*trainer_); }); });
            addMenuItems(submenu, item.children);
        } else {
            if (item.command == WindowCommand::Exit || item.command == WindowCommand::About)
                menu->addSeparator();
            action = menu->addAction(shownCaption(item, state()));
            connect(action, &QAction::triggered, this, [this, &item] {
                if (item.triggered)
                    forward([this, &item] { item.triggered(*trainer_); });
                else
                    runWindowCommand(item.command);
            });
        }
        action->setObjectName(item.name);
        if (item.checked) {
            // Radio items of one submenu look like one group; the marks come from the state.
            if (!radio) {
                radio = new QActionGroup(menu);
                radio->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            action->setCheckable(true);
            radio->addAction(action);
        }
        shownItems_.push_back({&item, action});
        actionsByName_[item.name] = action;
    }
}

QAction* TForm1::menuAction(const QString& name) const {
    const auto found = actionsByName_.find(name);
    return found == actionsByName_.end() ? nullptr : found->second;
}

void TForm1::runWindowCommand(WindowCommand command) {
    switch (command) {
    case WindowCommand::HelpTopics:
        return HelpTopics1Click();
    case WindowCommand::About:
        return About1Click();
    case WindowCommand::Exit:
        close();
        return;
    case WindowCommand::None:
        return;
    }
}

// ---------------------------------------------------------------------------------------------
// The form scaler, with the window as it was designed on an 808 x 580 screen

void TForm1::buildScaler() {
    ElasticForm1 = new TElasticForm(this);
    ElasticForm1->setObjectName(QStringLiteral("ElasticForm1"));
    ElasticForm1->setDesignScreenWidth(808);
    ElasticForm1->setDesignScreenHeight(580);
    ElasticForm1->setDesignPixelsPerInch(96);
    ElasticForm1->setDesignFormWidth(637);
    ElasticForm1->setDesignFormHeight(478);
    ElasticForm1->setDesignFormClientWidth(kDesignClientWidth);
    ElasticForm1->setDesignFormClientHeight(kDesignClientHeight);
    ElasticForm1->setDesignFormLeft(222);
    ElasticForm1->setDesignFormTop(71);
    ElasticForm1->setFont(pixelFont(QStringLiteral("Arial"), 12));
}

// ---------------------------------------------------------------------------------------------
// Events

template <typename Call> void TForm1::forward(Call&& call) {
    boundary_->run(call);
}

bool TForm1::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        Initial();
    }
    return handled;
}

void TForm1::Initial() {
    setWindowState(windowState() | Qt::WindowMaximized);
    forward([this] { trainer_->Initial(); });
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm1::FormClose() {
    forward([this] { trainer_->Exit1Click(); });
    if (help_)
        help_->close();
}

HelpWindow* TForm1::helpWindow() const {
    return help_;
}

void TForm1::HelpTopics1Click() {
    if (!help_)
        help_ = new HelpWindow(HelpWindow::Program::Tonewise, this);
    help_->showContents();
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

void TForm1::showState() {
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

    for (int column = 1; column <= KeyStepTable::ColumnCount; ++column)
        if (QuestList->Cells(column, 0) != s.QuestList.column(column))
            QuestList->setCells(column, 0, s.QuestList.column(column));

    for (const ShownItem& shown : shownItems_) {
        const QString caption = shownCaption(*shown.item, s);
        if (shown.action->text() != caption)
            shown.action->setText(caption);
        shown.action->setEnabled(shown.item->isEnabled(s));
        if (shown.item->checked)
            shown.action->setChecked(shown.item->isChecked(s));
    }
    PaintBox1->setGlyphs(s.staff);
}
