// The summary of a large class, and a score folder that cannot be listed.

#include "ClassResults.h"
#include "ResultsSummary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/wait.h>
#include <unistd.h>

namespace qor {
namespace {

QString rhythmLine(int score) {
    return QStringLiteral(" Beatwise Quiz 07/12/2026, 10:15:30 AM, Rhythm Patterns = Simple/3, "
                          "Tempo = 72, Rhythm Score = %1.00%, Number of Questions = 2, Av. "
                          "Hearings = 1.00")
        .arg(score);
}

QString pitchEndLine(int score) {
    return QStringLiteral(" Tonewise Quiz , 1/5/2026, Scale-steps = 1, 3, 5., Number of Questions "
                          "= 1, Number of pitches in questions = 3, Overall Average Score = %1")
        .arg(score);
}

TEST(ClassSummary, EveryStudentOfALargeClassKeepsTheirOwnResults) {
    constexpr int kStudents = 1500;
    ClassResults results;
    for (int s = 0; s < kStudents; ++s) {
        const QString name = QStringLiteral("Student %1").arg(s, 4, 10, QLatin1Char('0'));
        const int best = s % 100;
        results.addFile(name, name + QStringLiteral(".rtf"),
                        {rhythmLine(best / 2), rhythmLine(best), rhythmLine(best / 3),
                         pitchEndLine((s * 7) % 101),
                         QStringLiteral("User did not complete "
                                        "Tonewise Quiz.")});
    }
    // One student's lines in a second file whose name differs only in case.
    results.addFile(QStringLiteral("Student 0007"), QStringLiteral("Student 0007.RTF"),
                    {rhythmLine(100)});

    const QVector<StudentSummary> summaries = summarise(results);
    ASSERT_EQ(summaries.size(), kStudents);
    for (int s = 0; s < kStudents; ++s) {
        const StudentSummary& summary = summaries[s];
        ASSERT_EQ(summary.student, QStringLiteral("Student %1").arg(s, 4, 10, QLatin1Char('0')));
        const bool twoFiles = s == 7;
        ASSERT_EQ(summary.beatwise.quizzes, twoFiles ? 4 : 3);
        ASSERT_EQ(summary.beatwise.best->score,
                  QString::number(twoFiles ? 100 : s % 100) + QStringLiteral(".00"));
        ASSERT_EQ(summary.beatwise.latest->score,
                  QString::number(twoFiles ? 100 : (s % 100) / 3) + QStringLiteral(".00"));
        ASSERT_EQ(summary.tonewise.quizzes, 1);
        ASSERT_EQ(summary.tonewise.notCompleted, 1);
        ASSERT_EQ(summary.tonewise.best->score, QString::number((s * 7) % 101));
        ASSERT_EQ(summary.results.size(), twoFiles ? 5 : 4);
        for (const QuizRecord* record : summary.results)
            ASSERT_EQ(record->student, summary.student);
    }
}

TEST(ClassSummary, AFolderThatCannotBeListedSaysWhy) {
    QTemporaryDir root;
    ASSERT_TRUE(QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ExeOwner | QFile::ExeGroup |
                                                       QFile::ExeOther));
    const QString folder = root.path() + QStringLiteral("/Qor_Music");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile score(folder + QStringLiteral("/Smith.rtf"));
    ASSERT_TRUE(score.open(QIODevice::WriteOnly));
    score.close();
    // Others may enter the folder but not list it.
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ExeGroup |
                                                  QFile::ExeOther));

    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        // Whoever runs the test, the listing is made by a user the folder does not let in.
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        else if (::geteuid() != 0)
            QFile::setPermissions(folder, QFile::WriteOwner | QFile::ExeOwner);
        ClassResults results;
        QString error;
        if (results.addFolder(folder, &error))
            ::_exit(1);
        const QString why = QString::fromLocal8Bit(std::strerror(EACCES));
        ::_exit(error.contains(why) && error.contains(folder) ? 0 : 2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
} // namespace qor
