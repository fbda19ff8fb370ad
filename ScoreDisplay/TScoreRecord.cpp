#include "TScoreRecord.h"

#include <QTextEdit>

TScoreRecord::TScoreRecord(QWidget* parent) : QDialog(parent), Memo1(new QTextEdit(this)) {
    setObjectName(QStringLiteral("ScoreRecord"));
    setWindowTitle(tr("Scores"));
    setModal(true);
    setFixedSize(544, 375);

    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 8, 516, 329);
    Memo1->setReadOnly(true);
    Memo1->setAcceptRichText(false);
    Memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Memo1->setPlainText(QStringLiteral(" "));
}

TScoreRecord::~TScoreRecord() = default;

void TScoreRecord::setLines(const QStringList& lines) {
    Memo1->setPlainText(lines.isEmpty() ? QStringLiteral(" ") : lines.join(QLatin1Char('\n')));
}

QStringList TScoreRecord::lines() const {
    return Memo1->toPlainText().split(QLatin1Char('\n'));
}

void TScoreRecord::useShowingFont() {
    QFont f = Memo1->font();
    f.setFamily(QStringLiteral("MS Sans Serif"));
    Memo1->setFont(f);
}

int TScoreRecord::showModal() {
    useShowingFont();
    Memo1->moveCursor(QTextCursor::Start);
    return exec();
}

int TScoreRecord::showScores(const QStringList& lines) {
    setLines(lines);
    return showModal();
}
