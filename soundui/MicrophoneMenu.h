#pragma once

#include "MicrophoneCapture.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>

class QMenu;

// The menu of the microphones a student answers with: "None", then the system's sound inputs,
// the default one first, the one listened to marked; it is filled each time it is about to show,
// and the inputs are not looked at before. The choice holds for the whole run: the program
// listens to the system's default input when an answer from it can first be used, and to the
// input the student picks from then on. A problem with the input (none there, one that cannot be
// opened, one unplugged while listening) is told once through `onProblem`; listening then stops
// and every other way of answering goes on as before.
class MicrophoneMenu final : public QObject {
    Q_OBJECT
public:
    MicrophoneMenu(listening::MicrophoneCapture& capture, QMenu* menu);

    QMenu* menu() const { return menu_; }
    // How the program tells the student of a problem: a sentence for a box.
    void onProblem(std::function<void(const QString&)> tell) { tell_ = std::move(tell); }

    // The default input, when there is one and the student did not choose "None" (nor another
    // input); no input says nothing yet. The first time, the microphone's libraries are loaded
    // on a thread of their own first, and listening begins a few milliseconds later.
    void listenWhenUsed();
    // The input of that id, or none for an empty id (the menu's "None").
    void choose(const QByteArray& inputId);
    // A practice that needs the microphone has begun: when none listens although the student
    // did not choose "None", the student is told, once (the first time, once the microphone's
    // libraries have loaded beside the window).
    void needed();

    bool isListening() const { return capture_.isListening(); }

    // The sentence a box shows for a problem with `input`.
    static QString problemText(listening::InputProblem problem, const QString& input);

signals:
    void listeningChanged(bool listening);

private:
    void fill();
    void problem(listening::InputProblem problem, const QString& input);

    listening::MicrophoneCapture& capture_;
    QMenu* menu_;
    std::function<void(const QString&)> tell_;
    bool noneChosen_ = false;
};
