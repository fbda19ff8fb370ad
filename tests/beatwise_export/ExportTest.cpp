// "beatwise --export": each question's WAV plays the row its answer sheet shows; the sheets have
// their pages and texts; wrong options and unwritable folders leave nothing behind.

#include "BeatRhythm.h"
#include "ProgramRun.h"
#include "Tempo.h"
#include "WavFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

namespace {

ProgramRun beatwise(const QStringList& arguments) {
    return runProgram(QStringLiteral(BEATWISE_PROGRAM), arguments);
}

// Where sounds start, in milliseconds: where the energy of the next 3 ms is more than three times
// that of every 3 ms of the 20 ms before, at least 100 ms after the last start (the fastest note
// of any tempo is a sixteenth at 96 beats per minute, 150 ms).
std::vector<double> onsetsMs(const midi::WavData& wav) {
    const std::size_t perMs = static_cast<std::size_t>(wav.sampleRate / 1000);
    std::vector<double> energy;
    for (std::size_t frame = 0; frame + perMs <= wav.frames(); frame += perMs) {
        double sum = 0;
        for (std::size_t i = frame; i < frame + perMs; ++i) {
            double mono = 0;
            for (int c = 0; c < wav.channels; ++c)
                mono += wav.samples[i * wav.channels + c];
            mono /= wav.channels;
            sum += mono * mono;
        }
        energy.push_back(sum / double(perMs));
    }
    constexpr std::size_t kWindow = 3;
    constexpr std::size_t kBack = 20;
    const auto windowAt = [&](std::size_t ms) {
        double sum = 0;
        for (std::size_t i = ms; i < ms + kWindow; ++i)
            sum += energy[i];
        return sum / kWindow;
    };
    std::vector<double> onsets;
    for (std::size_t ms = 0; ms + kWindow <= energy.size(); ++ms) {
        double before = 0;
        for (std::size_t back = ms >= kBack ? ms - kBack : 0; back + kWindow <= ms; ++back)
            before = std::max(before, windowAt(back));
        const double now = windowAt(ms);
        if (now > 2e5 && now > 3 * before && (onsets.empty() || double(ms) - onsets.back() >= 100))
            onsets.push_back(double(ms));
    }
    return onsets;
}

// Where the notes of a question row start, in milliseconds. Every note and rest lasts what the
// trainer gives its value at that tempo: in simple meter the sixteenth, eighth, dotted eighth and
// quarter, in compound meter the eighth, quarter and dotted quarter, each cut to 10 ms steps.
std::vector<double> rowOnsetsMs(const QStringList& glyphs, int tempo) {
    const TempoDurations d = Tempo::durations(Tempo::factor(tempo));
    const std::map<std::pair<notation::Meter, int>, QString> lengths = {
        {{notation::Meter::Simple, 1}, d.Dur25},   {{notation::Meter::Simple, 2}, d.Dur50},
        {{notation::Meter::Simple, 3}, d.Dur75},   {{notation::Meter::Simple, 4}, d.Dur100},
        {{notation::Meter::Compound, 2}, d.Dur33}, {{notation::Meter::Compound, 4}, d.Dur66},
        {{notation::Meter::Compound, 6}, d.Dur99}};
    std::vector<double> onsets;
    double ms = 0;
    for (qsizetype column = 0; column < glyphs.size(); ++column) {
        const std::optional<notation::BeatRhythm> rhythm = notation::beatRhythmFor(glyphs[column]);
        EXPECT_TRUE(rhythm) << "column " << column;
        if (!rhythm)
            continue;
        for (const notation::RhythmEvent& event : rhythm->events) {
            if (!event.rest)
                onsets.push_back(ms);
            const auto length = lengths.find({rhythm->meter, event.length});
            EXPECT_NE(length, lengths.end()) << "a value of " << event.length << " sixteenths";
            if (length != lengths.end())
                ms += 10.0 * length->second.toInt();
        }
    }
    return onsets;
}

class Export : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString dir(const QString& name) const { return root.filePath(name); }

    // The question rows the trainer draws with these options, as "--questions" prints them.
    QList<QStringList> rows(const QStringList& options) {
        const ProgramRun questions = beatwise(QStringList{QStringLiteral("--questions")} + options);
        EXPECT_EQ(questions.status, 0) << questions.err.toStdString();
        QList<QStringList> glyphRows;
        for (const QString& line : questions.out.split('\n', Qt::SkipEmptyParts))
            glyphRows << line.section('\t', 0, 0).split('|');
        return glyphRows;
    }

