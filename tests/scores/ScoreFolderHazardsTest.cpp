// What the score folder may hold besides score files, and what the store makes of it: links that
// lead elsewhere or nowhere, a second mount of the folder, a folder under the lock's name, paths
// longer than the system allows, files at the size limit.
#include "RtfReader.h"
#include "RtfWriter.h"
#include "ScoreStore.h"
#include "StudentName.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using scores::ScoreFileResult;
using scores::ScoreStore;
using scores::StudentName;

namespace {

constexpr int kSkipped = 77;

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

class ScoreFolderHazards : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString folder = root.path() + QStringLiteral("/Qor_Music");
    ScoreStore store{folder};

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folder)); }

    QString inFolder(const QString& name) const { return folder + QLatin1Char('/') + name; }
};

} // namespace

TEST_F(ScoreFolderHazards, ASideFileFollowsTheSameLinkRulesAsTheScoreFile) {
    writeBytes(inFolder(QStringLiteral("T.rtf")), "typed in a text editor\n");
    const QString outside = root.path() + QStringLiteral("/private.rtf");
    writeBytes(outside, scores::RtfWriter::write({QStringLiteral("the teacher's private notes")}));
    const QByteArray outsideBefore = fileBytes(outside);
    ASSERT_TRUE(QFile::link(outside, inFolder(QStringLiteral("T (2).rtf"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("T (3).rtf"), inFolder(QStringLiteral("T (3).rtf"))));

    const ScoreFileResult saved = store.appendLine(QStringLiteral("T"), QStringLiteral("quiz 1"));
    ASSERT_TRUE(saved.ok()) << saved.error.toStdString();
    EXPECT_EQ(saved.path, inFolder(QStringLiteral("T (4).rtf")));
    EXPECT_EQ(scores::RtfReader::read(fileBytes(saved.path)).lines,
              QStringList{QStringLiteral("quiz 1")});
    // Nothing of the outside file came into the folder, and the links are as they were.
    EXPECT_EQ(fileBytes(outside), outsideBefore);
    EXPECT_TRUE(QFileInfo(inFolder(QStringLiteral("T (2).rtf"))).isSymLink());
    EXPECT_TRUE(QFileInfo(inFolder(QStringLiteral("T (3).rtf"))).isSymLink());
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files)) {
        if (!info.isSymLink()) {
            EXPECT_FALSE(fileBytes(info.filePath()).contains("private"))
                << info.fileName().toStdString();
        }
    }

    // A side file linked inside the folder is used as before.
    writeBytes(inFolder(QStringLiteral("U.rtf")), "typed in a text editor\n");
    writeBytes(inFolder(QStringLiteral("U side.rtf")),
               scores::RtfWriter::write({QStringLiteral("u1")}));
    ASSERT_TRUE(QFile::link(QStringLiteral("U side.rtf"), inFolder(QStringLiteral("U (2).rtf"))));
    const ScoreFileResult inside = store.appendLine(QStringLiteral("U"), QStringLiteral("u2"));
    ASSERT_TRUE(inside.ok()) << inside.error.toStdString();
    EXPECT_EQ(scores::RtfReader::read(fileBytes(inFolder(QStringLiteral("U side.rtf")))).lines,
              (QStringList{QStringLiteral("u1"), QStringLiteral("u2")}));
}

TEST_F(ScoreFolderHazards, ASecondMountOfTheScoreFolderIsRefusedAsTheCopysFolder) {
    ASSERT_TRUE(store.appendLine(QStringLiteral("Sam"), QStringLiteral("one")).ok());
    const QString source = store.pathFor(QStringLiteral("Sam"));
    const QByteArray before = fileBytes(source);
    const QString other = root.path() + QStringLiteral("/stick");
    ASSERT_TRUE(QDir().mkpath(other));

    // The mount is made in a mount namespace of the child's own, so it goes away with it.
    const int status = inChildProcess([&] {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(QFile::encodeName(folder).constData(), QFile::encodeName(other).constData(),
                    nullptr, MS_BIND, nullptr) != 0)
            return kSkipped;
        const ScoreFileResult copied = ScoreStore::copyReadOnly(source, other);
        if (copied.ok())
            return 1;
        return copied.error.contains(QStringLiteral("score folder itself")) ? 0 : 2;
    });
    if (status == kSkipped)
        GTEST_SKIP() << "this system does not let the test mount the folder a second time "
                        "(that needs root and a system that allows mounts)";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(fileBytes(source), before);
    EXPECT_TRUE(QFileInfo(source).permissions() & QFile::WriteOwner);
}

