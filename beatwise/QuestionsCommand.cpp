#include "QuestionsCommand.h"

#include "BeatwiseCommandLine.h"
#include "Clock.h"
#include "CommandLine.h"
#include "Dialogs.h"
#include "MersenneRandom.h"
#include "RhythmPlayer.h"
#include "RhythmTrainer.h"
#include "Tempo.h"

#include "ScoreStore.h"

#include <optional>

namespace {

// The questions are written as they are drawn, so the limit only keeps a typing slip short.
constexpr int kMostQuestions = 1000000;

// Nobody answers: every question is confirmed and nothing else is asked.
class UnattendedDialogs final : public Dialogs {
public:
    void information(const QString&) override {}
    void error(const QString&) override {}
    bool confirm(const QString&) override { return true; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void showScores(const QStringList&) override {}
    std::optional<QString> chooseFolder(const QString&, const QString&) override {
        return std::nullopt;
    }
};

// Keeps the note string instead of sounding it.
class NoteStringRecorder final : public RhythmPlayer {
public:
    bool IsPlaying() override { return false; }
    void Stop() override {}
    void SetChannel(int c) override { channel = c; }
    bool PlayString(const QString& notes) override {
        last = notes;
        return true;
    }
    QString last;
    int channel = 0;
};

class NoClock final : public Clock {
public:
    QString shortDate() const override { return {}; }
    QString longTime() const override { return {}; }
    qint64 elapsedMs() const override { return 0; }
};

} // namespace

void addQuestionOptions(CommandLine& line) {
    line.addOption({QStringLiteral("meter"),
                    QStringLiteral("The meter of the questions (default: simple)."),
                    QStringLiteral("simple|compound")});
    line.addOption(
        {QStringLiteral("level"),
         QStringLiteral("The number of patterns in play: 3 to 15 in simple meter, 3 to 7 "
                        "in compound (default: 3)."),
         QStringLiteral("L")});
    line.addOption({QStringLiteral("tempo"),
                    QStringLiteral("Beats per minute: 30, 36, 42 ... 96 (default: 72)."),
                    QStringLiteral("T")});
    line.addOption({QStringLiteral("seed"),
                    QStringLiteral("Draws the same questions for the same seed (default: one from "
                                   "the clock)."),
                    QStringLiteral("S")});
}

namespace {

bool readMeter(const QString& value, QuestionOptions& options, QString& why) {
    if (value == QLatin1String("simple")) {
        options.meter = Meter::Simple;
    } else if (value == QLatin1String("compound")) {
        options.meter = Meter::Compound;
    } else {
        why = QStringLiteral("--meter must be simple or compound, not \"%1\"").arg(value);
        return false;
    }
    return true;
}

bool readLevel(const QString& value, QuestionOptions& options, QString& why) {
    bool ok = false;
    options.level = value.toInt(&ok);
    const int highest = RhythmCatalogue::highestLevel(options.meter);
    if (!ok) {
        why = QStringLiteral("--level must be a whole number, not \"%1\"").arg(value);
        return false;
    }
    if (options.level < RhythmCatalogue::kLowestLevel || options.level > highest) {
        why = QStringLiteral("--level must be from 3 to %1 in %2 meter, not %3")
                  .arg(highest)
                  .arg(options.meter == Meter::Simple ? QStringLiteral("simple")
                                                      : QStringLiteral("compound"))
                  .arg(options.level);
        return false;
    }
    return true;
}

} // namespace

std::optional<QuestionOptions> questionOptionsFrom(const CommandLine& line, const QString& command,
                                                   int most, QString& why) {
    QuestionOptions options;
    bool ok = false;
    const QString count = line.value(command);
    options.questions = count.toInt(&ok);
    if (!ok || options.questions < 1 || options.questions > most) {
        why = QStringLiteral("the number of questions must be a whole number from 1 to %1, not "
                             "\"%2\"")
                  .arg(most)
                  .arg(count);
        return std::nullopt;
    }
    const QString meter = QStringLiteral("meter"), level = QStringLiteral("level"),
                  tempo = QStringLiteral("tempo"), seed = QStringLiteral("seed");
    if (line.isSet(meter) && !readMeter(line.value(meter), options, why))
        return std::nullopt;
    if (line.isSet(level) && !readLevel(line.value(level), options, why))
        return std::nullopt;
    if (line.isSet(tempo)) {
        options.tempo = line.value(tempo).toInt(&ok);
        if (!ok || !Tempo::isMetronomeValue(options.tempo)) {
            why = QStringLiteral("--tempo must be one of 30, 36, 42 ... 96 (steps of 6), not "
                                 "\"%1\"")
                      .arg(line.value(tempo));
            return std::nullopt;
        }
    }
    if (line.isSet(seed)) {
        options.seed = line.value(seed).toULongLong(&ok);
        if (!ok) {
            why = QStringLiteral("--seed must be a whole number from 0 to "
                                 "18446744073709551615, not \"%1\"")
                      .arg(line.value(seed));
            return std::nullopt;
        }
    }
    return options;
}

int drawQuestions(const QuestionOptions& options,
                  const std::function<void(const DrawnQuestion&)>& each) {
    UnattendedDialogs dialogs;
    NoteStringRecorder player;
    MersenneRandom random(options.seed.value_or(MersenneRandom::clockSeed()));
    NoClock clock;
    const scores::ScoreStore scoreStore;

    // The trainer as the student would set it: no auto-advance, then meter, level and tempo.
    RhythmTrainer trainer(dialogs, player, random, clock, scoreStore);
    trainer.FormCreate();
    trainer.Off1Click();
    if (options.meter == Meter::Compound)
        trainer.CompoundClick();
    trainer.LevelClick(options.level);
    trainer.SpeedChange(options.tempo);

    for (int n = 0; n < options.questions; ++n) {
        trainer.StartButtonClick();
        const RhythmState& state = trainer.state();
        DrawnQuestion question;
        for (std::size_t column = 0; column < question.glyphs.size(); ++column)
            question.glyphs[column] = state.DisplayAns[column];
        for (std::size_t beat = 0; beat < question.patterns.size(); ++beat)
            question.patterns[beat] = state.QuestionPatterns[beat];
        question.notes = player.last;
        each(question);
    }
    return player.channel;
}

std::vector<DrawnQuestion> drawQuestions(const QuestionOptions& options, int* channel) {
    std::vector<DrawnQuestion> questions;
    const int playedOn = drawQuestions(
        options, [&questions](const DrawnQuestion& question) { questions.push_back(question); });
    if (channel)
        *channel = playedOn;
    return questions;
}

int runQuestionsCommand(const CommandLine& line, QTextStream& out, QTextStream& err) {
    QString why;
    const std::optional<QuestionOptions> options =
        questionOptionsFrom(line, QStringLiteral("questions"), kMostQuestions, why);
    if (!options)
        return line.fail(err, why);
    drawQuestions(*options, [&out](const DrawnQuestion& question) {
        QStringList glyphs(question.glyphs.begin(), question.glyphs.end());
        QStringList patterns;
        for (int pattern : question.patterns)
            patterns.append(QString::number(pattern));
        out << glyphs.join(QLatin1Char('|')) << '\t' << patterns.join(QLatin1Char(' ')) << '\t'
            << question.notes << '\n';
    });
    out.flush();
    return 0;
}

int runQuestionsCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    BeatwiseCommandLine line;
    if (const std::optional<int> status = line.read(QStringList{line.program()} + args, out, err))
        return *status;
    if (line.mode() != BeatwiseCommandLine::Mode::Questions)
        return line.fail(err, QStringLiteral("--questions needs the number of questions"));
    return runQuestionsCommand(line, out, err);
}