    void expectPlaysItsRows(const QStringList& options, int tempo) {
        const ProgramRun exported = beatwise(QStringList{QStringLiteral("--export")} + options +
                                             QStringList{QStringLiteral("-o"), dir("set")});
        ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
        const QList<QStringList> shown = rows(options);
        ASSERT_EQ(shown.size(), options[0].toInt());
        for (qsizetype q = 0; q < shown.size(); ++q) {
            midi::WavData wav;
            const QString name = QStringLiteral("question-%1.wav").arg(q + 1, 2, 10, QChar('0'));
            ASSERT_TRUE(midi::readWav(QDir(dir("set")).filePath(name), wav)) << name.toStdString();
            const std::vector<double> heard = onsetsMs(wav);
            const std::vector<double> expected = rowOnsetsMs(shown[q], tempo);
            ASSERT_EQ(heard.size(), expected.size())
                << name.toStdString() << ": " << shown[q].join('|').toStdString();
            for (std::size_t i = 0; i < expected.size(); ++i)
                EXPECT_NEAR(heard[i], expected[i], 15.0) << name.toStdString() << " note " << i;
        }
    }
};

TEST_F(Export, EachQuestionPlaysTheRowItsAnswerSheetShows) {
    expectPlaysItsRows({"5", "--level", "9", "--tempo", "96", "--seed", "7"}, 96);
    EXPECT_EQ(QDir(dir("set")).entryList(QDir::Files),
              QStringList({"answers.pdf", "question-01.wav", "question-02.wav", "question-03.wav",
                           "question-04.wav", "question-05.wav", "worksheet.pdf"}));
}

TEST_F(Export, CompoundMeterQuestionsToo) {
    expectPlaysItsRows(
        {"2", "--meter", "compound", "--level", "7", "--tempo", "60", "--seed", "11"}, 60);
}

TEST_F(Export, SheetsHaveTheirPagesAndTexts) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdftotext.isEmpty() || pdfinfo.isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    ASSERT_EQ(beatwise({"--export", "12", "--level", "5", "--tempo", "72", "--seed", "3", "-o",
                        dir("twelve")})
                  .status,
              0);
    for (const char* sheet : {"worksheet.pdf", "answers.pdf"}) {
        const QString path = QDir(dir("twelve")).filePath(sheet);
        const ProgramRun info = runProgram(pdfinfo, {path});
        EXPECT_TRUE(info.out.contains(QRegularExpression("Pages:\\s+2\\n")))
            << info.out.toStdString();
        const ProgramRun text = runProgram(pdftotext, {"-layout", path, "-"});
        EXPECT_TRUE(text.out.contains("Simple meter, 5 patterns, tempo 72"));
        for (int q = 1; q <= 12; ++q) {
            EXPECT_TRUE(text.out.contains(QStringLiteral("%1.").arg(q))) << sheet << ' ' << q;
            EXPECT_TRUE(
                text.out.contains(QStringLiteral("question-%1.wav").arg(q, 2, 10, QChar('0'))));
        }
        const bool answers = QString::fromLatin1(sheet) == "answers.pdf";
        EXPECT_EQ(text.out.contains("Beatwise rhythm worksheet: answers"), answers);
        EXPECT_EQ(text.out.contains("Name:"), !answers);
    }
}

// Runs beatwise with `arguments` while `disk` is a small file system of `size` ("200k"), in a
// mount namespace of its own that goes away with it. Gives the exit status, or -77 when this
// system does not let the test mount one; what the program wrote on its error output goes to
// `errFile`, and `leftFile` gets what the program left on the small disk.
int onSmallDisk(const QString& disk, const char* size, const QStringList& arguments,
                const QString& errFile, const QString& leftFile) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const QByteArray mountPoint = QFile::encodeName(disk);
        const QByteArray options = QByteArray("size=") + size;
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, options.constData()) != 0)
            ::_exit(77);
        QProcess program;
        program.setStandardErrorFile(errFile);
        program.start(QStringLiteral(BEATWISE_PROGRAM), arguments);
        const bool finished = program.waitForFinished(120000);
        QFile left(leftFile);
        if (left.open(QIODevice::WriteOnly))
            left.write(QDir(disk)
                           .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                           .join(QLatin1Char('\n'))
                           .toUtf8());
        left.close();
        ::_exit(finished && program.exitStatus() == QProcess::NormalExit ? program.exitCode() : 99);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status) == 77 ? -77 : WEXITSTATUS(status);
}

