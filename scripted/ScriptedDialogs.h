#pragma once

#include "Dialogs.h"
#include "ScriptStop.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// A box was shown that the script had no answer for.
class UnansweredDialog : public ScriptStop {
public:
    using ScriptStop::ScriptStop;
};

// The answers given to a trainer's boxes, and what the boxes showed.
struct DialogScript {
    // What happens when a question or prompt finds its queue empty: the default answers (Yes,
    // and Cancel for prompts and folder choices), or an UnansweredDialog.
    enum class WhenExhausted { AnswerDefault, Refuse };
    WhenExhausted whenExhausted = WhenExhausted::AnswerDefault;

    std::deque<bool> confirmAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    // Folder choices; once these are used up, prompt answers are taken.
    std::deque<std::optional<QString>> folderAnswers;

    QStringList informations;
    QStringList errors;
    QStringList confirmations;
    QStringList destructiveConfirmations; // those asked as confirmDestructive, also in the above
    QStringList inputCaptions;

    bool nextConfirm(const QString& text);
    std::optional<QString> nextInput(const QString& caption);
    std::optional<QString> nextFolder(const QString& caption);

private:
    std::optional<QString> take(std::deque<std::optional<QString>>& script, const QString& what);
};

// Boxes answered from a script, with no window: for tests and for running a trainer from a
// script. Every box shown is reported to `shown` (title, text, and the answer given: "ok",
// "yes", "no", "cancel" or the text typed).
class ScriptedDialogs : public Dialogs, public DialogScript {
public:
    struct Asked {
        QString caption;
        QString prompt;
        QString defaultText;
    };
    std::vector<Asked> inputsAsked;
    std::vector<QStringList> scoresShown;
    std::function<void(const QString& title, const QString& text, const QString& answer)> shown;

    explicit ScriptedDialogs(QString title = QString()) : title_(std::move(title)) {}

    void information(const QString& text) override;
    void error(const QString& text) override;
    bool confirm(const QString& text) override;
    bool confirmDestructive(const QString& text) override;
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& defaultText) override;
    void showScores(const QStringList& lines) override;
    std::optional<QString> chooseFolder(const QString& caption,
                                        const QString& defaultFolder) override;

private:
    void report(const QString& title, const QString& text, const QString& answer) const;
    QString title_;
};
