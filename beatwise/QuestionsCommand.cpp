#include "QuestionsCommand.h"

#include "Clock.h"
#include "Dialogs.h"
#include "MersenneRandom.h"
#include "RhythmPlayer.h"
#include "RhythmTrainer.h"
#include "Tempo.h"

#include "ScoreStore.h"

#include <optional>

namespace {

constexpr int kMostQuestions = 1000000;

const char kUsage[] = "usage: beatwise --questions N [--meter simple|compound] [--level L] "
                      "[--tempo T] [--seed S]";

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
};

} // namespace

std::optional<QuestionOptions> parseQuestionOptions(const QStringList& args, QString& why) {
    QuestionOptions options;
    bool levelGiven = false;
    if (args.size() < 2) {
        why = QStringLiteral("%1 needs the number of questions")
                  .arg(args.value(0, QStringLiteral("--questions")));
        return std::nullopt;
    }
    bool ok = false;
    options.questions = args[1].toInt(&ok);
    if (!ok || options.questions < 1 || options.questions > kMostQuestions) {
        why = QStringLiteral("the number of questions must be a whole number from 1 to %1, not "
                             "\"%2\"")
                  .arg(kMostQuestions)
                  .arg(args[1]);
        return std::nullopt;
    }
    for (qsizetype i = 2; i < args.size(); i += 2) {
        const QString& option = args[i];
        if (i + 1 >= args.size()) {
            why = QStringLiteral("%1 needs a value").arg(option);
            return std::nullopt;
        }
        const QString& value = args[i + 1];
        if (option == QLatin1String("--meter")) {
            if (value == QLatin1String("simple")) {
                options.meter = Meter::Simple;
            } else if (value == QLatin1String("compound")) {
                options.meter = Meter::Compound;
            } else {
                why = QStringLiteral("--meter must be simple or compound, not \"%1\"").arg(value);
                return std::nullopt;
            }
        } else if (option == QLatin1String("--level")) {
            options.level = value.toInt(&ok);
            if (!ok) {
                why = QStringLiteral("--level must be a whole number, not \"%1\"").arg(value);
                return std::nullopt;
            }
            levelGiven = true;
        } else if (option == QLatin1String("--tempo")) {
            options.tempo = value.toInt(&ok);
            if (!ok || !Tempo::isMetronomeValue(options.tempo)) {
                why = QStringLiteral("--tempo must be one of 30, 36, 42 ... 96 (steps of 6), not "
                                     "\"%1\"")
                          .arg(value);
                return std::nullopt;
            }
        } else if (option == QLatin1String("--seed")) {
            const quint64 seed = value.toULongLong(&ok);
            if (!ok) {
                why = QStringLiteral("--seed must be a whole number from 0 to "
                                     "18446744073709551615, not \"%1\"")
                          .arg(value);
                return std::nullopt;
            }
            options.seed = seed;
        } else {
            why = QStringLiteral("unknown option \"%1\"").arg(option);
            return std::nullopt;
        }
    }
    const int highest = RhythmCatalogue::highestLevel(options.meter);
    if (levelGiven && (options.level < RhythmCatalogue::kLowestLevel || options.level > highest)) {
        why = QStringLiteral("--level must be from 3 to %1 in %2 meter, not %3")
                  .arg(highest)
                  .arg(options.meter == Meter::Simple ? QStringLiteral("simple")
                                                      : QStringLiteral("compound"))
                  .arg(options.level);
        return std::nullopt;
    }
    return options;
}

std::vector<DrawnQuestion> drawQuestions(const QuestionOptions& options, int* channel) {
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

    std::vector<DrawnQuestion> questions;
    for (int n = 0; n < options.questions; ++n) {
        trainer.StartButtonClick();
        const RhythmState& state = trainer.state();
        DrawnQuestion question;
        for (std::size_t column = 0; column < question.glyphs.size(); ++column)
            question.glyphs[column] = state.DisplayAns[column];
        for (std::size_t beat = 0; beat < question.patterns.size(); ++beat)
            question.patterns[beat] = state.QuestionPatterns[beat];
        question.notes = player.last;
        questions.push_back(question);
    }
    if (channel)
        *channel = player.channel;
    return questions;
}

int runQuestionsCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString why;
    const std::optional<QuestionOptions> options = args.value(0) == QLatin1String("--questions")
                                                       ? parseQuestionOptions(args, why)
                                                       : std::nullopt;
    if (!options && why.isEmpty())
        why = QStringLiteral("--questions needs the number of questions");
    if (!options) {
        err << "beatwise: " << why << '\n' << kUsage << '\n';
        err.flush();
        return 2;
    }

    for (const DrawnQuestion& question : drawQuestions(*options)) {
        QStringList glyphs(question.glyphs.begin(), question.glyphs.end());
        QStringList patterns;
        for (int pattern : question.patterns)
            patterns.append(QString::number(pattern));
        out << glyphs.join(QLatin1Char('|')) << '\t' << patterns.join(QLatin1Char(' ')) << '\t'
            << question.notes << '\n';
    }
    out.flush();
    return 0;
}
