#include "ProgramSound.h"

#include "BuiltinSynth.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace midi {

void setUpSound(const QString& audioFile) {
    SynthOptions options;
    if (!audioFile.isEmpty()) {
        options.output = AudioOutput::File;
        options.audioFile = audioFile;
    }
    configureBuiltinSynth(options);
    warmUpBuiltinSynth();
}

void announceSoundProblems(QWidget* parent, const QString& title) {
    QPointer<QWidget> owner(parent);
    auto show = [owner, title](const QString& reason) {
        // Not modal for the whole program: the student can go on working behind it.
        auto* box = new QMessageBox(
            QMessageBox::Warning, title,
            QCoreApplication::translate("ProgramSound", "Sound is unavailable.\n\n%1").arg(reason),
            QMessageBox::Ok, owner);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->show();
    };
    SynthStatus& status = SynthStatus::instance();
    if (!status.unavailableReason().isEmpty()) {
        const QString reason = status.unavailableReason();
        QTimer::singleShot(0, parent, [show, reason] { show(reason); });
        return;
    }
    QObject::connect(&status, &SynthStatus::soundUnavailable, parent, show,
                     Qt::SingleShotConnection);
}

} // namespace midi
