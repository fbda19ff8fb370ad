// Every program and tool answers --help and --version, and refuses a wrong command line with one
// line and status 2, without opening a window and without needing a display.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

struct Program {
    const char* name;
    const char* path;
};

const Program kPrograms[] = {
    {"beatwise", BEATWISE_PROGRAM},       {"tonewise", TONEWISE_PROGRAM},
    {"midigen", MIDIGEN_PROGRAM},         {"notation-gallery", NOTATION_GALLERY_PROGRAM},
    {"lume-images", LUME_IMAGES_PROGRAM}, {"qor-results", QOR_RESULTS_PROGRAM},
    {"code-size", CODE_SIZE_PROGRAM}};

struct Ended {
    bool ended = false;
    int status = -1;
    QString out;
    QString err;
};

// Runs a program on `platform`; one that opened a window would run until it is stopped, and one
// that needed a window system could not start on a platform that does not exist.
Ended run(const char* path, const QStringList& arguments,
          const QString& platform = QStringLiteral("offscreen")) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(path), arguments);
    Ended result;
    result.ended = process.waitForFinished(30000);
    if (!result.ended) {
        process.kill();
        process.waitForFinished();
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

class EveryProgram : public ::testing::TestWithParam<Program> {};

TEST_P(EveryProgram, HelpPrintsUsageOptionsAndExitStatusesWithoutAWindow) {
    const Program program = GetParam();
    for (const QString& platform : {QStringLiteral("offscreen"), QStringLiteral("none-such")}) {
        const Ended help = run(program.path, {QStringLiteral("--help")}, platform);
        ASSERT_TRUE(help.ended) << program.name << " on " << platform.toStdString();
        EXPECT_EQ(help.status, 0) << help.err.toStdString();
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: %1 ").arg(program.name)))
            << help.out.toStdString();
        for (const char* part : {"\nOptions:\n", "  -h, --help ", "  --version ",
                                 "\nExit status:\n", "\n  0  ", "\n  2  "})
            EXPECT_TRUE(help.out.contains(QLatin1String(part))) << program.name << ": " << part;
        EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();
    }
}

TEST_P(EveryProgram, VersionPrintsTheNameAndVersion) {
    const Program program = GetParam();
    const Ended version =
        run(program.path, {QStringLiteral("--version")}, QStringLiteral("none-such"));
    ASSERT_TRUE(version.ended);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("%1 %2\n").arg(program.name, PROJECT_VERSION_TEXT));
}

TEST_P(EveryProgram, AnUnknownOptionIsOneLineAndStatus2) {
    const Program program = GetParam();
    for (const QString& platform : {QStringLiteral("offscreen"), QStringLiteral("none-such")}) {
        const Ended wrong = run(program.path, {QStringLiteral("--no-such-option")}, platform);
        ASSERT_TRUE(wrong.ended) << program.name << " on " << platform.toStdString();
        EXPECT_EQ(wrong.status, 2);
        EXPECT_EQ(wrong.err, QStringLiteral("%1: unknown option '--no-such-option'; see '%1 "
                                            "--help'\n")
                                 .arg(program.name));
        EXPECT_TRUE(wrong.out.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(ProgramsAndTools, EveryProgram, ::testing::ValuesIn(kPrograms),
                         [](const ::testing::TestParamInfo<Program>& info) {
                             QString name = QString::fromLatin1(info.param.name);
                             return name.remove('-').toStdString();
                         });

// Mistakes in the trainers' command lines, each in one line with status 2 and no window.
TEST(TrainerCommandLines, MistakesEndWithoutAWindow) {
    const std::vector<std::pair<const char*, QStringList>> mistakes = {
        {BEATWISE_PROGRAM, {"--lang"}},
        {BEATWISE_PROGRAM, {"--tempo", "72"}},
        {BEATWISE_PROGRAM, {"lesson"}},
        {BEATWISE_PROGRAM, {"--questions", "3", "--audio-file", "a.wav"}},
        {BEATWISE_PROGRAM, {"--export", "3"}},
        {BEATWISE_PROGRAM, {"--script", "lesson.txt", "--tempo", "72"}},
        {BEATWISE_PROGRAM, {"--script", "lesson.txt", "--seed", "x"}},
        {BEATWISE_PROGRAM, {"--screenshot"}},
        {TONEWISE_PROGRAM, {"--key", "C Major"}},
        {TONEWISE_PROGRAM, {"--script"}},
        {TONEWISE_PROGRAM, {"--steps", "C Major"}},
        {TONEWISE_PROGRAM, {"--script", "s.txt", "--lower"}},
        {TONEWISE_PROGRAM, {"C Major"}},
        {MIDIGEN_PROGRAM, {"events", "0;C;50", "--pan"}},
        {MIDIGEN_PROGRAM, {"play", "0;C;50"}},
    };
    for (const auto& [path, arguments] : mistakes) {
        const Ended wrong = run(path, arguments, QStringLiteral("none-such"));
        ASSERT_TRUE(wrong.ended) << path << ' ' << arguments.join(' ').toStdString();
        EXPECT_EQ(wrong.status, 2) << path << ' ' << arguments.join(' ').toStdString();
        EXPECT_EQ(wrong.err.count('\n'), 1) << wrong.err.toStdString();
        EXPECT_TRUE(wrong.err.endsWith(" --help'\n")) << wrong.err.toStdString();
    }
}

// The questions are written as they are drawn: 300000 of them take no more memory than a few.
TEST(TrainerCommandLines, QuestionsAreWrittenAsTheyAreDrawn) {
    QProcess process;
    process.setChildProcessModifier([] {
        const rlimit data{100'000'000, 100'000'000}; // holding them all would take 330 MB
        ::setrlimit(RLIMIT_DATA, &data);
    });
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QStringLiteral(BEATWISE_PROGRAM),
                  {QStringLiteral("--questions"), QStringLiteral("300000"),
                   QStringLiteral("--seed"), QStringLiteral("5")});
    ASSERT_TRUE(process.waitForFinished(300000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

} // namespace

// Each trainer's window starts, answers the boxes it opens while it is being made (Tonewise's
// start-up box), and saves its picture.
TEST(TrainerWindows, EachStartsAndSavesItsPicture) {
    QTemporaryDir folder;
    for (const auto& [path, screens] :
         {std::pair{BEATWISE_PROGRAM, "beatwise_window"}, {TONEWISE_PROGRAM, "tonewise_window"}}) {
        const QString picture = folder.filePath(QStringLiteral("window.png"));
        QFile::remove(picture);
        const Ended started =
            run(path, {QStringLiteral("--screenshot"), picture},
                QStringLiteral("offscreen:configfile=%1/tests/%2/screens/1280x800.json")
                    .arg(QStringLiteral(SOURCE_DIR), QString::fromLatin1(screens)));
        ASSERT_TRUE(started.ended) << path << " never took its picture";
        EXPECT_EQ(started.status, 0) << started.err.toStdString();
        EXPECT_EQ(QImage(picture).size(), QSize(1280, 800)) << path;
    }
}