TEST_F(ScoreFolderHazards, AnAppendThatWouldCrossTheSizeLimitIsRefused) {
    constexpr qint64 kLimit = 16 * 1024 * 1024;
    QStringList lines;
    const QString block(1000, QLatin1Char('x'));
    while ((lines.size() + 1) * (block.size() + 6) < kLimit - 4000)
        lines.append(block);
    const QByteArray document = scores::RtfWriter::write(lines);
    const qint64 room = kLimit - document.size();
    ASSERT_GT(room, 100);
    ASSERT_LT(room, 5000);
    const QString path = store.pathFor(QStringLiteral("Big"));
    writeBytes(path, document);

    // A line that just fits is added; the file is then at most at the limit.
    const ScoreFileResult fits =
        store.appendLine(QStringLiteral("Big"), QString(room - 6 - 50, QLatin1Char('y')));
    ASSERT_TRUE(fits.ok()) << fits.error.toStdString();
    const QByteArray after = fileBytes(path);
    EXPECT_LE(after.size(), kLimit);
    EXPECT_GT(after.size(), kLimit - 100);

    // The next one would cross it: refused, saying so, and the file stays readable.
    const ScoreFileResult crossing =
        store.appendLine(QStringLiteral("Big"), QString(100, QLatin1Char('z')));
    EXPECT_FALSE(crossing.ok());
    EXPECT_TRUE(crossing.error.contains(QStringLiteral("16 MB"))) << crossing.error.toStdString();
    EXPECT_TRUE(crossing.error.contains(QStringLiteral("Big.rtf")));
    EXPECT_EQ(fileBytes(path), after);
    EXPECT_TRUE(store.read(QStringLiteral("Big")).ok());
}

TEST_F(ScoreFolderHazards, AFolderInTheLockFilesPlaceIsNamedAtOnce) {
    ASSERT_TRUE(QDir().mkpath(inFolder(QStringLiteral(".Dee.rtf.lock"))));
    const ScoreFileResult saved = store.appendLine(QStringLiteral("Dee"), QStringLiteral("x"));
    EXPECT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error.contains(QStringLiteral(".Dee.rtf.lock"))) << saved.error.toStdString();
    EXPECT_TRUE(saved.error.contains(QStringLiteral("folder")));
    EXPECT_FALSE(saved.error.contains(QStringLiteral("another program")));
    EXPECT_FALSE(store.erase(QStringLiteral("Dee")).ok());
    EXPECT_FALSE(QFileInfo::exists(store.pathFor(QStringLiteral("Dee"))));
}

TEST_F(ScoreFolderHazards, LinksThatGoRoundOrLeadToAFolderSayWhatTheyAre) {
    ASSERT_TRUE(QFile::link(QStringLiteral("Loop2.rtf"), inFolder(QStringLiteral("Loop.rtf"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("Loop.rtf"), inFolder(QStringLiteral("Loop2.rtf"))));
    ASSERT_TRUE(QFile::link(folder, inFolder(QStringLiteral("Self.rtf"))));
    ASSERT_TRUE(QDir().mkpath(inFolder(QStringLiteral("term 1"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("term 1"), inFolder(QStringLiteral("Sub.rtf"))));

    for (const QString& name : {QStringLiteral("Loop"), QStringLiteral("Loop2")}) {
        const ScoreFileResult saved = store.appendLine(name, QStringLiteral("x"));
        EXPECT_FALSE(saved.ok());
        EXPECT_TRUE(saved.error.contains(QStringLiteral("circle"))) << saved.error.toStdString();
        EXPECT_TRUE(saved.error.contains(systemError(ELOOP)));
        EXPECT_FALSE(store.read(name).error.contains(QStringLiteral("outside")));
    }
    for (const QString& name : {QStringLiteral("Self"), QStringLiteral("Sub")}) {
        const ScoreFileResult read = store.read(name);
        EXPECT_FALSE(read.ok());
        EXPECT_TRUE(read.error.contains(QStringLiteral("link to the folder")))
            << read.error.toStdString();
        EXPECT_FALSE(read.error.contains(QStringLiteral("outside")));
        EXPECT_FALSE(store.appendLine(name, QStringLiteral("x")).ok());
    }
    EXPECT_TRUE(QDir(inFolder(QStringLiteral("term 1"))).isEmpty());
}

TEST_F(ScoreFolderHazards, PathsLongerThanTheSystemAllowsSayWhy) {
    const QString tooLong = systemError(ENAMETOOLONG);
    // A folder that exists, so deep that the lock file's path is one too many characters long.
    QString deep = root.path();
    while (deep.size() < 4000)
        deep += QLatin1Char('/') + QString(std::min<qsizetype>(200, 4000 - deep.size()), 'd');
    ASSERT_TRUE(QDir().mkpath(deep));
    const ScoreStore deepStore(deep);
    const ScoreFileResult saved =
        deepStore.appendLine(QString(StudentName::kMaxCharacters, 'n'), QStringLiteral("x"));
    EXPECT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error.contains(tooLong)) << saved.error.toStdString();

    // A folder that cannot even be made.
    const ScoreStore deeper(deep + QLatin1Char('/') + QString(200, QLatin1Char('e')) +
                            QLatin1Char('/') + QString(200, QLatin1Char('f')));
    const ScoreFileResult notMade = deeper.appendLine(QStringLiteral("Ann"), QStringLiteral("x"));
    EXPECT_FALSE(notMade.ok());
    EXPECT_TRUE(notMade.error.contains(tooLong)) << notMade.error.toStdString();
}
