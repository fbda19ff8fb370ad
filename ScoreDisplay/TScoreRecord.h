#pragma once

#include <QDialog>
#include <QStringList>

class QTextEdit;

// The scores window shared by both programs: a student's score file shown as read-only text,
// one record a line. It only shows; reading and writing the files belongs to the scores
// service.
class TScoreRecord : public QDialog {
    Q_OBJECT

public:
    explicit TScoreRecord(QWidget* parent = nullptr);
    ~TScoreRecord() override;

    QTextEdit* const Memo1;

    // Replaces the shown document by these lines (an empty list shows one line " ").
    void setLines(const QStringList& lines);
    QStringList lines() const;
    // The "MS Sans Serif" font, set each time before the window is shown.
    void useShowingFont();
    // Shows the window modally with the current document and returns when it is closed.
    int showModal();
    // Both steps at once: the lines, then the modal window.
    int showScores(const QStringList& lines);
};
