#pragma once

#include <QCoreApplication>
#include <QString>

class Dialogs;

// The boxes both trainers ask around a student's score file.
class ScorePrompts {
    Q_DECLARE_TR_FUNCTIONS(ScorePrompts)

public:
    explicit ScorePrompts(Dialogs& dialogs) : dialogs_(dialogs) {}

    // "Scores File Name": asked again, with the refusal's reason, until the name can name a
    // score file; a cancelled prompt gives "Scores".
    QString askStudentName();

    // Copies the score file to drive A where there is one; elsewhere into a folder the student
    // picks, starting at the one picked last time (`copyFolder`, updated).
    void copyToRemovableMedium(const QString& scoreFile, QString& copyFolder);
    // At the end of a quiz: asks `question` (a box that takes Enter as No); on Yes shows
    // `instruction`, then copies the score file as above.
    void offerCopy(const QString& question, const QString& instruction, const QString& scoreFile,
                   QString& copyFolder);

private:
    Dialogs& dialogs_;
};
