#include "ScorePrompts.h"

#include "Dialogs.h"
#include "RemovableMedia.h"
#include "ScoreStore.h"
#include "StudentName.h"

QString ScorePrompts::askStudentName() {
    const QString fallback = QStringLiteral("Scores");
    QString prefill = fallback;
    for (;;) {
        const auto typed = dialogs_.input(tr("Scores File Name"),
                                          tr("Please type your last name OR student ID."), prefill);
        const QString name = scores::StudentName::normalised(typed.value_or(fallback));
        const QString refusal = scores::StudentName::refusal(name);
        if (refusal.isEmpty())
            return name;
        dialogs_.information(refusal);
        prefill = typed.value_or(fallback);
    }
}

void ScorePrompts::offerCopy(const QString& question, const QString& instruction,
                             const QString& scoreFile, QString& copyFolder) {
    if (!dialogs_.confirmDestructive(question))
        return;
    dialogs_.information(instruction);
    copyToRemovableMedium(scoreFile, copyFolder);
}

void ScorePrompts::copyToRemovableMedium(const QString& scoreFile, QString& copyFolder) {
    QString folder;
    if (const auto drive = scores::RemovableMedia::floppyDrive()) {
        folder = *drive;
    } else {
        // Without a drive A: the student picks the folder; the choice is offered again next time.
        const QString start =
            copyFolder.isEmpty() ? scores::RemovableMedia::defaultCopyFolder() : copyFolder;
        const auto chosen = dialogs_.chooseFolder(tr("Folder for the copy of the scores"), start);
        if (!chosen) {
            dialogs_.information(tr("The scores were not copied."));
            return;
        }
        folder = *chosen;
        copyFolder = folder;
    }
    const scores::ScoreFileResult copied = scores::ScoreStore::copyReadOnly(scoreFile, folder);
    if (!copied.ok())
        dialogs_.error(copied.error);
}
