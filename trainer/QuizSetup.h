#pragma once

#include <QCoreApplication>
#include <QString>

class Dialogs;
class ScoreFile;

// What both trainers ask when a quiz is prepared: the student's name, then whether this is a
// new test whose earlier scores are erased.
class QuizSetup {
    Q_DECLARE_TR_FUNCTIONS(QuizSetup)

public:
    QuizSetup(Dialogs& dialogs, const ScoreFile& scoreFile)
        : dialogs_(dialogs), scoreFile_(scoreFile) {}

    // The student's name, asked until it can name a score file.
    QString askStudent();
    // Asks whether this is a new test (a box that takes Enter as No) and, if so, erases the
    // student's earlier scores. False when they could not be erased: the student has been told,
    // and the quiz is not to be prepared.
    bool eraseIfNewTest(const QString& name);

private:
    Dialogs& dialogs_;
    const ScoreFile& scoreFile_;
};
