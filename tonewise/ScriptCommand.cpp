#include "ScriptCommand.h"

#include "BoundTimers.h"
#include "MidiOut.h"
#include "PitchAnswers.h"
#include "PitchMenus.h"
#include "PitchTrainer.h"
#include "RecordingMidiPlatform.h"
#include "ReplayableRandom.h"
#include "ScoreStore.h"
#include "ScriptStop.h"
#include "ScriptedDialogs.h"
#include "ShowingBoundary.h"
#include "VirtualClock.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace tonewise {

namespace {

constexpr int UsageError = 2;

const QString Usage = QStringLiteral(
    "Usage: tonewise --script FILE [--seed S] [--scores FOLDER]   (FILE \"-\" reads standard "
    "input)");

// A line of the script that cannot be carried out.
struct ScriptError : ScriptStop {
    using ScriptStop::ScriptStop;
};

const char* fieldName(PitchField field) {
    switch (field) {
    case PitchField::Key:
        return "Key";
    case PitchField::QuestShw:
        return "QuestShw";
    case PitchField::AnsShow:
        return "AnsShow";
    case PitchField::Score:
        return "Score";
    case PitchField::Items:
        return "Items";
    }
    return "";
}

class ScriptRun final : public PitchTrainerListener {
public:
    ScriptRun(QTextStream& out, quint64 seed, const QString& scoreFolder)
        : out_(out), random_(seed, [this] { return clock_.now(); }), store_(scoreFolder),
          dialogs_(QStringLiteral("Tonewise")), platform_({QStringLiteral("Built-in synthesizer")}),
          output_(nullptr, &platform_), boundary_(dialogs_), timers_(clock_, boundary_),
          trainer_(dialogs_, output_, random_, clock_, timers_, store_), answers_(trainer_) {
        dialogs_.whenExhausted = DialogScript::WhenExhausted::Refuse;
        dialogs_.shown = [this](const QString& title, const QString& text, const QString& answer) {
            QString shown = text;
            shown.replace(QLatin1Char('\n'), QStringLiteral(" / "));
            line(QStringLiteral("dialog ") + title + QStringLiteral(" | ") + shown +
                 QStringLiteral(" -> ") + answer);
        };
        platform_.onMessage = [this](const RecordingMidiPlatform::Message& m) {
            line(QStringLiteral("midi %1 %2 %3").arg(m.status).arg(m.data1).arg(m.data2));
        };
        trainer_.setListener(this);
    }

    void start() {
        fieldsShown_ = false;
        guarded([this] {
            trainer_.FormCreate();
            trainer_.Initial();
        });
        fieldsShown_ = true;
        const PitchState& s = trainer_.state();
        const std::pair<PitchField, QString> fields[] = {{PitchField::Key, s.Key},
                                                         {PitchField::QuestShw, s.QuestShw},
                                                         {PitchField::AnsShow, s.AnsShow},
                                                         {PitchField::Score, s.Score},
                                                         {PitchField::Items, s.Items}};
        for (const auto& [field, text] : fields)
            fieldChanged(field, text);
    }

    void run(const QString& text) {
        const QString command = text.section(QLatin1Char(' '), 0, 0);
        const QString rest = text.section(QLatin1Char(' '), 1).trimmed();
        if (command == QLatin1String("wait")) {
            bool ok = false;
            const qint64 ms = rest.toLongLong(&ok);
            if (!ok || ms < 0)
                throw ScriptError(QStringLiteral("wait needs a number of milliseconds"));
            guarded([this, ms] { clock_.advance(ms); });
        } else if (command == QLatin1String("reply")) {
            dialogs_.inputAnswers.push_back(rest);
        } else if (text == QLatin1String("cancel")) {
            dialogs_.inputAnswers.push_back(std::nullopt);
        } else if (text == QLatin1String("yes") || text == QLatin1String("no")) {
            dialogs_.confirmAnswers.push_back(text == QLatin1String("yes"));
        } else if (command == QLatin1String("key")) {
            clickKey(rest);
        } else if (command == QLatin1String("button")) {
            clickButton(rest);
        } else if (command == QLatin1String("menu")) {
            chooseMenu(rest.split(QLatin1Char('>')));
        } else {
            throw ScriptError(QStringLiteral("unknown line"));
        }
    }

    // PitchTrainerListener
    void fieldChanged(PitchField field, const QString& text) override {
        if (fieldsShown_)
            line(QStringLiteral("field %1 \"%2\"").arg(QLatin1String(fieldName(field)), text));
    }
    void staffChanged() override {
        QString glyphs;
        for (const StaffGlyph& glyph : trainer_.state().staff)
            if (!glyph.erase)
                glyphs += QStringLiteral(" %1@%2,%3").arg(glyph.text).arg(glyph.x).arg(glyph.y);
        line(QStringLiteral("staff") + glyphs);
    }
    void scoreLineAppended(const QString& file, const QString& text) override {
        line(QStringLiteral("file ") + QFileInfo(file).fileName() + QStringLiteral(" | ") + text);
    }

private:
    void line(const QString& text) { out_ << clock_.now() << ' ' << text << '\n'; }

    // Runs a student's action through the event boundary, as the window does.
    template <typename Action> void guarded(Action action) { boundary_.run(action); }

