#include "ScriptCommand.h"

#include "MidiOut.h"
#include "PitchMenus.h"
#include "PitchTrainer.h"
#include "RecordingMidiPlatform.h"
#include "ReplayableRandom.h"
#include "ScoreStore.h"
#include "ScriptedDialogs.h"
#include "TonewiseCommandLine.h"
#include "VirtualClock.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tonewise {

namespace {

constexpr int UsageError = CommandLine::UsageError;

// Far beyond any lesson's script, and short of what a file that never ends would fill.
constexpr qint64 kMostScriptBytes = 4 * 1024 * 1024;
constexpr qint64 kLongestLine = 4096;
// A day of virtual time a wait at most: the clock stays far from its limit, whatever the script.
constexpr qint64 kLongestWait = 24 * 60 * 60 * 1000;

// A line of the script that cannot be carried out.
struct ScriptError : std::runtime_error {
    explicit ScriptError(const QString& text) : std::runtime_error(text.toStdString()) {}
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
          output_(nullptr, &platform_),
          trainer_(dialogs_, output_, random_, clock_, clock_, store_) {
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
            if (!ok || ms < 0 || ms > kLongestWait)
                throw ScriptError(QStringLiteral("wait needs a number of milliseconds from 0 to "
                                                 "%1 (a day)")
                                      .arg(kLongestWait));
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

    // Runs a student's action; a MIDI failure shows its box, as the window does.
    template <typename Action> void guarded(Action action) {
        try {
            action();
        } catch (const EmidioutputError& failure) {
            dialogs_.error(failure.message());
        }
    }

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
        guarded([this, key] { trainer_.KeyClick(key->name); });
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
    PitchTrainer trainer_;
    std::vector<PitchMenuItem> menus_ = pitchMenuBar();
    bool fieldsShown_ = false;
};

// The script's lines, read one at a time from an ordinary file or from standard input ("-").
// A file that is not an ordinary one (a pipe, a device), a script longer than kMostScriptBytes
// or a line longer than kLongestLine is refused rather than read without end.
class ScriptSource {
public:
    // An empty text when the script can be read; otherwise why not.
    QString open(const QString& path) {
#ifdef Q_OS_UNIX
        // Standard input by its descriptor: every byte is read as it comes, a zero byte too.
        if (path == QLatin1String("-"))
            return file_.open(STDIN_FILENO, QIODevice::ReadOnly) ? QString() : file_.errorString();
        // Opened without waiting (a named pipe would wait for a writer), then checked by what
        // was opened, not by the name, which may change meanwhile.
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return QString::fromLocal8Bit(std::strerror(errno));
        struct stat status {};
        if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            ::close(fd);
            return QStringLiteral("not an ordinary file");
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return file_.errorString();
        }
#else
        if (path == QLatin1String("-"))
            return file_.open(stdin, QIODevice::ReadOnly) ? QString() : file_.errorString();
        if (!QFileInfo(path).isFile())
            return QStringLiteral("not an ordinary file");
        file_.setFileName(path);
        if (!file_.open(QIODevice::ReadOnly))
            return file_.errorString();
#endif
        return {};
    }

    // The next line without its line break; false at the end. Throws ScriptError when the script
    // or the line is too long.
    bool next(QString& line) {
        const QByteArray raw = file_.readLine(kLongestLine + 2);
        if (raw.isEmpty())
            return false;
        ++number_;
        read_ += raw.size();
        if (raw.size() > kLongestLine + 1 || (raw.size() > kLongestLine && !raw.endsWith('\n')))
            throw ScriptError(
                QStringLiteral("the line is longer than %1 characters").arg(kLongestLine));
        if (read_ > kMostScriptBytes)
            throw ScriptError(QStringLiteral("the script is longer than %1 MiB")
                                  .arg(kMostScriptBytes / (1024 * 1024)));
        line = QString::fromUtf8(raw).trimmed();
        return true;
    }
    int number() const {
        return number_;
    }

private:
    QFile file_;
    qint64 read_ = 0;
    int number_ = 0;
};

} // namespace

int runScriptCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    TonewiseCommandLine line;
    if (const std::optional<int> status =
            line.read(QStringList{line.program()} + arguments, out, err))
        return *status;
    if (line.mode() != TonewiseCommandLine::Mode::Script)
        return line.fail(err, QStringLiteral("--script needs the script's file"));
    return runScriptCommand(line, out, err);
}

int runScriptCommand(const CommandLine& line, QTextStream& out, QTextStream& err) {
    const QString path = line.value(QStringLiteral("script"));
    const QString seedText = line.value(QStringLiteral("seed"));
    const QString folder = line.value(QStringLiteral("scores"));
    bool seedOk = true;
    const quint64 seed = seedText.isEmpty() ? 1 : seedText.toULongLong(&seedOk);
    if (!seedOk)
        return line.fail(err,
                         QStringLiteral("--seed must be a whole number, not \"%1\"").arg(seedText));
    if (path.isEmpty())
        return line.fail(err, QStringLiteral("--script needs the script's file (\"-\" for "
                                             "standard input)"));

    ScriptSource source;
    if (const QString why = source.open(path); !why.isEmpty())
        return line.report(err, QStringLiteral("cannot read the script %1: %2").arg(path, why),
                           UsageError);

    ScriptRun run(out, seed, folder.isEmpty() ? scores::ScoreStore::defaultFolder() : folder);
    QString text;
    try {
        run.start();
        for (;;) {
            text.clear(); // a line that cannot be read is not shown
            if (!source.next(text))
                break;
            if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
                continue;
            run.run(text);
        }
    } catch (const ScriptError& failure) {
        out.flush();
        err << "tonewise: line " << source.number() << ": " << failure.what();
        if (!text.isEmpty())
            err << ": " << text;
        err << '\n';
        return UsageError;
    } catch (const UnansweredDialog& failure) {
        out.flush();
        err << "tonewise: line " << source.number() << ": " << failure.text << '\n';
        return UsageError;
    }
    out.flush();
    return 0;
}

} // namespace tonewise
