#include "ScoreStore.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include "TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using scores::ScoreFileResult;
using scores::ScoreStore;

namespace {

// What a child on a nearly full disk does: files cannot grow beyond `bytes`.
void limitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit then fails with EFBIG
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

class ScoreStoreTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString folder = root.path() + QStringLiteral("/home/Qor_Music");
    ScoreStore store{folder};

    QStringList entries() const {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }
};

} // namespace

TEST_F(ScoreStoreTest, AppendCreatesTheFolderAndKeepsEveryEarlierLine) {
    ASSERT_FALSE(QFileInfo::exists(folder));
    for (const char* line : {" Beatwise Quiz one", " Tonewise Quiz = Intervals, two", "three"}) {
        const ScoreFileResult result =
            store.appendLine(QStringLiteral("Smith"), QString::fromUtf8(line));
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        EXPECT_EQ(result.path, folder + QStringLiteral("/Smith.rtf"));
    }
    const ScoreFileResult read = store.read(QStringLiteral("Smith"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.lines, (QStringList{QStringLiteral(" Beatwise Quiz one"),
                                       QStringLiteral(" Tonewise Quiz = Intervals, two"),
                                       QStringLiteral("three")}));
    // Nothing but the score file is left behind: no lock, no temporary file.
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Smith.rtf")});
}

TEST_F(ScoreStoreTest, AppendsToAFileAWordProcessorSavedAndKeepsItsOriginalOnce) {
    QDir().mkpath(folder);
    const QByteArray formatted =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs22\\b Lee's scores, term 1\\b0\\par\r\n"
        "M\\'fcller\\chftn{\\footnote \\chftn checked by the teacher}\\par\r\n}\r\n";
    writeBytes(folder + QStringLiteral("/Lee.rtf"), formatted);
    const ScoreFileResult first =
        store.appendLine(QStringLiteral("Lee"), QStringLiteral("new line"));
    ASSERT_TRUE(first.ok()) << first.error.toStdString();
    EXPECT_EQ(store.read(QStringLiteral("Lee")).lines,
              (QStringList{QStringLiteral("Lee's scores, term 1"), QStringLiteral("Müller"),
                           QStringLiteral("new line")}));
    // The word processor's file, formatting and footnote, is kept beside it, and the student told.
    const QString original = folder + QStringLiteral("/Lee (original).rtf");
    EXPECT_EQ(first.keptAsPath, original);
    EXPECT_EQ(fileBytes(original), formatted);
    EXPECT_TRUE(first.notice.contains(QDir::toNativeSeparators(original)));

    // Said once: the file is now this program's own.
    const ScoreFileResult second =
        store.appendLine(QStringLiteral("Lee"), QStringLiteral("next line"));
    ASSERT_TRUE(second.ok());
    EXPECT_TRUE(second.notice.isEmpty());
    EXPECT_TRUE(second.keptAsPath.isEmpty());
    EXPECT_EQ(entries(),
              (QStringList{QStringLiteral("Lee (original).rtf"), QStringLiteral("Lee.rtf")}));
}

TEST_F(ScoreStoreTest, AFileThatCannotBeReadIsNeverOverwritten) {
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/Kim.rtf");
    const QByteArray foreign = "Kim's notes, typed in a text editor\n";
    writeBytes(path, foreign);

    const ScoreFileResult first = store.appendLine(QStringLiteral("Kim"), QStringLiteral("quiz 1"));
    ASSERT_TRUE(first.ok()) << first.error.toStdString();
    EXPECT_EQ(first.unreadablePath, path);
    EXPECT_EQ(first.path, folder + QStringLiteral("/Kim (2).rtf"));
    EXPECT_TRUE(first.notice.contains(QStringLiteral("Kim (2).rtf")));
    EXPECT_EQ(fileBytes(path), foreign);
    EXPECT_EQ(scores::RtfReader::read(fileBytes(first.path)).lines,
              QStringList{QStringLiteral("quiz 1")});

    // Later quizzes go on in the same file beside it.
    const ScoreFileResult second =
        store.appendLine(QStringLiteral("Kim"), QStringLiteral("quiz 2"));
    EXPECT_EQ(second.path, first.path);
    EXPECT_EQ(scores::RtfReader::read(fileBytes(first.path)).lines,
              (QStringList{QStringLiteral("quiz 1"), QStringLiteral("quiz 2")}));
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/Kim (3).rtf")));
    EXPECT_EQ(fileBytes(path), foreign);

    EXPECT_EQ(store.read(QStringLiteral("Kim")).status, ScoreFileResult::Status::Unreadable);
}

TEST_F(ScoreStoreTest, ANewTestErasesTheLinesButKeepsAnUnreadableFileAside) {
    ASSERT_TRUE(store.appendLine(QStringLiteral("Ann"), QStringLiteral("old")).ok());
    ASSERT_TRUE(store.erase(QStringLiteral("Ann")).ok());
    const ScoreFileResult read = store.read(QStringLiteral("Ann"));
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read.lines.isEmpty());

    const QString path = folder + QStringLiteral("/Bo.rtf");
    writeBytes(path, "{\\rtf1 cut short");
    const ScoreFileResult erased = store.erase(QStringLiteral("Bo"));
    ASSERT_TRUE(erased.ok()) << erased.error.toStdString();
    EXPECT_EQ(erased.keptAsPath, folder + QStringLiteral("/Bo (unreadable 2).rtf"));
    EXPECT_EQ(fileBytes(erased.keptAsPath), QByteArray("{\\rtf1 cut short"));
    EXPECT_TRUE(store.read(QStringLiteral("Bo")).ok());
}

