#pragma once

#include "Dialogs.h"

#include <QPointer>
#include <QWidget>

class TScoreRecord;

// A trainer's boxes as modal windows over its main window: message boxes titled with the
// program's name, input boxes titled by their caption, the scores window and a folder chooser.
class ModalDialogs : public Dialogs {
public:
    // The program's name ("Beatwise", "Tonewise"): the application name once it is set.
    QString title() const;
    void setTitle(const QString& title) { title_ = title; }

    // `window` owns the boxes; `scoreRecord` is the scores window. Either may come later.
    explicit ModalDialogs(QWidget* window = nullptr, TScoreRecord* scoreRecord = nullptr);

    void attach(QWidget* window, TScoreRecord* scoreRecord);

    void information(const QString& text) override;
    void error(const QString& text) override;
    bool confirm(const QString& text) override;
    bool confirmDestructive(const QString& text) override;
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& defaultText) override;
    void showScores(const QStringList& lines) override;
    std::optional<QString> chooseFolder(const QString& caption,
                                        const QString& defaultFolder) override;

private:
    QPointer<QWidget> window_;
    QPointer<TScoreRecord> scoreRecord_;
    QString title_;
};
