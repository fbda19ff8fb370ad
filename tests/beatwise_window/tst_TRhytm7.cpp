// The rhythm trainer's main window, driven as a student drives it: clicks on its buttons and
// cells, Enter, menu items, and the program itself for --screenshot.
#include "WindowHarness.h"

#include "BuiltinSynth.h"
#include "HelpWindow.h"
#include "LayoutChecks.h"
#include "PlayedMidiInput.h"
#include "ProgramLanguage.h"
#include "RhythmCatalogue.h"
#include "StepSpinEdit.h"
#include "TElasticForm.h"
#include "TGradBtn.h"
#include "TLumeButton1.h"
#include "TRhyAboutBox.h"
#include "TScoreRecord.h"
#include "TapGrid.h"
#include "TapPerformance.h"
#include "TapStrip.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTextBrowser>
#include <QTextEdit>
#include <QWheelEvent>

namespace {

const QString kCertain = QStringLiteral("Are You certain?");

QString answerGlyph(int pattern) {
    return *RhythmCatalogue::answerGlyph(Meter::Simple, pattern);
}

int visibleButtons(const TRhytm7& window) {
    int n = 0;
    for (const TGradBtn* button : window.patternButtons)
        n += button->isVisible() ? 1 : 0;
    return n;
}

// Every control of the client area that is shown, for layout checks.
QList<QWidget*> shownControls(const TRhytm7& w) {
    QList<QWidget*> controls{w.ShowRes,    w.DisplayAns,   w.Repetir, w.StartButton,
                             w.AnsDisplay, w.Label1,       w.Label2,  w.Label3,
                             w.Label4,     w.Score,        w.Items,   w.AvRepeats,
                             w.RestScore,  w.EraseAllChds, w.Speed,   w.TapRhythm};
    for (TGradBtn* button : w.patternButtons)
        controls.append(button);
    controls.removeIf([](const QWidget* c) { return !c->isVisible(); });
    return controls;
}

// Where each control sits as a share of the client area.
struct Placement {
    QString name;
    QRectF share;
};

QList<Placement> placements(const TRhytm7& w) {
    const QSizeF client = w.centralWidget()->size();
    QList<Placement> list;
    for (QWidget* control : shownControls(w)) {
        const QRect g = control->geometry();
        list.append({control->objectName(),
                     QRectF(g.x() / client.width(), g.y() / client.height(),
                            g.width() / client.width(), g.height() / client.height())});
    }
    return list;
}

} // namespace