TEST_F(ScoreStoreTest, ReadingAMissingFileSaysSo) {
    const ScoreFileResult read = store.read(QStringLiteral("Nobody"));
    EXPECT_EQ(read.status, ScoreFileResult::Status::Missing);
    EXPECT_TRUE(read.error.contains(QStringLiteral("Nobody")));
}

TEST_F(ScoreStoreTest, RefusedNamesReachNoFile) {
    for (const char* name : {"../escaped", "a/b", "", "CON"}) {
        const ScoreFileResult result =
            store.appendLine(QString::fromUtf8(name), QStringLiteral("x"));
        EXPECT_EQ(result.status, ScoreFileResult::Status::Failed) << name;
        EXPECT_FALSE(store.erase(QString::fromUtf8(name)).ok());
        EXPECT_FALSE(store.read(QString::fromUtf8(name)).ok());
    }
    EXPECT_FALSE(QFileInfo::exists(root.path() + QStringLiteral("/home/escaped.rtf")));
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(ScoreStoreTest, CopyIsReadOnlyAndCanBeReplaced) {
    ASSERT_TRUE(store.appendLine(QStringLiteral("Eve"), QStringLiteral("one")).ok());
    const QString stick = root.path() + QStringLiteral("/stick");
    QDir().mkpath(stick);
    const QString source = store.pathFor(QStringLiteral("Eve"));

    ASSERT_TRUE(ScoreStore::copyReadOnly(source, stick).ok());
    const QString copy = stick + QStringLiteral("/Eve.rtf");
    EXPECT_EQ(fileBytes(copy), fileBytes(source));
    EXPECT_FALSE(QFileInfo(copy).permissions() &
                 (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));

    ASSERT_TRUE(store.appendLine(QStringLiteral("Eve"), QStringLiteral("two")).ok());
    const ScoreFileResult again = ScoreStore::copyReadOnly(source, stick);
    ASSERT_TRUE(again.ok()) << again.error.toStdString();
    EXPECT_EQ(scores::RtfReader::read(fileBytes(copy)).lines,
              (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
    EXPECT_FALSE(QFileInfo(copy).permissions() & QFile::WriteOwner);

    const ScoreFileResult noDisk = ScoreStore::copyReadOnly(source, root.path() + "/no-disk");
    EXPECT_FALSE(noDisk.ok());
    EXPECT_TRUE(noDisk.error.contains(QStringLiteral("NOT copied")));
}

TEST_F(ScoreStoreTest, AFullDiskLeavesTheFileAsItWas) {
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(
            store.appendLine(QStringLiteral("Full"), QStringLiteral("line %1").arg(i)).ok());
    const QString path = store.pathFor(QStringLiteral("Full"));
    const QByteArray before = fileBytes(path);

    // The new document is longer than the old one, so it cannot be written.
    const int appendStatus = inChildProcess([&] {
        limitFileSize(static_cast<rlim_t>(before.size() + 8));
        const ScoreFileResult result =
            store.appendLine(QStringLiteral("Full"), QString(300, QLatin1Char('x')));
        return !result.ok() && result.error.contains(QStringLiteral("Full.rtf")) ? 0 : 1;
    });
    EXPECT_EQ(appendStatus, 0);
    const int eraseStatus = inChildProcess([&] {
        limitFileSize(16);
        return store.erase(QStringLiteral("Full")).ok() ? 1 : 0;
    });
    EXPECT_EQ(eraseStatus, 0);
    const int newFileStatus = inChildProcess([&] {
        limitFileSize(16);
        return store.appendLine(QStringLiteral("Fresh"), QStringLiteral("line")).ok() ? 1 : 0;
    });
    EXPECT_EQ(newFileStatus, 0);

    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Full.rtf")}); // no half-written leftovers
}

TEST_F(ScoreStoreTest, TwoProgramsAppendingAtOnceLoseNoLine) {
    constexpr int kLines = 40;
    const QString name = QStringLiteral("Shared");
    ASSERT_TRUE(store.appendLine(name, QStringLiteral("first")).ok());

    auto appender = [&](const QString& who) {
        const ScoreStore own(folder);
        for (int i = 0; i < kLines; ++i) {
            if (!own.appendLine(name, QStringLiteral("%1 %2").arg(who).arg(i)).ok())
                return 1;
        }
        return 0;
    };
    std::fflush(nullptr);
    const pid_t a = ::fork();
    if (a == 0)
        ::_exit(appender(QStringLiteral("beatwise")));
    const pid_t b = ::fork();
    if (b == 0)
        ::_exit(appender(QStringLiteral("tonewise")));
    // Two writers inside this process as well, each with its own lock.
    int threadFailures = 0;
    std::thread t1([&] { threadFailures += appender(QStringLiteral("thread1")); });
    std::thread t2([&] { threadFailures += appender(QStringLiteral("thread2")); });
    t1.join();
    t2.join();
    int statusA = 0;
    int statusB = 0;
    ::waitpid(a, &statusA, 0);
    ::waitpid(b, &statusB, 0);
    ASSERT_TRUE(WIFEXITED(statusA) && WEXITSTATUS(statusA) == 0);
    ASSERT_TRUE(WIFEXITED(statusB) && WEXITSTATUS(statusB) == 0);
    ASSERT_EQ(threadFailures, 0);

    const QStringList lines = store.read(name).lines;
    ASSERT_EQ(lines.size(), 1 + 4 * kLines);
    EXPECT_EQ(lines.first(), QStringLiteral("first"));
    for (const char* who : {"beatwise", "tonewise", "thread1", "thread2"}) {
        // Each writer's lines are all there, in the order it wrote them.
        QStringList own;
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1String(who) + QLatin1Char(' ')))
                own.append(line);
        }
        QStringList expected;
        for (int i = 0; i < kLines; ++i)
            expected.append(QStringLiteral("%1 %2").arg(QLatin1String(who)).arg(i));
        EXPECT_EQ(own, expected) << who;
    }
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Shared.rtf")});
}

