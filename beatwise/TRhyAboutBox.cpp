#include "TRhyAboutBox.h"

#include "SmuflFont.h"

#include <QPlainTextEdit>

TRhyAboutBox::TRhyAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      Memo1(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("RhyAboutBox"));
    setWindowTitle(QStringLiteral("Beatwise"));
    setFixedSize(304, 220);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(24, 16, 249, 153);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setPlainText(description() + QStringLiteral("\n\n") +
                        notation::SmuflFont::licenceText().trimmed());
    Memo1->moveCursor(QTextCursor::Start);
}

QString TRhyAboutBox::description() {
    return tr(
        "Beatwise, the rhythm ear trainer.\n"
        "\n"
        "Listen to a row of seven one-beat rhythm patterns, framed by a two-beat count-in and "
        "a closing beat, then rebuild it from the pattern buttons and check it beat by beat.\n"
        "\n"
        "Levels of 3 to 15 patterns in simple meter and 3 to 7 in compound meter, tempo 30 to "
        "96 beats a minute, automatic advance, and quizzes that keep each student's results "
        "in a score file.\n"
        "\n"
        "Sound: the built-in General MIDI synthesizer.\n"
        "Music notation: Bravura, SIL Open Font License");
}
