#pragma once

#include <algorithm>

#include "ModalDialogs.h"
#include "ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <optional>

// The window's boxes answered from a script; the scores window stays the real one. `opening`
// sees each box's text (an input box's caption) as it opens.
class ScriptedBoxes final : public ModalDialogs, public DialogScript {
public:
    std::function<void(const QString& text)> opening;

    void information(const QString& text) override {
        open(text);
        informations.append(text);
    }
    // How many information boxes spoke of `what`.
    qsizetype informationsSaying(const QString& what) const {
        return std::count_if(informations.begin(), informations.end(),
                             [&](const QString& text) { return text.contains(what); });
    }
    void error(const QString& text) override {
        open(text);
        errors.append(text);
    }
    bool confirm(const QString& text) override {
        open(text);
        return nextConfirm(text);
    }
    bool confirmDestructive(const QString& text) override { return confirm(text); }
    std::optional<QString> input(const QString& caption, const QString&, const QString&) override {
        open(caption);
        return nextInput(caption);
    }
    std::optional<QString> chooseFolder(const QString& caption, const QString&) override {
        open(caption);
        return nextFolder(QString());
    }

private:
    void open(const QString& text) const {
        if (opening)
            opening(text);
    }
};

// Answers the modal windows that open during a step: records each one, then closes it with
// the button `answer` chooses (message boxes) or by closing it (other dialogs).
class ModalAnswerer : public QObject {
public:
    struct Seen {
        QString className;
        QString title;
        QString text; // a message box's text
        QSize size;
    };
    QList<Seen> seen;
    std::function<void(QDialog*)> inspect; // called for every dialog before it is closed
    QMessageBox::StandardButton answer = QMessageBox::Yes;

    ModalAnswerer() {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { answerOpenBox(); });
        timer_.start();
    }

private:
    void answerOpenBox() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        Seen record{QString::fromLatin1(dialog->metaObject()->className()), dialog->windowTitle(),
                    QString(), dialog->size()};
        if (inspect)
            inspect(dialog);
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            record.text = box->text();
            seen.append(record);
            QAbstractButton* button = box->button(answer);
            if (!button)
                button = box->button(QMessageBox::Ok);
            if (button)
                button->click();
            else
                box->reject();
            return;
        }
        seen.append(record);
        dialog->reject();
    }

    QTimer timer_;
};
