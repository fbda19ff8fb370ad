// "tonewise --export": each question's WAV sounds the notes its answer sheet names; wrong options
// leave nothing behind.

#include "Intervals.h"
#include "PitchEstimate.h"
#include "PitchNames.h"
#include "ProgramRun.h"
#include "WavFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

ProgramRun tonewise(const QStringList& arguments) {
    return runProgram(QStringLiteral(TONEWISE_PROGRAM), arguments);
}

// The MIDI note sounding in the middle of second `second` of the WAV file.
int noteInSecond(const midi::WavData& wav, int second) {
    std::vector<float> mono;
    const std::size_t start = static_cast<std::size_t>(wav.sampleRate) * second +
                              static_cast<std::size_t>(wav.sampleRate) / 4;
    for (std::size_t f = start; f < start + static_cast<std::size_t>(wav.sampleRate) / 4; ++f)
        mono.push_back(float(wav.samples[f * wav.channels]) / 32768.0f);
    const double frequency = fundamentalFrequency(mono, wav.sampleRate);
    if (frequency <= 0)
        return -1;
    return int(std::lround(69 + 12 * std::log2(frequency / 440.0)));
}

// The answers the sheet gives, question by question.
QStringList sheetAnswers(const QString& pdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return {};
    const ProgramRun text = runProgram(pdftotext, {"-raw", pdf, "-"});
    QStringList answers;
    const QStringList lines = text.out.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (lines[i].startsWith("question-"))
            answers << lines[i - 1].trimmed();
    return answers;
}

class Export : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString dir(const QString& name) const { return root.filePath(name); }
    // Question q (from 0) of the set exported to dir("set").
    bool readQuestion(int q, midi::WavData& wav) const {
        return midi::readWav(
            QDir(dir("set"))
                .filePath(QStringLiteral("question-%1.wav").arg(q + 1, 2, 10, QChar('0'))),
            wav);
    }

    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "poppler-utils is not installed";
    }
};

TEST_F(Export, EachQuestionSoundsTheNoteItsSheetNames) {
    const ProgramRun exported = tonewise({"--export", "5", "--key", "D Major", "--level",
                                          "1,2,3,4,5", "--seed", "4", "-o", dir("set")});
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    EXPECT_EQ(QDir(dir("set")).entryList(QDir::Files),
              QStringList({"answers.pdf", "question-01.wav", "question-02.wav", "question-03.wav",
                           "question-04.wav", "question-05.wav"}));
    const QStringList answers = sheetAnswers(QDir(dir("set")).filePath("answers.pdf"));
    ASSERT_EQ(answers.size(), 5) << answers.join(',').toStdString();
    int previousQuestion = -1;
    for (int q = 0; q < 5; ++q) {
        midi::WavData wav;
        ASSERT_TRUE(readQuestion(q, wav));
        const std::optional<int> named = tonewise::midiNoteOf(answers[q]);
        ASSERT_TRUE(named) << answers[q].toStdString();
        if (previousQuestion >= 0) {
            // Each question is heard after the note before it.
            EXPECT_EQ(noteInSecond(wav, 0), previousQuestion) << "question " << q + 1;
            EXPECT_EQ(noteInSecond(wav, 1), *named) << "question " << q + 1;
        } else {
            // The first one, the tonic, has no note before it.
            EXPECT_EQ(noteInSecond(wav, 0), *named) << "question 1";
            EXPECT_LT(wav.frames(), 5u * std::size_t(wav.sampleRate) / 2) // one note, its tail
                << "question 1 is the one note";
        }
        previousQuestion = *named;
    }
}

TEST_F(Export, IntervalsAreNamedByTheirSize) {
    const ProgramRun exported = tonewise({"--export", "4", "--key", "A minor", "--level", "1,3,5",
                                          "--intervals", "--seed", "9", "-o", dir("set")});
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    const QStringList answers = sheetAnswers(QDir(dir("set")).filePath("answers.pdf"));
    ASSERT_EQ(answers.size(), 4);
    for (int q = 0; q < 4; ++q) {
        midi::WavData wav;
        ASSERT_TRUE(readQuestion(q, wav));
        const int size = std::abs(noteInSecond(wav, 1) - noteInSecond(wav, 0));
        EXPECT_EQ(tonewise::intervalName(size).value_or(QString()), answers[q])
            << "question " << q + 1;
    }
}

TEST_F(Export, WrongOptionsLeaveNothingBehind) {
    for (const QStringList& arguments :
         {QStringList{"--export", "3", "--key", "H Major", "--level", "1,3,5", "-o", dir("a")},
          QStringList{"--export", "3", "--key", "C Major", "--level", "1,9", "-o", dir("a")},
          QStringList{"--export", "0", "--key", "C Major", "--level", "1,3,5", "-o", dir("a")},
          QStringList{"--export", "3", "--key", "C Major", "--level", "1,3,5"},
          QStringList{"--export", "3", "--key", "C Major", "--level", "1,3,5", "-o",
                      dir("missing/a")}}) {
        const ProgramRun refused = tonewise(arguments);
        EXPECT_EQ(refused.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains("tonewise: ")) << refused.err.toStdString();
        EXPECT_EQ(
            QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList())
            << arguments.join(' ').toStdString();
    }
}

} // namespace
