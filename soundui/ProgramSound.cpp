#include "ProgramSound.h"

#include "BuiltinSynth.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace midi {

namespace {

// How long the synthesizer waits for a first painted window before it starts anyway.
constexpr int LatestStartMs = 3000;

// Starts the built-in synthesizer once the program's first window has been painted, so that
// nothing of it (its libraries, its SoundFont) competes with the start of the window.
class StartAfterFirstPaint : public QObject {
public:
    StartAfterFirstPaint() {
        qApp->installEventFilter(this);
        QTimer::singleShot(LatestStartMs, this, [this] { start(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            qApp->removeEventFilter(this);
            // After the paint and what it leaves behind.
            QTimer::singleShot(0, this, [this] { start(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void start() {
        qApp->removeEventFilter(this);
        warmUpBuiltinSynth();
        deleteLater();
    }
};

} // namespace

void setUpSound(const QString& audioFile, const KeyLimits& keys) {
    SynthOptions options;
    options.keys = keys;
    if (!audioFile.isEmpty()) {
        options.output = AudioOutput::File;
        options.audioFile = audioFile;
    }
    // Notes asked for before the synthesizer is ready wait for it and sound as soon as it is.
    options.startOnWarmUp = true;
    configureBuiltinSynth(options);
    SynthStatus::instance();    // lives on the UI thread
    new StartAfterFirstPaint(); // deletes itself
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
