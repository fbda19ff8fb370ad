#include "ModalDialogs.h"

#include "TScoreRecord.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
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

namespace {

bool askYesNo(QWidget* window, const QString& title, const QString& text,
              QMessageBox::StandardButton byDefault) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, window);
    box.setDefaultButton(byDefault);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

// Room a title bar needs beside its caption: the window's icon and its buttons.
constexpr int kTitleBarExtra = 120;
// Room around the prompt and the field inside an input box.
constexpr int kInputBoxMargins = 40;

} // namespace

bool ModalDialogs::confirm(const QString& text) {
    return askYesNo(window_, title(), text, QMessageBox::Yes);
}

bool ModalDialogs::confirmDestructive(const QString& text) {
    return askYesNo(window_, title(), text, QMessageBox::No);
}

std::optional<QString> ModalDialogs::input(const QString& caption, const QString& prompt,
                                           const QString& defaultText) {
    QInputDialog box(window_);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    // Wide enough that neither the title nor the prompt is cut short.
    // Title bars often draw their caption in bold.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int title = QFontMetrics(titleFont).horizontalAdvance(caption) + kTitleBarExtra;
    const int text = box.fontMetrics().horizontalAdvance(prompt) + kInputBoxMargins;
    // The box sizes itself to its layout, so the field sets the width.
    if (auto* field = box.findChild<QLineEdit*>())
        field->setMinimumWidth(std::max(title, text) - kInputBoxMargins);
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