class TestTRhytm7 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        midi::SynthOptions silent;
        silent.output = midi::AudioOutput::Silent;
        midi::configureBuiltinSynth(silent);
    }

    void opensAsTheTrainerStarts() {
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());
        QCOMPARE(w.windowTitle(), QStringLiteral("Qor Beatwise"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.ShowRes));

        // Simple meter at level 3: q, w and u with their simple captions.
        QCOMPARE(visibleButtons(w), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w.patternButtons[i]->caption(), *RhythmCatalogue::caption(Meter::Simple, i));
        QVERIFY(w.Simple->menuAction()->isChecked());
        QVERIFY(!w.Compound->menuAction()->isChecked());
        QVERIFY(w.simpleLevels[0]->isChecked());
        QVERIFY(w.compoundLevels[0]->isChecked());

        QCOMPARE(w.Speed->value(), 72);
        QVERIFY(w.On1->isChecked());
        QVERIFY(w.Off2->isChecked());
        QVERIFY(w.PrepareQuiz->isEnabled());
        QVERIFY(!w.QuizinProgress->isEnabled());
        QVERIFY(w.StartButton->isEnabled());
        QVERIFY(!w.Repetir->isEnabled());
        QCOMPARE(w.AnsDisplay->caption(), QStringLiteral("Check Answer"));
        QVERIFY(w.AnsDisplay->isDefault());

        // An empty score, the question row hidden, the answer row cleared.
        QVERIFY(w.Score->toPlainText().isEmpty());
        QVERIFY(w.Items->toPlainText().isEmpty());
        QVERIFY(w.AvRepeats->toPlainText().isEmpty());
        QVERIFY(!w.DisplayAns->isVisible());
        QCOMPARE(w.ShowRes->cellText(0), QStringLiteral("ee "));
        QCOMPARE(w.ShowRes->cellText(1), QStringLiteral("q"));
        QCOMPARE(w.ShowRes->cellText(5), QStringLiteral("   "));
        QCOMPARE(w.ShowRes->cellText(9), QStringLiteral("q"));

        // Maximised on its screen, and drawn in notation: every shown pattern button and the
        // count-in and closing cells carry ink, the empty cells none.
        QCOMPARE(w.frameGeometry().size(), w.screen()->availableGeometry().size());
        for (int i = 0; i < 3; ++i) {
            const QImage face = w.patternButtons[i]->grab().toImage();
            QVERIFY2(darkPixels(face, face.rect().adjusted(8, 8, -8, -8)) > 40,
                     qPrintable(QStringLiteral("no notation on button %1").arg(i)));
        }
        const QImage row = w.ShowRes->viewport()->grab().toImage();
        QVERIFY(darkPixels(row, w.ShowRes->cellRect(0).adjusted(2, 2, -2, -2)) > 40);
        QVERIFY(darkPixels(row, w.ShowRes->cellRect(9).adjusted(2, 2, -2, -2)) > 40);
        QCOMPARE(darkPixels(row, w.ShowRes->cellRect(4).adjusted(2, 2, -2, -2)), 0);
    }

    // "Tap the Rhythm" by its key: the count-in sounds, the space bar taps wherever the focus
    // is, each tap clicks, the row fills and, after the check, the strip shows every tap in time.
    void spaceBarTapsTheRhythm() {
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());
        QVERIFY(w.TapRhythm->isVisible());
        QVERIFY(!w.TapRhythm->isEnabled()); // nothing to tap before the first question
        f.boxes.confirmAnswers = {true};
        f.click(w.StartButton);
        QVERIFY(w.TapRhythm->isEnabled());
        const std::array<int, 7> question = f.state().QuestionPatterns;

        f.clock.ms = 1000;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(f.state().Tapping);
        QCOMPARE(f.player.played.size(), 2);
        QCOMPARE(f.player.played.last(), f.state().PlayParts[0] + f.state().PlayParts[1]);

        const TapGrid grid = TapGrid::forQuestion(Meter::Simple, f.state().Speed);
        const std::vector<double> taps = TapPerformance::writtenTaps(grid, question);
        w.Repetir->setFocus(); // the space bar taps; it does not press the focused button
        for (double t : taps) {
            f.clock.ms = 1000 + std::lround(t);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        }
        QCOMPARE(f.tapClick.clicks, int(taps.size()));
        QCOMPARE(f.player.played.size(), 2); // "Stop/Repeat" was not pressed

        f.clock.ms += 2000;
        f.click(w.AnsDisplay);
        QVERIFY(!f.state().Tapping);
        QCOMPARE(w.Score->toPlainText(), QStringLiteral("100.00%"));
        for (int beat = 0; beat < 7; ++beat)
            QCOMPARE(w.ShowRes->cellText(2 + beat),
                     *RhythmCatalogue::answerGlyph(Meter::Simple, question[std::size_t(beat)]));
        QVERIFY(w.TapMarks->isVisible());
        QCOMPARE(w.TapMarks->feedback().count(TapVerdict::InTime), int(taps.size()));
        savePicture(&w, QStringLiteral("tapped-answer"));
        const QImage strip = w.TapMarks->grab().toImage();
        int green = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                green += strip.pixelColor(x, y).green() > 120 && strip.pixelColor(x, y).red() < 60;
        QVERIFY2(green > 10 * int(taps.size()), qPrintable(QString::number(green)));

        // Once the answer is checked the space bar taps no more.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(f.tapClick.clicks, int(taps.size()));

        // The next question takes the strip away.
        f.boxes.confirmAnswers = {true};
        f.click(w.StartButton);
        QVERIFY(!w.TapMarks->isVisible());
    }

    // A MIDI pad taps as the space bar does; Midi > Inputs lists "None" and the ports, and a
    // port chosen there is listened to.
    void midiPadTapsAndItsInputIsChosen() {
        PlayedMidiInput pads({QStringLiteral("Midi Through Port-0"), QStringLiteral("Pad A"),
                              QStringLiteral("Pad B")});
        WindowFixture f; // made after the pads, gone before them
        TRhytm7& w = *f.window;
        w.tapFrom(&pads);
        QVERIFY(f.showAsStarted());
        QCOMPARE(pads.openPort(), QStringLiteral("Pad A"));
        emit w.Inputs1->aboutToShow();
        QStringList captions;
        for (QAction* item : w.Inputs1->actions())
            captions << item->text() + (item->isChecked() ? QStringLiteral("*") : QString());
        QCOMPARE(captions,
                 (QStringList{QStringLiteral("None"), QStringLiteral("Midi Through Port-0"),
                              QStringLiteral("Pad A*"), QStringLiteral("Pad B")}));
        w.Inputs1->actions()[3]->trigger();
        QCOMPARE(pads.openPort(), QStringLiteral("Pad B"));

        f.boxes.confirmAnswers = {true};
        f.click(w.StartButton);
        pads.play(0x99, 38, 100); // not yet tapping
        f.click(w.TapRhythm);
        f.clock.ms = 1650;
        pads.play(0x99, 38, 100);
        pads.play(0x89, 38, 0);
        QCOMPARE(f.tapClick.clicks, 1);

        w.Inputs1->actions()[0]->trigger(); // "None"
        QVERIFY(pads.openPort().isEmpty());
    }

    void aWholeQuestionFromNextQuestionToTheScore() {
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());

        f.click(w.StartButton);
        QCOMPARE(f.boxes.confirmations, QStringList{kCertain});
        QCOMPARE(f.player.played.size(), 1);
        QVERIFY(f.player.played.first().startsWith(QStringLiteral("N50;")));
        QCOMPARE(f.player.channel, RhythmPlayer::kPercussionChannel);
        QVERIFY(w.Repetir->isEnabled());
        QVERIFY(!w.DisplayAns->isVisible());

        // The answer with beats 2 and 4 wrong; beat 2 is then corrected through its cell.
        const auto question = f.state().QuestionPatterns;
        auto wrongFor = [](int p) { return (p + 1) % 3; };
        for (int beat = 0; beat < 7; ++beat)
            f.clickPattern(beat == 1 || beat == 3 ? wrongFor(question[beat]) : question[beat]);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.ShowRes));
        QCOMPARE(w.ShowRes->cellText(3), answerGlyph(wrongFor(question[1])));

        f.pressAnswerCell(3);
        QCOMPARE(f.state().AnswerCursor, 3);
        QCOMPARE(w.ShowRes->entryFrameColumn(), 3);
        QCOMPARE(frameColourOf(w.ShowRes, 3), RhythmRow::entryFrameColor());
        f.clickPattern(question[1]);
        QCOMPARE(w.ShowRes->cellText(3), answerGlyph(question[1]));
        QCOMPARE(w.ShowRes->entryFrameColumn(), -1);

        // One more hearing, then Enter in the answer row checks it.
        f.click(w.Repetir);
        QCOMPARE(f.player.played.size(), 2);
        QCOMPARE(f.player.played[1], f.player.played[0]);
        w.ShowRes->setFocus();
        QTest::keyClick(w.ShowRes, Qt::Key_Return);

        QCOMPARE(w.Score->toPlainText(), QStringLiteral("85.71%"));
        QCOMPARE(w.Items->toPlainText(), QStringLiteral("1"));
        QCOMPARE(w.AvRepeats->toPlainText(), QStringLiteral("2.00"));
        QCOMPARE(w.AnsDisplay->caption(), QStringLiteral("Hide Answer"));
        QVERIFY(w.DisplayAns->isVisible());
        for (int beat = 0; beat < 7; ++beat)
            QCOMPARE(w.DisplayAns->cellText(2 + beat), answerGlyph(question[beat]));

        // The wrong beat is framed red, and stays so through a repaint; a right one is not.
        QVERIFY(w.ShowRes->isWrongCell(5));
        QCOMPARE(frameColourOf(w.ShowRes, 5), RhythmRow::wrongFrameColor());
        QCOMPARE(frameColourOf(w.ShowRes, 4), QColor(Qt::white));
        w.ShowRes->viewport()->repaint();
        QCOMPARE(frameColourOf(w.ShowRes, 5), RhythmRow::wrongFrameColor());

        // The question row shows every beat in notation.
        const QImage questionRow = w.DisplayAns->viewport()->grab().toImage();
        for (int column = 0; column <= 9; ++column)
            QVERIFY2(
                darkPixels(questionRow, w.DisplayAns->cellRect(column).adjusted(2, 2, -2, -2)) > 20,
                qPrintable(QStringLiteral("column %1 is blank").arg(column)));
        savePicture(&w, QStringLiteral("checked-maximised"));

        // Enter again hides the question; a replay after scoring is not counted.
        QTest::keyClick(w.ShowRes, Qt::Key_Return);
        QVERIFY(!w.DisplayAns->isVisible());
        QCOMPARE(w.AnsDisplay->caption(), QStringLiteral("Check Answer"));
        f.click(w.Repetir);
        QCOMPARE(f.state().HearingCount, 2);
    }

    void meterAndLevelMenus() {
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());

        w.RhythmPatterns->popup(w.mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY(w.RhythmPatterns->isVisible());
        savePicture(w.RhythmPatterns, QStringLiteral("rhythm-patterns-menu"));
        w.RhythmPatterns->hide();
        QCOMPARE(f.state().meter, Meter::Simple); // opening the menu alone chooses nothing

        // Opening "Compound" chooses the meter before any level is picked.
        w.Compound->popup(w.mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY(w.Compound->isVisible());
        savePicture(w.Compound, QStringLiteral("compound-menu"));
        QCOMPARE(f.state().meter, Meter::Compound);
        QVERIFY(w.Compound->menuAction()->isChecked());
        QCOMPARE(w.AnsDisplay->caption(), QStringLiteral("Check Rhythm"));
        w.Compound->hide();
        w.compoundLevels[1]->trigger(); // "4 patterns"
        QCOMPARE(visibleButtons(w), 4);
        QCOMPARE(w.patternButtons[3]->caption(), QStringLiteral("e q"));
        QVERIFY(w.compoundLevels[1]->isChecked());
        QVERIFY(!w.compoundLevels[0]->isChecked());

        // Back to simple: the simple captions, the level kept until one is picked.
        w.Simple->popup(w.mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY(w.Simple->isVisible());
        w.Simple->hide();
        QVERIFY(w.Simple->menuAction()->isChecked());
        QCOMPARE(w.patternButtons[0]->caption(), QStringLiteral("q"));
        QCOMPARE(visibleButtons(w), 4);
        w.simpleLevels[10]->trigger(); // "13 patterns": q to n, b and r hidden
        QCOMPARE(visibleButtons(w), 13);
        QVERIFY(!w.patternButtons[13]->isVisible());
        QVERIFY(w.simpleLevels[10]->isChecked());

        // The highest level switches auto-advance off; "On" there only congratulates, and the
        // mark stays on "Off" although the menu moved it.
        w.simpleLevels[12]->trigger();
        QCOMPARE(visibleButtons(w), 15);
        QVERIFY(w.Off1->isChecked());
        w.On1->trigger();
        QCOMPARE(f.boxes.informations.last(),
                 QStringLiteral("This is the highest level in simple meter! Congratulations!"));
        QVERIFY(w.Off1->isChecked());
        QVERIFY(!w.On1->isChecked());

        // "On" asks for both thresholds; cancelling the second leaves auto-advance off.
        w.simpleLevels[2]->trigger();
        f.boxes.inputAnswers = {QStringLiteral("20")};
        w.On1->trigger();
        QVERIFY(w.Off1->isChecked());
        f.boxes.inputAnswers = {QStringLiteral("20"), QStringLiteral("90")};
        w.On1->trigger();
        QVERIFY(w.On1->isChecked());
    }

    void theMetronomeOnlySteps() {
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());
        QCOMPARE(w.Speed->focusPolicy(), Qt::ClickFocus);
        w.Speed->setFocus();
        QTest::keyClick(w.Speed, Qt::Key_Up);
        QCOMPARE(w.Speed->value(), 78);
        QCOMPARE(f.state().Speed, 78);
        QTest::keyClicks(w.Speed, QStringLiteral("5"));
        QTest::keyClick(w.Speed, Qt::Key_Backspace);
        QCOMPARE(w.Speed->value(), 78);
        QWheelEvent wheel(QPointF(5, 5), w.Speed->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.Speed, &wheel);
        QCOMPARE(w.Speed->value(), 72);
        QCOMPARE(f.state().Speed, 72);
        w.Speed->setValue(96);
        QTest::keyClick(w.Speed, Qt::Key_Up);
        QCOMPARE(f.state().Speed, 96);
    }

    void aQuizFromPrepareQuizToTheScoreFile() {
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());

        // A new test for "Ada" of two questions.
        f.boxes.inputAnswers = {QStringLiteral("Ada"), QStringLiteral("2")};
        f.boxes.confirmAnswers = {true};
        w.PrepareQuiz->trigger();
        QCOMPARE(f.boxes.informations.last(),
                 QStringLiteral("Select Rhythm Patterns; then Click the Green \"Next Question\" "
                                "button to begin."));
        QVERIFY(w.PrepareQuiz->isChecked());
        QVERIFY(!w.PrepareQuiz->isEnabled());
        QVERIFY(!w.Advance->menuAction()->isEnabled());
        QVERIFY(!w.RestScore->isEnabled());
        QVERIFY(w.Off1->isChecked());

        ModalAnswerer answerer;
        QStringList scoresShown;
        answerer.inspect = [&scoresShown](QDialog* dialog) {
            if (auto* record = qobject_cast<TScoreRecord*>(dialog))
                scoresShown = record->lines();
        };
        // Two questions, each "Are You certain?" Yes; then review the scores, no floppy copy.
        f.boxes.confirmAnswers = {true, true, true, false};
        for (int question = 0; question < 2; ++question) {
            f.click(w.StartButton);
            QVERIFY(w.QuizinProgress->isChecked());
            QVERIFY(w.QuizinProgress->isEnabled());
            QVERIFY(!w.RhythmPatterns->menuAction()->isEnabled());
            QVERIFY(!w.StartButton->isEnabled());
            for (int beat = 0; beat < 7; ++beat)
                f.clickPattern(f.state().QuestionPatterns[beat]);
            QTest::keyClick(w.ShowRes, Qt::Key_Return);
            QVERIFY(w.StartButton->isEnabled());
        }

        const QString line =
            QStringLiteral(" Beatwise Quiz 07/12/2026, 10:15:30 AM, Rhythm Patterns = Simple/3, "
                           "Tempo = 72 , Rhythm Score = 100.00%,  Number of Questions = 2, "
                           "Av. Hearings = 1.00");
        const scores::ScoreFileResult file = f.store.read(QStringLiteral("Ada"));
        QVERIFY(file.ok());
        QCOMPARE(file.lines, QStringList{line});
        QVERIFY(file.path.startsWith(f.scoreRoot.path()));

        // The scores window showed the file; the quiz is over.
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().title, QStringLiteral("Scores"));
        QVERIFY(scoresShown.contains(line));
        QCOMPARE(f.boxes.confirmations.mid(3),
                 (QStringList{QStringLiteral("END OF QUIZ. Do you wish to review scores?"),
                              QStringLiteral("Save Scores to Floppy disk in A Drive?")}));
        QVERIFY(w.Off2->isChecked());
        QVERIFY(w.PrepareQuiz->isEnabled());
        QVERIFY(!w.QuizinProgress->isEnabled());
        QVERIFY(w.RhythmPatterns->menuAction()->isEnabled());
        QVERIFY(w.Advance->menuAction()->isEnabled());
        QCOMPARE(w.Score->toPlainText(), QStringLiteral("100.00%"));

        // "View Scores" shows the same file again.
        f.boxes.inputAnswers = {QStringLiteral("Ada")};
        scoresShown.clear();
        w.ViewScores1->trigger();
        QCOMPARE(scoresShown, QStringList{line});
    }

    void everyBoxOpensOverTheStateItIsAbout() {
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());
        f.click(w.StartButton);
        for (int beat = 0; beat < 7; ++beat)
            f.clickPattern(f.state().QuestionPatterns[beat]);
        QTest::keyClick(w.ShowRes, Qt::Key_Return);
        QCOMPARE(w.Score->toPlainText(), QStringLiteral("100.00%"));

        // What the window shows as each box opens.
        QMap<QString, QStringList> shown;
        auto look = [&w] {
            return QStringList{w.Score->toPlainText(),
                               w.Items->toPlainText(),
                               w.AvRepeats->toPlainText(),
                               w.DisplayAns->isVisible() ? QStringLiteral("question shown")
                                                         : QStringLiteral("question hidden"),
                               w.AnsDisplay->caption(),
                               w.PrepareQuiz->isChecked() ? QStringLiteral("prepared") : QString()};
        };
        f.boxes.opening = [&](const QString& text) { shown.insert(text, look()); };
        ModalAnswerer answerer;
        answerer.inspect = [&](QDialog* dialog) {
            if (qobject_cast<TScoreRecord*>(dialog))
                shown.insert(QStringLiteral("Scores"), look());
        };

        // The prompts of "Prepare Quiz" open over the cleared score and the quiz's mark.
        const QStringList cleared = {QString(),
                                     QString(),
                                     QString(),
                                     QStringLiteral("question hidden"),
                                     QStringLiteral("Hide Answer"),
                                     QStringLiteral("prepared")};
        f.boxes.inputAnswers = {QStringLiteral("Ada"), QStringLiteral("1")};
        f.boxes.confirmAnswers = {true};
        w.PrepareQuiz->trigger();
        QCOMPARE(shown.value(QStringLiteral("Scores File Name")), cleared);
        QCOMPARE(shown.value(QStringLiteral("Number of Questions")), cleared);
        QCOMPARE(shown.size(), 4); // and the new-test question and the last message
        for (const QStringList& state : shown)
            QCOMPARE(state, cleared);

        // The end of the quiz: its boxes and the scores window open over the checked question.
        shown.clear();
        f.boxes.confirmAnswers = {true, true, false};
        f.click(w.StartButton);
        for (int beat = 0; beat < 7; ++beat)
            f.clickPattern(f.state().QuestionPatterns[beat]);
        QTest::keyClick(w.ShowRes, Qt::Key_Return);
        const QStringList checked = {
            QStringLiteral("100.00%"),        QStringLiteral("1"),           QStringLiteral("1.00"),
            QStringLiteral("question shown"), QStringLiteral("Hide Answer"), QString()};
        for (const QString& box :
             {QStringLiteral("END OF QUIZ. Do you wish to review scores?"),
              QStringLiteral("Scores"), QStringLiteral("Save Scores to Floppy disk in A Drive?")})
            QCOMPARE(shown.value(box), checked);
    }

    void destructiveQuestionsTakeEnterAsNo() {
        // The program's own boxes: Enter and Escape keep the scores, only Yes erases them.
        auto window = std::make_unique<TRhytm7>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        Dialogs& boxes = *window->ownDialogs();
        auto pressWhenOpen = [](Qt::Key key) {
            QTimer::singleShot(0, [key] {
                QTRY_VERIFY(QApplication::activeModalWidget());
                QTest::keyClick(QApplication::activeModalWidget(), key);
            });
        };
        const QString erase = QStringLiteral("Erase ALL previous scores?");
        pressWhenOpen(Qt::Key_Return);
        QVERIFY(!boxes.confirmDestructive(erase));
        pressWhenOpen(Qt::Key_Escape);
        QVERIFY(!boxes.confirmDestructive(erase));
        {
            ModalAnswerer answerer;
            answerer.answer = QMessageBox::Yes;
            QVERIFY(boxes.confirmDestructive(erase));
        }
        // An ordinary question still takes Enter as Yes.
        pressWhenOpen(Qt::Key_Return);
        QVERIFY(boxes.confirm(kCertain));
        window->Exit->trigger();
    }

    void inputBoxesShowTheirWholeTitleAndPrompt() {
        auto window = std::make_unique<TRhytm7>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const QList<QPair<QString, QString>> prompts = {
            {QStringLiteral("AutoAdvance : Correct answers?"),
             QStringLiteral("How many correct answers?")},
            {QStringLiteral("Number of Questions"), QStringLiteral("How many test questions?")},
            {QStringLiteral("Scores File Name"),
             QStringLiteral("Please type your last name OR student ID.")}};
        for (const auto& [caption, prompt] : prompts) {
            ModalAnswerer answerer;
            int width = 0;
            QFont font;
            answerer.inspect = [&](QDialog* dialog) {
                width = dialog->width();
                font = dialog->font();
            };
            window->ownDialogs()->input(caption, prompt, QStringLiteral("6"));
            QFont bold = font;
            bold.setBold(true);
            // The caption with the title bar's icon and buttons beside it, and the prompt.
            QVERIFY2(width >= QFontMetrics(bold).horizontalAdvance(caption) + 100,
                     qPrintable(caption + QStringLiteral(": %1").arg(width)));
            QVERIFY2(width >= QFontMetrics(font).horizontalAdvance(prompt) + 20,
                     qPrintable(prompt + QStringLiteral(": %1").arg(width)));
        }
        window->Exit->trigger();
    }

    void speaksSpanishWhenItIsChosenAtStart() {
        const ProgramLanguage spanish(QStringLiteral("beatwise"), QStringLiteral("es"));
        QVERIFY(spanish.isTranslated());
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());
        QCOMPARE(w.FileMenu->title(), QStringLiteral("&Archivo"));
        QCOMPARE(w.PrepareQuiz->text(), QStringLiteral("Preparar examen"));
        QCOMPARE(w.RhythmPatterns->title(), QStringLiteral("Patrones rítmicos"));
        QCOMPARE(w.Compound->title(), QStringLiteral("Compuesto"));
        QCOMPARE(w.simpleLevels[2]->text(), QStringLiteral("5 patrones"));
        QCOMPARE(w.HelpTopics2->text(), QStringLiteral("Temas de ayuda"));
        QCOMPARE(w.Label2->text(), QStringLiteral("Puntuación:"));
        QCOMPARE(w.Label1->text(), QStringLiteral("Metrónomo"));
        QCOMPARE(w.StartButton->caption(), QStringLiteral("Otra pregunta"));
        QCOMPARE(w.AnsDisplay->caption(), QStringLiteral("Comprobar"));
        // Labels grow with their texts: nothing overlaps in Spanish either.
        const QList<QWidget*> controls = shownControls(w);
        for (QWidget* control : controls)
            for (QWidget* other : controls)
                QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                         qPrintable(control->objectName() + " / " + other->objectName()));

        // The trainer's boxes ask in Spanish.
        f.boxes.confirmAnswers = {false};
        f.click(w.StartButton);
        QCOMPARE(f.boxes.confirmations.last(), QStringLiteral("¿Estás seguro?"));
    }

    void aQuizInSpanishWritesTheScoreLineInEnglish() {
        const ProgramLanguage spanish(QStringLiteral("beatwise"), QStringLiteral("es"));
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());
        f.boxes.inputAnswers = {QStringLiteral("Ana"), QStringLiteral("1")};
        f.boxes.confirmAnswers = {true};
        w.PrepareQuiz->trigger();
        QVERIFY(f.boxes.informations.last().startsWith(QStringLiteral("Elige los patrones")));
        f.boxes.confirmAnswers = {true, false, false}; // certain; no review; no floppy copy
        f.click(w.StartButton);
        for (int beat = 0; beat < 7; ++beat)
            f.clickPattern(f.state().QuestionPatterns[beat]);
        QTest::keyClick(w.ShowRes, Qt::Key_Return);
        const scores::ScoreFileResult file = f.store.read(QStringLiteral("Ana"));
        QVERIFY(file.ok());
        QCOMPARE(file.lines,
                 QStringList{QStringLiteral(
                     " Beatwise Quiz 07/12/2026, 10:15:30 AM, Rhythm Patterns = Simple/3, "
                     "Tempo = 72 , Rhythm Score = 100.00%,  Number of Questions = 1, "
                     "Av. Hearings = 1.00")});
        QCOMPARE(f.boxes.confirmations.last(),
                 QStringLiteral("¿Guardar las puntuaciones en el disquete de la unidad A?"));
    }

    void keepsItsProportionsAtTwoSizes() {
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());
        w.simpleLevels[12]->trigger(); // all fifteen pattern buttons
        f.click(w.StartButton);
        for (int beat = 0; beat < 7; ++beat)
            f.clickPattern(f.state().QuestionPatterns[beat]);
        QTest::keyClick(w.ShowRes, Qt::Key_Return); // the question row too
        QVERIFY(w.DisplayAns->isVisible());
        savePicture(&w, QStringLiteral("all-patterns-maximised"));

        const QList<Placement> maximised = placements(w);
        const QSize large = w.centralWidget()->size();
        // The answer button grows with the window instead of keeping its images' 41 pixels.
        QVERIFY(w.AnsDisplay->scaleToHeight());
        const double grown = 41.0 * large.height() / TRhytm7::kDesignClientHeight;
        QVERIFY2(
            qAbs(w.AnsDisplay->height() - grown) <= 2.0,
            qPrintable(QStringLiteral("%1 against %2").arg(w.AnsDisplay->height()).arg(grown)));
        const int largeFont = w.patternButtons[0]->font().pixelSize();

        w.showNormal();
        QTRY_VERIFY(!w.isMaximized());
        const QSize extra = w.size() - w.centralWidget()->size();
        const QSize small(700, 480);
        w.resize(small + extra);
        QTRY_COMPARE(w.centralWidget()->size(), small);
        const QList<Placement> normal = placements(w);
        QCOMPARE(normal.size(), maximised.size());

        for (int i = 0; i < normal.size(); ++i) {
            const QRectF a = maximised[i].share;
            const QRectF b = normal[i].share;
            // Within the rounding of two pixels at the smaller size.
            const double dx = 2.5 / small.width();
            const double dy = 2.5 / small.height();
            const QString where = maximised[i].name;
            QVERIFY2(qAbs(a.x() - b.x()) <= dx && qAbs(a.y() - b.y()) <= dy,
                     qPrintable(where + " moved"));
            if (!where.startsWith(QLatin1String("Label")))
                QVERIFY2(qAbs(a.width() - b.width()) <= dx && qAbs(a.height() - b.height()) <= dy,
                         qPrintable(where + " changed shape"));
        }
        // Fonts follow the smaller of the two scale factors.
        const int smallFont = w.patternButtons[0]->font().pixelSize();
        const double expected = largeFont * std::min(double(small.width()) / large.width(),
                                                     double(small.height()) / large.height());
        QVERIFY2(qAbs(smallFont - expected) <= 2.0,
                 qPrintable(QStringLiteral("%1 against %2").arg(smallFont).arg(expected)));
    }

    // In every language, maximised on this screen and at its designed size: every caption the
    // buttons can show fits them, nothing overlaps or leaves the window, every menu fits the
    // menu bar and the about box fits the screen.
    void nothingOverlapsAtEitherSize_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : layoutchecks::languages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void nothingOverlapsAtEitherSize() {
        QFETCH(QString, language);
        const ProgramLanguage chosen(QStringLiteral("beatwise"), language);
        QCOMPARE(chosen.isTranslated(), language != QLatin1String("en"));
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());
        w.simpleLevels[12]->trigger();
        auto check = [&w] {
            QApplication::processEvents();
            const QList<QWidget*> controls = shownControls(w);
            const QRect client = w.centralWidget()->rect();
            auto shown = [](const char* caption) {
                return QCoreApplication::translate("RhythmTrainer", caption);
            };
            // Every caption each button can show fits it.
            const QList<QPair<QWidget*, QString>> captions = {
                {w.AnsDisplay, shown("Check Answer")},   {w.AnsDisplay, shown("Hide Answer")},
                {w.AnsDisplay, shown("Check Rhythm")},   {w.Repetir, shown("Stop/Repeat")},
                {w.StartButton, shown("Next Question")}, {w.RestScore, shown("Reset Score")},
                {w.EraseAllChds, shown("Erase All")},    {w.TapRhythm, shown("Tap the Rhythm")}};
            QStringList faults;
            for (const auto& [button, caption] : captions)
                if (const int excess =
                        layoutchecks::excess(button->font(), caption, button->width() - 8))
                    faults << QStringLiteral("\"%1\" is %2 px too wide").arg(caption).arg(excess);
            for (int i = 0; i < controls.size(); ++i) {
                if (!client.contains(controls[i]->geometry()))
                    faults << controls[i]->objectName() + " leaves the window";
                for (int j = i + 1; j < controls.size(); ++j)
                    if (controls[i]->geometry().intersects(controls[j]->geometry()))
                        faults << controls[i]->objectName() + " overlaps " +
                                      controls[j]->objectName();
            }
            const QStringList hiddenMenus = layoutchecks::menusOutOfSight(w.menuBar());
            if (!hiddenMenus.isEmpty())
                faults << "menus out of sight: " + hiddenMenus.join(", ");
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        };
        check();
        const QSize screen = w.screen()->size();
        savePicture(&w, QStringLiteral("maximised-%1x%2-%3")
                            .arg(screen.width())
                            .arg(screen.height())
                            .arg(language));

        // The about box fits the screen; the licence scrolls in its memo.
        ModalAnswerer answerer;
        bool fits = false;
        answerer.inspect = [&fits](QDialog* dialog) { fits = layoutchecks::fitsItsScreen(dialog); };
        w.About2->trigger();
        QCOMPARE(answerer.seen.size(), 1);
        QVERIFY(fits);

        w.showNormal();
        QTRY_VERIFY(!w.isMaximized());
        w.resize(w.size() - w.centralWidget()->size() +
                 QSize(TRhytm7::kDesignClientWidth, TRhytm7::kDesignClientHeight));
        QTRY_COMPARE(w.centralWidget()->size(),
                     QSize(TRhytm7::kDesignClientWidth, TRhytm7::kDesignClientHeight));
        savePicture(&w, QStringLiteral("designed-size-%1").arg(language));
        check();
    }

    void aFailureIsShownAndTheWindowGoesOn() {
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());
        f.player.failure = QStringLiteral("Le périphérique MIDI « Synthé » ne répond pas.");
        f.click(w.StartButton);
        QCOMPARE(f.boxes.errors, QStringList{f.player.failure});
        // What the handler did before the failure is shown.
        QVERIFY(w.Repetir->isEnabled());
        f.player.failure.clear();
        f.click(w.Repetir);
        QCOMPARE(f.player.played.size(), 1);
    }

    void aboutHelpAndExit() {
        WindowFixture f;
        TRhytm7& w = *f.window;
        QVERIFY(f.showAsStarted());

        ModalAnswerer answerer;
        QString memo;
        answerer.inspect = [&memo](QDialog* dialog) {
            if (auto* about = qobject_cast<TRhyAboutBox*>(dialog))
                memo = about->Memo1->toPlainText();
        };
        w.About2->trigger();
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().title, QStringLiteral("Beatwise"));
        QCOMPARE(answerer.seen.first().size, QSize(304, 220));
        QVERIFY(w.RhyAboutBox->Memo1->isReadOnly());
        QVERIFY(memo.contains(QStringLiteral("Music notation: Bravura, SIL Open Font License")));

        w.HelpTopics2->trigger();
        QVERIFY(w.helpWindow());
        QVERIFY(w.helpWindow()->isVisible());
        QCOMPARE(w.helpWindow()->browser()->source(),
                 HelpWindow::contentsUrl(HelpWindow::Program::Beatwise));

        // "Exit" stops what sounds and closes the window with its help.
        f.player.playing = true;
        w.Exit->trigger();
        QVERIFY(!w.isVisible());
        QVERIFY(!f.player.playing);
        QVERIFY(!w.helpWindow()->isVisible());
    }

    void theProgramsOwnPartsAndBoxes() {
        // The window the program opens: real boxes, the note-string player on channel 10.
        auto window = std::make_unique<TRhytm7>();
        QVERIFY(window->ownDialogs());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        ModalAnswerer answerer;
        answerer.answer = QMessageBox::Yes;
        QTest::mouseClick(window->StartButton, Qt::LeftButton);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().title, QStringLiteral("Beatwise"));
        QCOMPARE(answerer.seen.first().text, kCertain);
        QVERIFY(window->Repetir->isEnabled());

        answerer.answer = QMessageBox::Ok;
        window->ownDialogs()->information(QStringLiteral("That was the last beat."));
        QCOMPARE(answerer.seen.last().title, QStringLiteral("Beatwise"));
        QCOMPARE(answerer.seen.last().text, QStringLiteral("That was the last beat."));
        answerer.answer = QMessageBox::No;
        QVERIFY(!window->ownDialogs()->confirm(kCertain));

        // Closing stops the player; the window then goes with the stream closed.
        window->Exit->trigger();
        QVERIFY(!window->isVisible());
        window.reset();
    }

    void screenshotOfTheProgram() {
        QTemporaryDir folder;
        const QString picture = folder.filePath(QStringLiteral("window.png"));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(
            QStringLiteral("QT_QPA_PLATFORM"),
            QStringLiteral("offscreen:configfile=" SCREENS_FOLDER "/1920x1080.json"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(BEATWISE_PROGRAM), {QStringLiteral("--screenshot"), picture});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QImage image(picture);
        QCOMPARE(image.size(), QSize(1920, 1080));
        // The answer row's count-in cell (at 32 + 47 / 2, 48 + 42 / 2 of 625 x 428) is drawn.
        const QPoint cell(qRound(1920 * 55.0 / 625), qRound(1060 * 69.0 / 428));
        QVERIFY(darkPixels(image, QRect(cell - QPoint(30, 30), QSize(60, 60))) > 50);
    }
};

QTEST_MAIN(TestTRhytm7)
#include "tst_TRhytm7.moc"
