#include "TRhyAboutBox.h"

#include "RhythmMenus.h"
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
    return rhythmAboutText();
}
