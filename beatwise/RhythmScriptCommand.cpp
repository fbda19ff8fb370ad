#include "RhythmScriptCommand.h"

#include "BeatwiseCommandLine.h"
#include "PatternAnswers.h"
#include "RhythmMenus.h"
#include "RhythmTrainer.h"
#include "ScoreStore.h"
#include "ScriptFile.h"
#include "ScriptRun.h"
#include "ScriptSession.h"
#include "ScriptedRhythmPlayer.h"
#include "ScriptedTaps.h"
#include "TapClick.h"
#include "Tempo.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

// A beat of a row as the transcript names it: its pattern's button letter, "-" when empty.
QString beatName(const QString& glyph, Meter meter) {
    if (glyph == RhythmCatalogue::emptyCell())
        return QStringLiteral("-");
    const Meter other = meter == Meter::Simple ? Meter::Compound : Meter::Simple;
    for (Meter m : {meter, other})
        for (int i = 0; i < RhythmCatalogue::patternCount(m); ++i)
            if (RhythmCatalogue::answerGlyph(m, i) == glyph)
                return RhythmCatalogue::buttonName(i);
    return QLatin1Char('"') + glyph + QLatin1Char('"');
}

// What the transcript follows of the trainer's state.
struct Shown {
    std::vector<std::pair<QString, QString>> fields;
    QString row;
    QString question;
    QString taps;

    static Shown of(const RhythmState& s) {
        Shown shown;
        shown.fields = {{QStringLiteral("Score"), s.Score},
                        {QStringLiteral("Items"), s.Items},
                        {QStringLiteral("AvRepeats"), s.AvRepeats},
                        {QStringLiteral("AnsDisplay"), s.AnsDisplay.caption},
                        {QStringLiteral("Speed"), QString::number(s.Speed)},
                        {QStringLiteral("LevelLabel"), s.LevelLabel}};
        shown.row = answerRow(s);
        shown.question = s.DisplayAnsVisible ? beats(s.DisplayAns, {}, s.questionMeter)
                                             : QStringLiteral("hidden");
        shown.taps = tapCounts(s.tapFeedback);
        return shown;
    }

    // The strip under the rows, as counts of its marks; empty while it is not shown.
    static QString tapCounts(const TapFeedback& f) {
        if (!f.shown)
            return {};
        return QStringLiteral("in-time %1 early %2 late %3 extra %4 missed %5")
            .arg(f.count(TapVerdict::InTime))
            .arg(f.count(TapVerdict::Early))
            .arg(f.count(TapVerdict::Late))
            .arg(f.count(TapVerdict::Extra))
            .arg(f.count(TapVerdict::Missed));
    }

    static QString beats(const RhythmState::Row& cells,
                         const std::array<bool, RhythmCatalogue::kColumns>& wrong, Meter meter) {
        QStringList names;
        for (int column = RhythmCatalogue::kFirstBeatColumn;
             column < RhythmCatalogue::kFirstBeatColumn + RhythmCatalogue::kBeats; ++column) {
            const auto c = static_cast<std::size_t>(column);
            names.append(beatName(cells[c], meter) + (wrong[c] ? QStringLiteral("!") : QString()));
        }
        return names.join(QLatin1Char(' '));
    }

    static QString answerRow(const RhythmState& s) {
        QString text = beats(s.ShowRes, s.wrongCells, s.meter);
        for (int column : {0, 1, 9}) {
            const QString& glyph = s.ShowRes[static_cast<std::size_t>(column)];
            if (glyph != RhythmCatalogue::columnGlyph(s.meter, column))
                text += QStringLiteral(" %1:%2").arg(column).arg(beatName(glyph, s.meter));
        }
        return text;
    }
};

// A tap's click, as the synthesizer would receive it: the side stick on the percussion channel.
class ScriptedTapClick final : public TapClick {
public:
    explicit ScriptedTapClick(std::function<void()> sound) : sound_(std::move(sound)) {}
    void sound() override { sound_(); }

private:
    std::function<void()> sound_;
};

// The rhythm trainer run from a script. Its transcript writes what the state shows whenever it
// has changed: before each box, score line and MIDI message, and after each line of the script.
class RhythmScriptRun final : public ScriptRun, private RhythmTrainerListener {
public:
    RhythmScriptRun(QTextStream& out, quint64 seed, const QString& scoreFolder)
        : session_(out, seed, QStringLiteral("Beatwise")), store_(scoreFolder),
          player_(session_.clock(),
                  [this](const ScriptedRhythmPlayer::Message& m) {
                      flush();
                      session_.write(
                          QStringLiteral("midi %1 %2 %3").arg(m.status).arg(m.data1).arg(m.data2));
                  }),
          trainer_(session_.dialogs(), player_, session_.random(), session_.clock(), store_),
          answers_(trainer_), click_([this] {
              flush();
              session_.write(QStringLiteral("midi 153 37 100"));
          }),
          taps_(session_, trainer_) {
        session_.setBeforeLine([this] { flush(); });
        trainer_.setListener(this);
        trainer_.enableTapping(session_.timers(), click_);
    }

    void start() override {
        session_.run([this] { trainer_.FormCreate(); });
        started_ = true;
        shown_ = Shown::of(trainer_.state());
        for (const auto& [name, text] : shown_.fields)
            field(name, text);
        session_.write(QStringLiteral("row ") + shown_.row);
    }

