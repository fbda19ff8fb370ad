#include "MicrophoneMenu.h"

#include <QActionGroup>
#include <QMenu>

using listening::InputProblem;

MicrophoneMenu::MicrophoneMenu(listening::MicrophoneCapture& capture, QMenu* menu)
    : QObject(menu), capture_(capture), menu_(menu) {
    connect(menu_, &QMenu::aboutToShow, this, &MicrophoneMenu::fill);
    connect(&capture_, &listening::MicrophoneCapture::inputUnavailable, this,
            &MicrophoneMenu::problem);
    connect(&capture_, &listening::MicrophoneCapture::started, this,
            [this] { emit listeningChanged(true); });
}

void MicrophoneMenu::listenWhenUsed() {
    // The first time, the microphone's libraries load beside the window, which goes on.
    capture_.whenLoaded([this] {
        if (noneChosen_ || capture_.isListening() ||
            listening::MicrophoneCapture::inputs().isEmpty())
            return;
        capture_.listen();
    });
}

void MicrophoneMenu::choose(const QByteArray& inputId) {
    noneChosen_ = inputId.isEmpty();
    if (noneChosen_) {
        capture_.stop();
        emit listeningChanged(false);
    } else {
        capture_.listen(QString::fromUtf8(inputId));
    }
}

void MicrophoneMenu::needed() {
    capture_.whenLoaded([this] {
        if (noneChosen_ || capture_.isListening())
            return;
        // The default input, which may have come since the start; the capture tells a problem
        // once.
        capture_.listen();
    });
}

void MicrophoneMenu::fill() {
    menu_->clear();
    auto* group = new QActionGroup(menu_);
    const QByteArray current = capture_.inputId();
    const auto add = [&](const QString& caption, const QByteArray& id) {
        QAction* action = menu_->addAction(caption);
        action->setCheckable(true);
        action->setChecked(id == current);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, id] { choose(id); });
    };
    add(tr("None"), QByteArray());
    for (const listening::AudioInput& input : listening::MicrophoneCapture::inputs())
        add(input.description, input.id);
}

void MicrophoneMenu::problem(InputProblem problem, const QString& input) {
    emit listeningChanged(false);
    if (tell_)
        tell_(problemText(problem, input));
}

QString MicrophoneMenu::problemText(InputProblem problem, const QString& input) {
    switch (problem) {
    case InputProblem::NoInput:
        return tr("No microphone is connected, so nothing sung is heard. Every other way of "
                  "answering works as before.");
    case InputProblem::NotFound:
        return tr("The microphone \"%1\" is not connected. Every other way of answering works as "
                  "before.")
            .arg(input);
    case InputProblem::Refused:
        return tr("The microphone \"%1\" cannot be opened. Every other way of answering works as "
                  "before.")
            .arg(input);
    case InputProblem::Unavailable:
        return tr("The microphone cannot be listened to on this computer (%1). Every other way of "
                  "answering works as before.")
            .arg(input);
    case InputProblem::Lost:
        break;
    }
    return tr("The microphone \"%1\" is no longer connected. Every other way of answering works "
              "as before; choose another microphone to go on listening.")
        .arg(input);
}