TEST_F(ScoreStoreTest, AWriteProtectedFileIsNeitherErasedNorAppendedTo) {
    ASSERT_TRUE(store.appendLine(QStringLiteral("Ro"), QStringLiteral("kept")).ok());
    const QString path = store.pathFor(QStringLiteral("Ro"));
    const QByteArray before = fileBytes(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));

    const ScoreFileResult erased = store.erase(QStringLiteral("Ro"));
    EXPECT_FALSE(erased.ok());
    EXPECT_TRUE(erased.error.contains(QString::fromLocal8Bit(std::strerror(EACCES))))
        << erased.error.toStdString();
    const ScoreFileResult appended = store.appendLine(QStringLiteral("Ro"), QStringLiteral("x"));
    EXPECT_FALSE(appended.ok());
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(QFileInfo(path).permissions() & QFile::WriteOwner, 0);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Ro.rtf")});
}

TEST_F(ScoreStoreTest, TheNextSaveRemovesWhatAKilledWriterLeft) {
    ASSERT_TRUE(store.appendLine(QStringLiteral("Tmp"), QStringLiteral("one")).ok());
    // A process number that has just ended.
    const pid_t dead = ::fork();
    if (dead == 0)
        ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const QDateTime old = QDateTime::currentDateTime().addSecs(-600);
    auto leftover = [&](qint64 pid, const QString& random, const QDateTime& when) {
        const QString path = folder + QStringLiteral("/.Tmp.rtf.%1-%2.tmp").arg(pid).arg(random);
        writeBytes(path, "a whole copy");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
        return QFileInfo(path).fileName();
    };
    const QString stale = leftover(dead, QStringLiteral("x7k2"), old);
    const QString running =
        leftover(::getppid(), QStringLiteral("x7k2"), old); // its writer still runs
    const QString recent = leftover(dead, QStringLiteral("9qz1"),
                                    QDateTime::currentDateTime()); // maybe another computer's
    const QString other = QStringLiteral(".Other.rtf.%1-x7k2.tmp").arg(dead);
    writeBytes(folder + QLatin1Char('/') + other, "another student's");

    ASSERT_TRUE(store.appendLine(QStringLiteral("Tmp"), QStringLiteral("two")).ok());
    const QStringList left = entries();
    EXPECT_FALSE(left.contains(stale));
    EXPECT_TRUE(left.contains(running));
    EXPECT_TRUE(left.contains(recent));
    EXPECT_TRUE(left.contains(other));
}

