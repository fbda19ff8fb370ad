#include "QuizSetup.h"

#include "Dialogs.h"
#include "ScoreFile.h"
#include "ScorePrompts.h"

QString QuizSetup::askStudent() {
    return ScorePrompts(dialogs_).askStudentName();
}

bool QuizSetup::eraseIfNewTest(const QString& name) {
    if (!dialogs_.confirmDestructive(tr(
            "Click YES if this is a NEW TEST and you wish to erase ALL previous scores. Click NO "
            "if this CONTINUES A TEST and you need ALL previous scores")))
        return true;
    try {
        scoreFile_.erase(name);
    } catch (const ScoreFileFailure& failure) {
        dialogs_.error(tr("%1 The quiz was not prepared.").arg(failure.text()));
        return false;
    }
    return true;
}
