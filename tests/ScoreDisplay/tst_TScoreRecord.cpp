#include "TScoreRecord.h"

#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

class TestTScoreRecord : public QObject {
    Q_OBJECT

private slots:
    void startsAsDesigned() {
        TScoreRecord scores;
        QCOMPARE(scores.windowTitle(), QStringLiteral("Scores"));
        QCOMPARE(scores.size(), QSize(544, 375));
        QCOMPARE(scores.Memo1->geometry(), QRect(8, 8, 516, 329));
        QVERIFY(scores.Memo1->isReadOnly());
        QCOMPARE(scores.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(scores.Memo1->toPlainText(), QStringLiteral(" "));
    }

    void showsLinesModallyInItsFont() {
        TScoreRecord scores;
        const QStringList lines{
            QStringLiteral(" Beatwise Quiz 1/2/2025, 10:00:00, Rhythm Patterns = Simple/3"),
            QStringLiteral(" Tonewise Quiz 1/3/2025, 11:00:00")};
        bool wasModal = false;
        QString family;
        QTimer::singleShot(0, &scores, [&] {
            wasModal = scores.isModal() && scores.isVisible();
            family = scores.Memo1->font().family();
            scores.accept();
        });
        scores.showScores(lines);
        QVERIFY(wasModal);
        QCOMPARE(family, QStringLiteral("MS Sans Serif"));
        QCOMPARE(scores.lines(), lines);

        // Typing changes nothing: the window only shows.
        scores.Memo1->setFocus();
        QTest::keyClicks(scores.Memo1, QStringLiteral("xyz"));
        QCOMPARE(scores.lines(), lines);

        scores.setLines({});
        QCOMPARE(scores.Memo1->toPlainText(), QStringLiteral(" "));
    }
};

QTEST_MAIN(TestTScoreRecord)
#include "tst_TScoreRecord.moc"