    void run(const QString& text) override {
        if (!session_.runCommonLine(text))
            runOwnLine(text);
        flush();
    }

private:
    void runOwnLine(const QString& text) {
        const QString command = text.section(QLatin1Char(' '), 0, 0);
        const QString rest = text.section(QLatin1Char(' '), 1).trimmed();
        if (command == QLatin1String("key"))
            clickPattern(rest);
        else if (command == QLatin1String("button"))
            clickButton(rest);
        else if (command == QLatin1String("cell"))
            pressCell(rest);
        else if (command == QLatin1String("tempo"))
            setTempo(rest);
        else if (command == QLatin1String("menu"))
            chooseMenu(rest.split(QLatin1Char('>')));
        else if (command == QLatin1String("tap"))
            taps_.tap(rest);
        else if (command == QLatin1String("clap"))
            taps_.clap(rest);
        else
            throw ScriptError(QStringLiteral("unknown line"));
    }

    // RhythmTrainerListener
    void scoreLineAppended(const QString& file, const QString& text) override {
        flush();
        session_.write(QStringLiteral("file ") + QFileInfo(file).fileName() +
                       QStringLiteral(" | ") + text);
    }

    void beatTapped(const TappedBeat& beat) override {
        const QString pattern =
            beat.pattern < 0 ? QStringLiteral("-") : RhythmCatalogue::buttonName(beat.pattern);
        session_.write(QStringLiteral("tapped %1 %2").arg(beat.beat + 1).arg(pattern));
        flush();
    }

    void field(const QString& name, const QString& text) {
        session_.write(QStringLiteral("field %1 \"%2\"").arg(name, text));
    }

    // Writes what has changed since it was last written.
    void flush() {
        if (!started_)
            return;
        const Shown now = Shown::of(trainer_.state());
        for (std::size_t i = 0; i < now.fields.size(); ++i)
            if (now.fields[i].second != shown_.fields[i].second)
                field(now.fields[i].first, now.fields[i].second);
        if (now.row != shown_.row)
            session_.write(QStringLiteral("row ") + now.row);
        if (now.question != shown_.question)
            session_.write(QStringLiteral("question ") + now.question);
        if (now.taps != shown_.taps && !now.taps.isEmpty())
            session_.write(QStringLiteral("taps ") + now.taps);
        shown_ = now;
    }

    void clickPattern(const QString& letter) {
        for (int i = 0; i < RhythmCatalogue::kSimplePatterns; ++i) {
            if (RhythmCatalogue::buttonName(i) != letter)
                continue;
            if (!answers_.canAnswer(i))
                throw ScriptError(QStringLiteral("the pattern button %1 is hidden").arg(letter));
            session_.run([this, i] { answers_.answer({i}); });
            return;
        }
        throw ScriptError(QStringLiteral("no pattern button \"%1\"").arg(letter));
    }

    void clickButton(const QString& caption) {
        const RhythmState& s = trainer_.state();
        const std::pair<const ControlState*, void (RhythmTrainer::*)()> buttons[] = {
            {&s.StartButton, &RhythmTrainer::StartButtonClick},
            {&s.Repetir, &RhythmTrainer::RepetirClick},
            {&s.AnsDisplay, &RhythmTrainer::AnsDisplayClick},
            {&s.RestScore, &RhythmTrainer::RestScoreClick},
            {&s.TapRhythm, &RhythmTrainer::TapRhythmClick},
            {&s.EraseAllChds, &RhythmTrainer::EraseAllChdsClick}};
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

    void pressCell(const QString& text) {
        bool ok = false;
        const int column = text.toInt(&ok);
        if (!ok || column < 0 || column >= RhythmCatalogue::kColumns)
            throw ScriptError(QStringLiteral("cell needs a column from 0 to 10"));
        session_.run([this, column] { trainer_.ShowResMouseDown(column); });
    }

    void setTempo(const QString& text) {
        bool ok = false;
        const int speed = text.toInt(&ok);
        if (!ok || !Tempo::isMetronomeValue(speed))
            throw ScriptError(QStringLiteral("tempo needs 30 to 96 beats a minute in steps of 6"));
        session_.run([this, speed] { trainer_.SpeedChange(speed); });
    }

    void chooseMenu(const QStringList& path) {
        const RhythmMenuItem& item = session_.followMenu(menus_, trainer_, path);
        if (item.isSubmenu())
            return; // opening it was the command
        if (item.triggered)
            session_.run([this, &item] { item.triggered(trainer_); });
        else if (item.command == WindowCommand::About)
            session_.dialogs().information(rhythmAboutText());
        else if (item.command == WindowCommand::Exit)
            session_.run([this] { trainer_.FormClose(); });
    }

    ScriptSession session_;
    scores::ScoreStore store_;
    ScriptedRhythmPlayer player_;
    RhythmTrainer trainer_;
    PatternAnswers answers_;
    ScriptedTapClick click_;
    ScriptedTaps taps_;
    std::vector<RhythmMenuItem> menus_ = rhythmMenuBar();
    Shown shown_;
    bool started_ = false;
};

} // namespace

int runRhythmScriptCommand(const CommandLine& line, QTextStream& out, QTextStream& err) {
    const std::optional<ScriptFile::Options> options = ScriptFile::options(line, err);
    if (!options)
        return CommandLine::UsageError;
    RhythmScriptRun run(out, options->seed, options->scoreFolder);
    return ScriptFile::run(line, *options, out, err, run);
}

int runRhythmScriptCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    BeatwiseCommandLine line;
    if (const std::optional<int> status =
            line.read(QStringList{line.program()} + arguments, out, err))
        return *status;
    if (line.mode() != BeatwiseCommandLine::Mode::Script)
        return line.fail(err, QStringLiteral("--script needs the script's file"));
    return runRhythmScriptCommand(line, out, err);
}
