#include "ScriptCommand.h"

#include "MidiOut.h"
#include "PitchAnswers.h"
#include "PitchMenus.h"
#include "PitchTrainer.h"
#include "RecordingFeeder.h"
#include "RecordingMidiPlatform.h"
#include "ScoreStore.h"
#include "ScriptFile.h"
#include "ScriptRun.h"
#include "ScriptSession.h"
#include "SingingAnalyser.h"
#include "SungAnswerSource.h"
#include "SungPitch.h"
#include "TonewiseCommandLine.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cmath>

namespace tonewise {

namespace {

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

// The pitch trainer run from a script, its transcript following the listener's notices as the
// handlers change the fields and the staff.
class PitchScriptRun final : public ScriptRun, private PitchTrainerListener {
public:
    PitchScriptRun(QTextStream& out, quint64 seed, const QString& scoreFolder,
                   const QString& recordingFolder)
        : session_(out, seed, QStringLiteral("Tonewise")), store_(scoreFolder),
          platform_({QStringLiteral("Built-in synthesizer")}), output_(nullptr, &platform_),
          trainer_(session_.dialogs(), output_, session_.random(), session_.clock(),
                   session_.timers(), store_),
          answers_(trainer_), sung_(trainer_.state(), answers_), feeder_({&analyser_}),
          recordingFolder_(recordingFolder) {
        platform_.onMessage = [this](const RecordingMidiPlatform::Message& m) {
            session_.write(QStringLiteral("midi %1 %2 %3").arg(m.status).arg(m.data1).arg(m.data2));
        };
        trainer_.setListener(this);
        // The analyser is fed on this thread: what it hears arrives at once.
        QObject::connect(&analyser_, &listening::SingingAnalyser::heard,
                         [this](const listening::HeardNote& note) { heard_.push_back(note); });
    }

    void start() override {
        fieldsShown_ = false;
        session_.run([this] {
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

    void run(const QString& text) override {
        if (session_.runCommonLine(text))
            return;
        const QString command = text.section(QLatin1Char(' '), 0, 0);
        const QString rest = text.section(QLatin1Char(' '), 1).trimmed();
        if (command == QLatin1String("key"))
            clickKey(rest);
        else if (command == QLatin1String("button"))
            clickButton(rest);
        else if (command == QLatin1String("menu"))
            chooseMenu(rest.split(QLatin1Char('>')));
        else if (command == QLatin1String("sing"))
            sing(rest);
        else
            throw ScriptError(QStringLiteral("unknown line"));
    }

private:
    // PitchTrainerListener
    void fieldChanged(PitchField field, const QString& text) override {
        if (fieldsShown_)
            session_.write(
                QStringLiteral("field %1 \"%2\"").arg(QLatin1String(fieldName(field)), text));
    }
    void staffChanged() override {
        QString glyphs;
        for (const StaffGlyph& glyph : trainer_.state().staff)
            if (!glyph.erase)
                glyphs += QStringLiteral(" %1@%2,%3").arg(glyph.text).arg(glyph.x).arg(glyph.y);
        session_.write(QStringLiteral("staff") + glyphs);
    }
    void scoreLineAppended(const QString& file, const QString& text) override {
        session_.write(QStringLiteral("file ") + QFileInfo(file).fileName() +
                       QStringLiteral(" | ") + text);
    }

    void clickKey(const QString& name) {
        const PianoKey* key = findKeyboardKey(name);
        if (!key) {
            const auto midi = midiNoteOf(name);
            key = midi ? keyboardKeyForMidi(*midi) : nullptr;
        }
        if (!key)
            throw ScriptError(QStringLiteral("no keyboard key \"%1\"").arg(name));
        if (!answers_.canAnswer(key->midi))
            throw ScriptError(QStringLiteral("the key %1 is hidden").arg(key->name));
        session_.run([this, key] { answers_.answer({key->midi}); });
    }

    // A recording sung into the microphone now: every steady note heard in it answers at its time,
    // and the time moves on by the recording's length.
    void sing(const QString& file) {
        if (file.isEmpty())
            throw ScriptError(QStringLiteral("sing needs a WAV recording"));
        const QString path = QDir(recordingFolder_).filePath(file);
        const qint64 start = session_.clock().now();
        heard_.clear();
        QString error;
        const double lengthMs = feeder_.feedFile(path, static_cast<double>(start), &error);
        if (lengthMs < 0)
            throw ScriptError(error);
        for (const listening::HeardNote& note : heard_) {
            waitUntil(static_cast<qint64>(std::llround(note.timeMs)));
            session_.write(QStringLiteral("heard %1 %2")
                               .arg(sungNoteName(note.note))
                               .arg(static_cast<int>(std::lround(note.cents))));
            session_.run([this, note] { sung_.heard(note); });
        }
        waitUntil(start + static_cast<qint64>(std::ceil(lengthMs)));
    }

    void waitUntil(qint64 time) {
        const qint64 now = session_.clock().now();
        if (time > now)
            session_.run([this, time, now] { session_.clock().advance(time - now); });
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
            session_.run([this, handler = handler] { (trainer_.*handler)(); });
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
        const PitchMenuItem& item = session_.followMenu(menus_, trainer_, path);
        if (item.triggered)
            session_.run([this, &item] { item.triggered(trainer_); });
        else if (item.command == WindowCommand::About)
            session_.dialogs().information(aboutText());
        else if (item.command == WindowCommand::Exit)
            session_.run([this] { trainer_.Exit1Click(); });
        if (!device.isEmpty()) {
            const int index = trainer_.state().cmbOutput.entries.indexOf(device);
            if (index < 0)
                throw ScriptError(QStringLiteral("no output \"%1\"").arg(device));
            session_.run([this, index] { trainer_.cmbOutputChange(index); });
        }
    }

    ScriptSession session_;
    scores::ScoreStore store_;
    RecordingMidiPlatform platform_;
    TMidiOutput output_;
    PitchTrainer trainer_;
    PitchAnswers answers_;
    SungAnswerSource sung_;
    listening::SingingAnalyser analyser_;
    listening::RecordingFeeder feeder_;
    std::vector<listening::HeardNote> heard_;
    QString recordingFolder_;
    std::vector<PitchMenuItem> menus_ = pitchMenuBar();
    bool fieldsShown_ = false;
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
    const std::optional<ScriptFile::Options> options = ScriptFile::options(line, err);
    if (!options)
        return CommandLine::UsageError;
    // Recordings are found beside the script (or in the current folder for standard input).
    const QString recordingFolder = options->path == QLatin1String("-")
                                        ? QDir::currentPath()
                                        : QFileInfo(options->path).absolutePath();
    PitchScriptRun run(out, options->seed, options->scoreFolder, recordingFolder);
    return ScriptFile::run(line, *options, out, err, run);
}

} // namespace tonewise
