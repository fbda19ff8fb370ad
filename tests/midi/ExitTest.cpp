// A program ends at once when it is told to, even while the built-in synthesizer is still busy
// starting (reading its SoundFont, loading a sound): it does not wait for that to finish. Here
// the SoundFont is a pipe nobody writes into, so reading it never ends.
#include "BuiltinSynth.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QString program;

// The child: starts the synthesizer on the SoundFont that never loads, then ends.
int runChild(const QString& soundFont, const QString& audioFile) {
    midi::SynthOptions options;
    options.output = midi::AudioOutput::File;
    options.audioFile = audioFile;
    options.soundFont = soundFont;
    midi::configureBuiltinSynth(options);
    midi::warmUpBuiltinSynth();
    QThread::msleep(500); // the loader is stuck on the SoundFont by now
    std::puts("ending");
    std::fflush(stdout);
    return 0;
}

} // namespace

TEST(ProgramEnd, TheProgramEndsWhileTheSynthesizerIsStillLoading) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pipe = dir.filePath(QStringLiteral("never.sf2"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QProcess child;
    child.start(program,
                {QStringLiteral("--child"), pipe, dir.filePath(QStringLiteral("out.wav"))});
    ASSERT_TRUE(child.waitForStarted(10000));
    ASSERT_TRUE(child.waitForReadyRead(20000));
    ASSERT_TRUE(child.readAll().contains("ending"));
    QElapsedTimer ending;
    ending.start();
    // Generous for a loaded machine: a program that waits for the loader never ends at all.
    const bool ended = child.waitForFinished(5000);
    if (!ended) {
        child.kill();
        child.waitForFinished(5000);
    }
    EXPECT_TRUE(ended) << "the program waited for the synthesizer's loader";
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    std::printf("the program ended %lld ms after it was told to\n",
                static_cast<long long>(ending.elapsed()));
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--child")
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    program = QCoreApplication::applicationFilePath();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
