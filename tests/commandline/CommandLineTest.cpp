// How a command line is read: --help, --version, mistakes, and the options of each mode.

#include "CommandLine.h"
#include "WindowOptions.h"

#include <QTextStream>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    std::optional<int> status;
    QString out;
    QString err;
};

class ReadingACommandLine : public ::testing::Test {
protected:
    CommandLine line{QStringLiteral("drill"), QStringLiteral("Drills a rhythm.")};

    void SetUp() override {
        line.addUsage(QStringLiteral("[--tempo T] NAME"));
        line.addUsage(QStringLiteral("--list"));
        line.addOption(
            {QStringLiteral("tempo"), QStringLiteral("Beats per minute."), QStringLiteral("T")});
        line.addOption({QStringLiteral("list"), QStringLiteral("Lists the rhythms.")});
        line.addOption(
            {QStringLiteral("o"), QStringLiteral("Where to write."), QStringLiteral("FILE")});
        line.addPositional(QStringLiteral("NAME"), QStringLiteral("The rhythm."));
        line.addExitStatus(0, QStringLiteral("Done."));
        line.addExitStatus(2, QStringLiteral("A wrong command line."));
        line.acceptWindowSystemOptions();
    }

    Outcome read(const QStringList& arguments) {
        Outcome outcome;
        QTextStream out(&outcome.out), err(&outcome.err);
        outcome.status = line.parse(QStringList{QStringLiteral("drill")} + arguments, out, err);
        out.flush();
        err.flush();
        return outcome;
    }
};

TEST_F(ReadingACommandLine, HelpShowsUsageOptionsArgumentsAndExitStatuses) {
    for (const QString& help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const Outcome outcome = read({QStringLiteral("--tempo"), QStringLiteral("60"), help});
        EXPECT_EQ(outcome.status, 0);
        EXPECT_TRUE(outcome.err.isEmpty());
        EXPECT_EQ(outcome.out, line.helpText());
    }
    EXPECT_EQ(line.helpText(), "Usage: drill [--tempo T] NAME\n"
                               "       drill --list\n"
                               "\n"
                               "Drills a rhythm.\n"
                               "\n"
                               "Arguments:\n"
                               "  NAME  The rhythm.\n"
                               "\n"
                               "Options:\n"
                               "  --tempo T   Beats per minute.\n"
                               "  --list      Lists the rhythms.\n"
                               "  -o FILE     Where to write.\n"
                               "  -h, --help  Print this help and exit.\n"
                               "  --version   Print the program's name and version and exit.\n"
                               "\n"
                               "Exit status:\n"
                               "  0  Done.\n"
                               "  2  A wrong command line.\n");
}

TEST_F(ReadingACommandLine, VersionNamesTheProgramAndTheProjectVersion) {
    const Outcome outcome = read({QStringLiteral("--version")});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, QStringLiteral("drill %1\n").arg(QStringLiteral(PROJECT_VERSION_TEXT)));
}

TEST_F(ReadingACommandLine, AMistakeIsOneLineNamingTheOptionAndHelp) {
    const std::vector<std::pair<QStringList, QString>> mistakes = {
        {{"--frob"}, "drill: unknown option '--frob'; see 'drill --help'\n"},
        {{"-frob=3"}, "drill: unknown option '-frob'; see 'drill --help'\n"},
        {{"--tempo"}, "drill: missing value after '--tempo'; see 'drill --help'\n"},
        {{"NAME", "-o"}, "drill: missing value after '-o'; see 'drill --help'\n"},
        {{"--list=yes"}, "drill: unexpected value after '--list'; see 'drill --help'\n"},
        {{"one", "two"}, "drill: unexpected argument 'two'; see 'drill --help'\n"},
    };
    for (const auto& [arguments, message] : mistakes) {
        const Outcome outcome = read(arguments);
        EXPECT_EQ(outcome.status, CommandLine::UsageError) << arguments.join(' ').toStdString();
        EXPECT_EQ(outcome.err, message);
        EXPECT_TRUE(outcome.out.isEmpty());
    }
}

TEST_F(ReadingACommandLine, ValuesMayFollowOrBeJoinedAndMayStartWithADash) {
    const Outcome outcome = read({"--tempo=-5", "-o", "-", "--", "--list"});
    ASSERT_FALSE(outcome.status) << outcome.err.toStdString();
    EXPECT_EQ(line.value("tempo"), "-5");
    EXPECT_EQ(line.value("o"), "-");
    EXPECT_EQ(line.positionalArguments(), QStringList{"--list"});
    EXPECT_FALSE(line.isSet("list"));
}

TEST_F(ReadingACommandLine, TellsAnOptionThatDoesNotGoWithTheOthers) {
    ASSERT_FALSE(read({"-platform", "offscreen", "--list", "-o=x", "--tempo", "60"}).status);
    EXPECT_EQ(line.strayOption({"list", "tempo"}), "-o") << "as it was typed";
    EXPECT_EQ(line.strayOption({"list", "o"}), "--tempo");
    EXPECT_EQ(line.strayOption({"list", "o", "tempo"}), "")
        << "the window system's options are never stray";
}

TEST(WindowOptionsTest, AreReadAndCheckedForUsableValues) {
    CommandLine line(QStringLiteral("trainer"), QString());
    WindowOptions::addTo(line);
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    ASSERT_FALSE(line.parse({"trainer", "--lang=pt_BR", "--audio-file", "a.wav", "--screenshot",
                             "s.png", "--startup-probe", "-style", "fusion"},
                            outStream, errStream));
    const std::optional<WindowOptions> options = WindowOptions::from(line, errStream);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->language, "pt_BR");
    EXPECT_EQ(options->audioFile, "a.wav");
    EXPECT_EQ(options->screenshot, "s.png");
    EXPECT_TRUE(options->startupProbe);
    EXPECT_EQ(line.strayOption(WindowOptions::names()), "");

    for (const QStringList& arguments :
         {QStringList{"trainer", "--lang", "--startup-probe"},
          QStringList{"trainer", "--screenshot="}, QStringList{"trainer", "--audio-file", ""}}) {
        CommandLine again(QStringLiteral("trainer"), QString());
        WindowOptions::addTo(again);
        err.clear();
        ASSERT_FALSE(again.parse(arguments, outStream, errStream));
        EXPECT_FALSE(WindowOptions::from(again, errStream)) << arguments.join(' ').toStdString();
        errStream.flush();
        EXPECT_TRUE(err.startsWith("trainer: --")) << err.toStdString();
        EXPECT_EQ(err.count('\n'), 1);
    }
}

} // namespace
