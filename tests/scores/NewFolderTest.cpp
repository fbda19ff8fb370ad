// A folder made complete or not at all, and the work that killed makers leave behind.

#include "NewFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utime.h>

namespace {

// The process number of a process that has ended.
qint64 endedProcess() {
    QProcess process;
    process.start(QStringLiteral("true"), {});
    EXPECT_TRUE(process.waitForStarted());
    const qint64 pid = process.processId();
    EXPECT_TRUE(process.waitForFinished());
    return pid;
}

class NewFolderWork : public ::testing::Test {
protected:
    QTemporaryDir parent;

    // A hidden work folder with a file in it, last changed `ageSeconds` ago.
    QString leaveWork(const QString& name, qint64 ageSeconds) {
        const QString path = parent.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path));
        QFile file(QDir(path).filePath(QStringLiteral("question-01.wav")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RIFF");
        file.close();
        const qint64 then = QDateTime::currentSecsSinceEpoch() - ageSeconds;
        const utimbuf times{static_cast<time_t>(then), static_cast<time_t>(then)};
        EXPECT_EQ(::utime(QFile::encodeName(path).constData(), &times), 0);
        return path;
    }
    QStringList hidden() const {
        return QDir(parent.path())
            .entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
};

TEST_F(NewFolderWork, IsMadeBesideTheFolderUnderTheMakersProcessNumber) {
    scores::NewFolder folder(parent.filePath(QStringLiteral("set")));
    ASSERT_TRUE(folder.error().isEmpty()) << folder.error().toStdString();
    const QString name = QFileInfo(folder.workPath()).fileName();
    EXPECT_TRUE(
        QRegularExpression(
            QStringLiteral("^\\.set-%1-[A-Za-z0-9]{6}$").arg(QCoreApplication::applicationPid()))
            .match(name)
            .hasMatch())
        << name.toStdString();
    EXPECT_TRUE(folder.complete().isEmpty());
    EXPECT_EQ(hidden(), QStringList{QStringLiteral("set")});
}

TEST_F(NewFolderWork, LeftByAKilledMakerIsRemovedOnceStale) {
    const QString dead = QString::number(endedProcess());
    const QString own = QString::number(QCoreApplication::applicationPid());
    leaveWork(QStringLiteral(".set-%1-aB3dE6").arg(dead), 3600);
    const QStringList kept = {
        QStringLiteral(".set-%1-fresh1").arg(dead),   // its maker may be on another computer
        QStringLiteral(".set-%1-mine01").arg(own),    // this process's own work
        QStringLiteral(".set-1-parent"),              // a process that still runs
        QStringLiteral(".set-Xq9z0w"),                // no process number: whose is unknown
        QStringLiteral(".sets-%1-other1").arg(dead),  // another folder's work
        QStringLiteral(".set-%1-aB3dE6x").arg(dead)}; // not a work folder's name
    leaveWork(kept[0], 5);
    for (qsizetype i = 1; i < kept.size(); ++i)
        leaveWork(kept[i], 3600);

    scores::NewFolder folder(parent.filePath(QStringLiteral("set")));
    ASSERT_TRUE(folder.error().isEmpty()) << folder.error().toStdString();
    QStringList expected = kept;
    expected << QFileInfo(folder.workPath()).fileName();
    expected.sort();
    EXPECT_EQ(hidden(), expected);
}

} // namespace