TEST_F(ScoreStoreTest, AComputerLabSavingAtOnceLosesNoScore) {
    constexpr int kPrograms = 30;
    constexpr int kLines = 3;
    const QString name = QStringLiteral("Lab");
    // A long file, so that every save holds the lock for a while.
    QStringList earlier;
    for (int i = 0; i < 5000; ++i)
        earlier.append(QStringLiteral("earlier quiz line %1 with some length to it").arg(i));
    QDir().mkpath(folder);
    writeBytes(store.pathFor(name), scores::RtfWriter::write(earlier));

    std::fflush(nullptr);
    std::vector<pid_t> programs;
    for (int p = 0; p < kPrograms; ++p) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            const ScoreStore own(folder);
            for (int i = 0; i < kLines; ++i) {
                if (!own.appendLine(name, QStringLiteral("seat %1 quiz %2").arg(p).arg(i)).ok())
                    ::_exit(1);
            }
            ::_exit(0);
        }
        programs.push_back(pid);
    }
    int refused = 0;
    for (pid_t pid : programs) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        refused += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
    }
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(store.read(name).lines.size(), earlier.size() + kPrograms * kLines);
}

TEST_F(ScoreStoreTest, TheScoreFolderItselfIsRefusedAsTheCopysFolder) {
    ASSERT_TRUE(store.appendLine(QStringLiteral("Sam"), QStringLiteral("one")).ok());
    const QString source = store.pathFor(QStringLiteral("Sam"));
    const QByteArray before = fileBytes(source);
    // Also when the folder is named another way.
    for (const QString& target : {folder, folder + QStringLiteral("/../Qor_Music/")}) {
        const ScoreFileResult copied = ScoreStore::copyReadOnly(source, target);
        EXPECT_FALSE(copied.ok());
        EXPECT_TRUE(copied.error.contains(QStringLiteral("score folder itself")));
    }
    EXPECT_TRUE(QFileInfo(source).permissions() & QFile::WriteOwner);
    EXPECT_EQ(fileBytes(source), before);
    EXPECT_TRUE(store.appendLine(QStringLiteral("Sam"), QStringLiteral("two")).ok());
}

