#pragma once

#include <QDialog>

class QPlainTextEdit;

// The rhythm trainer's about box: a few words about the program and the music font's licence,
// in one read-only memo. Shown modally from Help > "About".
class TRhyAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TRhyAboutBox(QWidget* parent = nullptr);

    QPlainTextEdit* const Memo1;

    static QString description();
};