TEST_F(Export, AFullDiskIsReportedWithItsReasonAndLeavesNothingBehind) {
    const QString disk = dir("stick");
    ASSERT_TRUE(QDir().mkpath(disk));
    const QString noSpace = QString::fromLocal8Bit(std::strerror(ENOSPC));
    // 200 kB fills up with the first question's sound; 1360 kB takes the sound of one question
    // at 96 beats per minute (1.3 MB) but not its two sheets.
    for (const char* size : {"200k", "1360k"}) {
        const int status =
            onSmallDisk(disk, size, {"--export", "1", "--tempo", "96", "-o", disk + "/set"},
                        dir("err.txt"), dir("left.txt"));
        if (status == -77)
            GTEST_SKIP() << "this system does not let the test mount a small file system (that "
                            "needs root and a system that allows mounts)";
        EXPECT_EQ(status, 2) << size;
        QFile err(dir("err.txt"));
        ASSERT_TRUE(err.open(QIODevice::ReadOnly));
        const QString message = QString::fromUtf8(err.readAll());
        EXPECT_TRUE(message.contains(noSpace)) << size << ": " << message.toStdString();
        QFile left(dir("left.txt"));
        ASSERT_TRUE(left.open(QIODevice::ReadOnly));
        EXPECT_EQ(left.readAll(), QByteArray()) << size;
    }
}

TEST_F(Export, WrongOptionsAndUnwritableFoldersLeaveNothingBehind) {
    const auto leftovers = [this] {
        return QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    };
    for (const QStringList& arguments :
         {QStringList{"--export", "3", "--level", "20", "-o", dir("a")},
          QStringList{"--export", "none", "-o", dir("a")},
          QStringList{"--export", "3", "--tempo", "73", "-o", dir("a")},
          QStringList{"--export", "3"}, QStringList{"--export", "3", "-o"},
          QStringList{"--export", "3", "-o", dir("missing/a")}}) {
        const ProgramRun refused = beatwise(arguments);
        EXPECT_EQ(refused.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains("beatwise: ")) << refused.err.toStdString();
        EXPECT_EQ(leftovers(), QStringList()) << arguments.join(' ').toStdString();
    }

    QDir(root.path()).mkdir("full");
    QFile keep(dir("full/keep.txt"));
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.close();
    const ProgramRun exists = beatwise({"--export", "1", "-o", dir("full")});
    EXPECT_EQ(exists.status, 2);
    EXPECT_TRUE(exists.err.contains("already exists"));
    EXPECT_EQ(QDir(dir("full")).entryList(QDir::Files), QStringList{"keep.txt"});

    // A folder nobody may write in (the tests may run as the superuser, who may write anyway).
    QDir(root.path()).mkdir("locked");
    QFile::setPermissions(dir("locked"), QFile::ReadOwner | QFile::ExeOwner);
    const ProgramRun locked = beatwise({"--export", "1", "-o", dir("locked/set")});
    QFile::setPermissions(dir("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (locked.status == 2) {
        EXPECT_TRUE(locked.err.contains("cannot write")) << locked.err.toStdString();
        EXPECT_EQ(
            QDir(dir("locked")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
    } else {
        EXPECT_EQ(locked.status, 0);
    }
}

TEST_F(Export, NamesTheLimitOfASet) {
    const ProgramRun refused = beatwise({"--export", "1000000000", "-o", dir("set")});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.endsWith(
        "beatwise: the number of questions must be a whole number from 1 to 99, not "
        "\"1000000000\"; see 'beatwise --help'\n"))
        << refused.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir("set")));
}

// A teacher who stops an export with kill leaves its unfinished work behind; the next export to
// that folder clears it away once it is old enough.
TEST_F(Export, WorkLeftByAKilledExportIsClearedByTheNext) {
    QProcess killed;
    killed.start(QStringLiteral(BEATWISE_PROGRAM), {"--export", "99", "-o", dir("set")});
    ASSERT_TRUE(killed.waitForStarted());
    QString work;
    for (int wait = 0; wait < 600 && work.isEmpty(); ++wait) {
        for (const QString& name :
             QDir(root.path()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
            if (name.startsWith(".set-") &&
                QFileInfo::exists(QDir(dir(name)).filePath(QStringLiteral("question-01.wav"))))
                work = dir(name);
        if (work.isEmpty())
            killed.waitForFinished(100);
    }
    ASSERT_FALSE(work.isEmpty()) << "no unfinished work appeared";
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished());
    ASSERT_TRUE(QFileInfo::exists(work));
    ASSERT_FALSE(QFileInfo::exists(dir("set")));

    // An hour later.
    const time_t anHourAgo = static_cast<time_t>(QDateTime::currentSecsSinceEpoch() - 3600);
    const utimbuf times{anHourAgo, anHourAgo};
    ASSERT_EQ(::utime(QFile::encodeName(work).constData(), &times), 0);
    const ProgramRun next = beatwise({"--export", "1", "--seed", "3", "-o", dir("set")});
    ASSERT_EQ(next.status, 0) << next.err.toStdString();
    EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"set"});
}

} // namespace