TEST_F(ScoreStoreTest, OnlyOrdinaryFilesInTheScoreFolderAreUsed) {
    QDir().mkpath(folder);
    // A link to a device that never ends.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), store.pathFor(QStringLiteral("Zero"))));
    EXPECT_FALSE(store.read(QStringLiteral("Zero")).ok());
    EXPECT_FALSE(store.appendLine(QStringLiteral("Zero"), QStringLiteral("x")).ok());

    // A named pipe, which would wait for a writer for ever.
    const QString pipe = store.pathFor(QStringLiteral("Pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const ScoreFileResult fromPipe = store.read(QStringLiteral("Pipe"));
    EXPECT_FALSE(fromPipe.ok());
    EXPECT_TRUE(fromPipe.error.contains(QStringLiteral("not an ordinary file")));
    EXPECT_FALSE(store.appendLine(QStringLiteral("Pipe"), QStringLiteral("x")).ok());

    // A link that leads out of the folder: nothing is written there.
    const QString outside = root.path() + QStringLiteral("/outside.rtf");
    writeBytes(outside, scores::RtfWriter::write({QStringLiteral("not a score")}));
    const QByteArray outsideBefore = fileBytes(outside);
    ASSERT_TRUE(QFile::link(outside, store.pathFor(QStringLiteral("Away"))));
    const ScoreFileResult away = store.appendLine(QStringLiteral("Away"), QStringLiteral("x"));
    EXPECT_FALSE(away.ok());
    EXPECT_TRUE(away.error.contains(QStringLiteral("outside the score folder")));
    EXPECT_FALSE(store.erase(QStringLiteral("Away")).ok());
    EXPECT_FALSE(store.read(QStringLiteral("Away")).ok());
    EXPECT_EQ(fileBytes(outside), outsideBefore);

    // A link inside the folder is followed.
    ASSERT_TRUE(store.appendLine(QStringLiteral("Real"), QStringLiteral("one")).ok());
    ASSERT_TRUE(QFile::link(QStringLiteral("Real.rtf"), store.pathFor(QStringLiteral("Alias"))));
    EXPECT_TRUE(store.appendLine(QStringLiteral("Alias"), QStringLiteral("two")).ok());
    EXPECT_EQ(store.read(QStringLiteral("Real")).lines.size(), 2);

    // A file far too large to be a score file is refused with a message, not read whole.
    const QString huge = store.pathFor(QStringLiteral("Huge"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(64) * 1024 * 1024));
    }
    const ScoreFileResult large = store.read(QStringLiteral("Huge"));
    EXPECT_FALSE(large.ok());
    EXPECT_TRUE(large.error.contains(QStringLiteral("larger than"))) << large.error.toStdString();
    EXPECT_FALSE(store.appendLine(QStringLiteral("Huge"), QStringLiteral("x")).ok());
}

TEST_F(ScoreStoreTest, RefusalsNameTheRealReason) {
    // Characters beyond the Basic Multilingual Plane are fine where the file system takes them.
    const QString emoji = QStringLiteral("emoji\U0001F600");
    const ScoreFileResult saved = store.appendLine(emoji, QStringLiteral("one"));
    ASSERT_TRUE(saved.ok()) << saved.error.toStdString();
    EXPECT_EQ(store.read(emoji).lines, QStringList{QStringLiteral("one")});

    // A full disk: the lock file cannot be written, and the message says why.
    const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
    const int status = inChildProcess([&] {
        limitFileSize(0);
        const ScoreFileResult result =
            store.appendLine(QStringLiteral("Disk"), QStringLiteral("x"));
        if (result.ok() || result.error.contains(QStringLiteral("read-only")))
            return 1;
        return result.error.contains(tooLarge) ? 0 : 2;
    });
    EXPECT_EQ(status, 0);
}
