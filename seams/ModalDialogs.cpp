#include "ModalDialogs.h"

#include "TScoreRecord.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

ModalDialogs::ModalDialogs(QWidget* window, TScoreRecord* scoreRecord) {
    attach(window, scoreRecord);
}

QString ModalDialogs::title() const {
    return title_.isEmpty() ? QCoreApplication::applicationName() : title_;
}

void ModalDialogs::attach(QWidget* window, TScoreRecord* scoreRecord) {
    window_ = window;
    scoreRecord_ = scoreRecord;
}

void ModalDialogs::information(const QString& text) {
    QMessageBox box(QMessageBox::Information, title(), text, QMessageBox::Ok, window_);
    box.exec();
}

void ModalDialogs::error(const QString& text) {
    QMessageBox box(QMessageBox::Critical, title(), text, QMessageBox::Ok, window_);
    box.exec();
}

bool ModalDialogs::confirm(const QString& text) {
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Yes | QMessageBox::No,
                    window_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> ModalDialogs::input(const QString& caption, const QString& prompt,
                                           const QString& defaultText) {
    QInputDialog box(window_);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

void ModalDialogs::showScores(const QStringList& lines) {
    if (scoreRecord_) {
        scoreRecord_->showScores(lines);
        return;
    }
    TScoreRecord record(window_);
    record.showScores(lines);
}

std::optional<QString> ModalDialogs::chooseFolder(const QString& caption,
                                                  const QString& defaultFolder) {
    const QString folder = QFileDialog::getExistingDirectory(window_, caption, defaultFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}