    void clickKey(const QString& name) {
        const PianoKey* key = findKeyboardKey(name);
        if (!key) {
            const auto midi = midiNoteOf(name);
            key = midi ? keyboardKeyForMidi(*midi) : nullptr;
        }
        if (!key)
            throw ScriptError(QStringLiteral("no keyboard key \"%1\"").arg(name));
        const auto& keys = KeyboardKeys();
        const auto index = static_cast<std::size_t>(key - keys.data());
        const KeyControl& control = trainer_.state().keys[index];
        if (!control.visible || !control.enabled)
            throw ScriptError(QStringLiteral("the key %1 is hidden").arg(key->name));
        guarded([this, key] { answers_.answer({key->midi}); });
    }

    void clickButton(const QString& caption) {
        const PitchState& s = trainer_.state();
        const std::pair<const ControlState*, void (PitchTrainer::*)()> buttons[] = {
            {&s.StartButton, &PitchTrainer::StartButtonClick},
            {&s.RepeatNotes, &PitchTrainer::RepeatNotesClick},
            {&s.AnsDisplay, &PitchTrainer::AnsDisplayClick}};
        for (const auto& [button, handler] : buttons) {
            if (button->caption != caption)
                continue;
            if (!button->enabled || !button->visible)
                throw ScriptError(QStringLiteral("the button \"%1\" is disabled").arg(caption));
            guarded([this, handler = handler] { (trainer_.*handler)(); });
            return;
        }
        throw ScriptError(QStringLiteral("no button \"%1\"").arg(caption));
    }

    void chooseMenu(QStringList path) {
        for (QString& step : path)
            step = step.trimmed();
        // "Midi > Outputs > NAME": the chooser shown by "Outputs", and the device picked in it.
        QString device;
        if (path.size() == 3 && path[0] == QLatin1String("Midi") &&
            path[1] == QLatin1String("Outputs"))
            device = path.takeLast();
        const PitchState& s = trainer_.state();
        const std::vector<PitchMenuItem>* level = &menus_;
        const PitchMenuItem* item = nullptr;
        for (const QString& step : path) {
            item = findMenuItem(*level, s, {step});
            if (!item)
                throw ScriptError(QStringLiteral("no menu item \"%1\"").arg(step));
            if (!item->isEnabled(s))
                throw ScriptError(QStringLiteral("the menu item \"%1\" is disabled").arg(step));
            if (item->opened)
                guarded([this, item] { item->opened(trainer_); });
            level = &item->children;
        }
        if (!item || item->isSubmenu())
            throw ScriptError(QStringLiteral("a menu command needs the path to an item"));
        if (item->triggered)
            guarded([this, item] { item->triggered(trainer_); });
        else if (item->command == WindowCommand::About)
            dialogs_.information(aboutText());
        else if (item->command == WindowCommand::Exit)
            guarded([this] { trainer_.Exit1Click(); });
        if (!device.isEmpty()) {
            const int index = trainer_.state().cmbOutput.entries.indexOf(device);
            if (index < 0)
                throw ScriptError(QStringLiteral("no output \"%1\"").arg(device));
            guarded([this, index] { trainer_.cmbOutputChange(index); });
        }
    }

    QTextStream& out_;
    VirtualClock clock_;
    ReplayableRandom random_;
    scores::ScoreStore store_;
    ScriptedDialogs dialogs_;
    RecordingMidiPlatform platform_;
    TMidiOutput output_;
    ShowingBoundary boundary_;
    BoundTimers timers_;
    PitchTrainer trainer_;
    PitchAnswers answers_;
    std::vector<PitchMenuItem> menus_ = pitchMenuBar();
    bool fieldsShown_ = false;
};

QString optionValue(const QStringList& arguments, const QString& option, bool& missing) {
    const int at = arguments.indexOf(option);
    if (at < 0)
        return QString();
    if (at + 1 >= arguments.size()) {
        missing = true;
        return QString();
    }
    return arguments.at(at + 1);
}

} // namespace

int runScriptCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    bool missing = false;
    const QString path = optionValue(arguments, QStringLiteral("--script"), missing);
    const QString seedText = optionValue(arguments, QStringLiteral("--seed"), missing);
    const QString folder = optionValue(arguments, QStringLiteral("--scores"), missing);
    bool seedOk = true;
    const quint64 seed = seedText.isEmpty() ? 1 : seedText.toULongLong(&seedOk);
    if (missing || path.isEmpty() || !seedOk) {
        err << Usage << '\n';
        return UsageError;
    }

    QFile file;
    const bool opened = path == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        err << "tonewise: cannot read the script " << path << ": " << file.errorString() << '\n';
        return UsageError;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));

    ScriptRun run(out, seed, folder.isEmpty() ? scores::ScoreStore::defaultFolder() : folder);
    int number = 0;
    try {
        run.start();
        for (const QString& raw : lines) {
            ++number;
            const QString text = raw.trimmed();
            if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
                continue;
            run.run(text);
        }
    } catch (const UnansweredDialog& failure) {
        out.flush();
        err << "tonewise: line " << number << ": " << failure.text() << '\n';
        return UsageError;
    } catch (const ScriptError& failure) {
        out.flush();
        err << "tonewise: line " << number << ": " << failure.text() << ": "
            << lines.value(number - 1).trimmed() << '\n';
        return UsageError;
    }
    return 0;
}

} // namespace tonewise
