#include "QuestionsCommand.h"
#include "RhythmCatalogue.h"
#include "Tempo.h"

#include <gtest/gtest.h>

namespace {

struct CommandRun {
    int status;
    QString out;
    QString err;
};

CommandRun run(const QStringList& args) {
    CommandRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = runQuestionsCommand(args, out, err);
    return r;
}

QStringList lines(const QString& text) {
    QStringList all = text.split(QLatin1Char('\n'));
    if (!all.isEmpty() && all.last().isEmpty())
        all.removeLast();
    return all;
}

} // namespace

TEST(QuestionsCommand, PrintsQuestionsThatObeyTheRulesAndSoundTheirPatterns) {
    for (const Meter meter : {Meter::Simple, Meter::Compound}) {
        const int level = RhythmCatalogue::highestLevel(meter);
        for (int tempo = Tempo::kMinimum; tempo <= Tempo::kMaximum; tempo += Tempo::kStep) {
            const CommandRun r =
                run({QStringLiteral("--questions"), QStringLiteral("8"), QStringLiteral("--meter"),
                     meter == Meter::Simple ? QStringLiteral("simple") : QStringLiteral("compound"),
                     QStringLiteral("--level"), QString::number(level), QStringLiteral("--tempo"),
                     QString::number(tempo), QStringLiteral("--seed"), QString::number(tempo)});
            ASSERT_EQ(r.status, 0) << r.err.toStdString();
            const QStringList questions = lines(r.out);
            ASSERT_EQ(questions.size(), 8);
            const TempoDurations d = Tempo::durations(Tempo::factor(tempo));
            for (const QString& line : questions) {
                const QStringList fields = line.split(QLatin1Char('\t'));
                ASSERT_EQ(fields.size(), 3);
                const QStringList glyphs = fields[0].split(QLatin1Char('|'));
                const QStringList patterns = fields[1].split(QLatin1Char(' '));
                ASSERT_EQ(glyphs.size(), 10);
                ASSERT_EQ(patterns.size(), 7);
                EXPECT_EQ(glyphs[0], RhythmCatalogue::columnGlyph(meter, 0));
                EXPECT_EQ(glyphs[1], RhythmCatalogue::columnGlyph(meter, 1));
                EXPECT_EQ(glyphs[9], RhythmCatalogue::columnGlyph(meter, 9));
                QString notes = RhythmCatalogue::framePart(meter, 0, d) +
                                RhythmCatalogue::framePart(meter, 1, d);
                int previous = -1;
                for (int beat = 0; beat < 7; ++beat) {
                    const int p = patterns[beat].toInt();
                    EXPECT_LT(p, level);
                    EXPECT_NE(p, previous);
                    previous = p;
                    EXPECT_EQ(glyphs[beat + 2], *RhythmCatalogue::answerGlyph(meter, p));
                    notes += *RhythmCatalogue::beatPart(meter, p,
                                                        RhythmCatalogue::beatNote(beat + 2), d);
                }
                notes += RhythmCatalogue::framePart(meter, 9, d);
                EXPECT_EQ(fields[2], notes);
            }
        }
    }
}

TEST(QuestionsCommand, ASeedRepeatsItsQuestions) {
    const QStringList args = {QStringLiteral("--questions"), QStringLiteral("20"),
                              QStringLiteral("--level"),     QStringLiteral("9"),
                              QStringLiteral("--seed"),      QStringLiteral("42")};
    EXPECT_EQ(run(args).out, run(args).out);
    QStringList other = args;
    other.last() = QStringLiteral("43");
    EXPECT_NE(run(args).out, run(other).out);
    // Defaults: simple meter, level 3, tempo 72, a seed from the clock.
    const CommandRun defaults = run({QStringLiteral("--questions"), QStringLiteral("5")});
    ASSERT_EQ(defaults.status, 0);
    for (const QString& line : lines(defaults.out)) {
        for (const QString& p : line.section(QLatin1Char('\t'), 1, 1).split(QLatin1Char(' ')))
            EXPECT_LT(p.toInt(), 3);
        EXPECT_TRUE(line.section(QLatin1Char('\t'), 2).startsWith(QStringLiteral("N50;41, 41;")));
    }
}

TEST(QuestionsCommand, BadOptionsExitWithStatus2AndSayWhy) {
    const QList<QStringList> bad = {
        {},
        {QStringLiteral("--questions")},
        {QStringLiteral("--questions"), QStringLiteral("many")},
        {QStringLiteral("--questions"), QStringLiteral("0")},
        {QStringLiteral("--questions"), QStringLiteral("3"), QStringLiteral("--meter"),
         QStringLiteral("waltz")},
        {QStringLiteral("--questions"), QStringLiteral("3"), QStringLiteral("--level"),
         QStringLiteral("16")},
        {QStringLiteral("--questions"), QStringLiteral("3"), QStringLiteral("--level"),
         QStringLiteral("8"), QStringLiteral("--meter"), QStringLiteral("compound")},
        {QStringLiteral("--questions"), QStringLiteral("3"), QStringLiteral("--tempo"),
         QStringLiteral("70")},
        {QStringLiteral("--questions"), QStringLiteral("3"), QStringLiteral("--seed"),
         QStringLiteral("-1")},
        {QStringLiteral("--questions"), QStringLiteral("3"), QStringLiteral("--speed"),
         QStringLiteral("72")},
        {QStringLiteral("--questions"), QStringLiteral("3"), QStringLiteral("--level")},
    };
    for (const QStringList& args : bad) {
        const CommandRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("beatwise: ")));
        EXPECT_TRUE(r.err.endsWith(QStringLiteral("; see 'beatwise --help'\n")))
            << r.err.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << "one line";
    }
}
