#include "ScoreStore.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <thread>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using scores::ScoreFileResult;
using scores::ScoreStore;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Runs `body` in a child process and returns its exit status (-1 if it did not exit normally).
int inChildProcess(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

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

TEST_F(ScoreStoreTest, AppendsToAFileAWordProcessorSaved) {
    QDir().mkpath(folder);
    writeBytes(
        folder + QStringLiteral("/Lee.rtf"),
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs22 Lee's scores, term 1\\par\r\nM\\'fcller\\par\r\n}\r\n");
    ASSERT_TRUE(store.appendLine(QStringLiteral("Lee"), QStringLiteral("new line")).ok());
    EXPECT_EQ(store.read(QStringLiteral("Lee")).lines,
              (QStringList{QStringLiteral("Lee's scores, term 1"), QStringLiteral("Müller"),
                           QStringLiteral("new line")}));
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

    const ScoreFileResult second =
        store.appendLine(QStringLiteral("Kim"), QStringLiteral("quiz 2"));
    EXPECT_EQ(second.path, folder + QStringLiteral("/Kim (3).rtf"));
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
