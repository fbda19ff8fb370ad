#pragma once

#include <QString>

class Dialogs;

// The two thresholds of automatic advance, as both trainers keep them: how many answers (or
// right answers), and the score in percent that must be exceeded. They are texts as the student
// typed them, kept whole numbers above 0 so that the test at the next question can always read
// them.
class AdvanceThresholds {
public:
    // The texts of the two boxes that ask for them.
    struct Prompts {
        QString countTitle;
        QString countPrompt;
        QString percentTitle;
        QString percentPrompt;
    };
    // Which of the two boxes the student closed with OK.
    struct Answered {
        bool count = false;
        bool percent = false;
    };

    // Over the trainer's own two texts, with the values a text falls back to when it is no
    // whole number above 0.
    AdvanceThresholds(QString& count, QString& percent, QString countDefault,
                      QString percentDefault)
        : count_(count), percent_(percent), countDefault_(std::move(countDefault)),
          percentDefault_(std::move(percentDefault)) {}

    // Asks for both, each box holding its threshold as it stands; a box cancelled leaves its
    // threshold as it was.
    Answered ask(Dialogs& dialogs, const Prompts& prompts);
    // At least `count` answers counted and a score above `percent`.
    bool reached(qint64 answers, double score) const;

    // `text` as a whole number above 0, or `fallback`.
    static QString wholeNumberOr(const QString& text, const QString& fallback);

private:
    QString& count_;
    QString& percent_;
    QString countDefault_;
    QString percentDefault_;
};
