#include "ScriptedDialogs.h"

bool DialogScript::nextConfirm(const QString& text) {
    confirmations.append(text);
    if (confirmAnswers.empty()) {
        if (whenExhausted == WhenExhausted::Refuse)
            throw UnansweredDialog(QStringLiteral("no answer (yes or no) for the question \"") +
                                   text + QStringLiteral("\""));
        return true;
    }
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

std::optional<QString> DialogScript::nextInput(const QString& caption) {
    inputCaptions.append(caption);
    return take(inputAnswers, QStringLiteral("the prompt \"") + caption + QStringLiteral("\""));
}

std::optional<QString> DialogScript::nextFolder(const QString& caption) {
    if (!folderAnswers.empty())
        return take(folderAnswers, caption);
    if (whenExhausted == WhenExhausted::Refuse)
        return take(inputAnswers,
                    QStringLiteral("the folder choice \"") + caption + QStringLiteral("\""));
    return std::nullopt;
}

std::optional<QString> DialogScript::take(std::deque<std::optional<QString>>& script,
                                          const QString& what) {
    if (script.empty()) {
        if (whenExhausted == WhenExhausted::Refuse)
            throw UnansweredDialog(QStringLiteral("no answer (reply or cancel) for ") + what);
        return std::nullopt;
    }
    const auto answer = script.front();
    script.pop_front();
    return answer;
}

void ScriptedDialogs::report(const QString& title, const QString& text,
                             const QString& answer) const {
    if (shown)
        shown(title, text, answer);
}

void ScriptedDialogs::information(const QString& text) {
    informations.append(text);
    report(title_, text, QStringLiteral("ok"));
}

void ScriptedDialogs::error(const QString& text) {
    errors.append(text);
    report(title_, text, QStringLiteral("ok"));
}

bool ScriptedDialogs::confirm(const QString& text) {
    const bool yes = nextConfirm(text);
    report(title_, text, yes ? QStringLiteral("yes") : QStringLiteral("no"));
    return yes;
}

bool ScriptedDialogs::confirmDestructive(const QString& text) {
    destructiveConfirmations.append(text);
    return confirm(text);
}

std::optional<QString> ScriptedDialogs::input(const QString& caption, const QString& prompt,
                                              const QString& defaultText) {
    inputsAsked.push_back({caption, prompt, defaultText});
    const auto reply = nextInput(caption);
    report(caption, prompt, reply.value_or(QStringLiteral("cancel")));
    return reply;
}

void ScriptedDialogs::showScores(const QStringList& lines) {
    scoresShown.push_back(lines);
    report(QStringLiteral("Scores"), lines.join(QLatin1Char('\n')), QStringLiteral("ok"));
}

std::optional<QString> ScriptedDialogs::chooseFolder(const QString& caption, const QString&) {
    const auto folder = nextFolder(caption);
    report(caption, QString(), folder.value_or(QStringLiteral("cancel")));
    return folder;
}
