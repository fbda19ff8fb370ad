// The pitch trainer's main window, driven as a student drives it: clicks on its keys and
// buttons, menu items, and the boxes that open; time passes on a virtual clock.
#include "ExerciseLines.h"
#include "HelpWindow.h"
#include "Intervals.h"
#include "LayoutChecks.h"
#include "MersenneRandom.h"
#include "MidiInput.h"
#include "MidiOut.h"
#include "ModalAnswerer.h"
#include "MusicKeys.h"
#include "PlayedMidiInput.h"
#include "ProgramLanguage.h"
#include "RecordingMidiPlatform.h"
#include "ScaleLevels.h"
#include "ScoreStore.h"
#include "StaffPainter.h"
#include "StaffView.h"
#include "TElasticForm.h"
#include "TForm1.h"
#include "TGradButton.h"
#include "TScoreRecord.h"
#include "TunerView.h"
#include "VirtualClock.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include <cmath>

using namespace tonewise;

namespace {

// A pitch trainer window around recording parts, with a score folder of its own.
struct ToneWindow {
    QTemporaryDir scoreRoot;
    scores::ScoreStore store{scoreRoot.path() + QStringLiteral("/Qor_Music")};
    ScriptedBoxes boxes;
    RecordingMidiPlatform platform{
        {QStringLiteral("Built-in synthesizer"), QStringLiteral("Port B")}};
    TMidiOutput output{nullptr, &platform};
    MersenneRandom random{20261208};
    VirtualClock clock;
    std::unique_ptr<TForm1> window;

    ToneWindow() {
        boxes.setTitle(QStringLiteral("Tonewise"));
        window = std::make_unique<TForm1>(boxes, output, random, clock, clock, store);
        boxes.attach(window.get(), window->ScoreRecord);
    }

    const PitchState& state() const { return window->state(); }

    // Shown and activated, as the program starts it: maximised, the first note on its way.
    bool showAsStarted() {
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            return false;
        return QTest::qWaitFor(
            [this] { return window->isMaximized() && !state().Score.isEmpty(); });
    }

    void wait(int milliseconds) { clock.advance(milliseconds); }
    void clickKey(const QString& name) const {
        QTest::mouseClick(window->keyButton(name), Qt::LeftButton);
    }
    void clickButton(TGradButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    void trigger(const QString& item) const { window->menuAction(item)->trigger(); }
    bool checked(const QString& item) const { return window->menuAction(item)->isChecked(); }

    // The key a student clicks for the question note in Pitches practice.
    QString keyOfQuestion() const { return keyboardKeyForMidi(state().QuestionPitch)->name; }
    // ... and in Intervals practice: the key of the interval from the reference note.
    QString intervalKeyOfQuestion() const {
        const int size = std::abs(int(state().QuestionPitch) - int(state().PreviousPitch));
        return intervalKeyLook(size)->key;
    }

    int noteOns(int note) const {
        int n = 0;
        for (const auto& m : platform.sent)
            n += m.status == 0x90 && m.data1 == note ? 1 : 0;
        return n;
    }
};

std::optional<StaffGlyph> glyphAt(const std::vector<StaffGlyph>& staff, const QString& text,
                                  int x) {
    for (const StaffGlyph& glyph : staff)
        if (glyph.text == text && glyph.x == x)
            return glyph;
    return std::nullopt;
}

// Dark pixels of the staff picture where a whole note starting at design x sits at note y.
int darkPixelsOfNote(StaffView* view, int x, int noteY) {
    const QImage image = view->grab().toImage();
    QImage scratch(view->size(), QImage::Format_ARGB32);
    QPainter painter(&scratch);
    const notation::StaffPainter staff(painter, QRectF(view->rect()));
    const QPointF left = staff.devicePoint(x + 2, noteY);
    const QPointF right = staff.devicePoint(x + 8, noteY);
    const QRect area(QPoint(int(left.x()), int(left.y() - 2)),
                     QPoint(int(right.x()), int(right.y() + 2)));
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int px = area.left(); px <= area.right(); ++px)
            if (image.rect().contains(px, y))
                count += qGray(image.pixel(px, y)) < 96 ? 1 : 0;
    return count;
}

// With TONEWISE_WINDOW_PICTURES set to a folder, saves what `widget` shows there.
void savePicture(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("TONEWISE_WINDOW_PICTURES");
    if (!folder.isEmpty())
        widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The texts the window can show, in the language installed, that overflow their controls.
QStringList textsThatOverflow(const TForm1& w) {
    QStringList faults;
    auto mustFit = [&faults](QWidget* control, const QString& text, int room) {
        if (const int excess = layoutchecks::excess(control->font(), text, room))
            faults << QStringLiteral("%1: \"%2\" is %3 px too wide")
                          .arg(control->objectName(), text)
                          .arg(excess);
    };
    const int lineRoom = w.Key->contentsRect().width() - 4;
    for (const MusicKey& key : MusicKeys())
        mustFit(w.Key, shownKeyLine(key.keyText), lineRoom);
    for (const ScaleLevel& level : ScaleLevels())
        mustFit(w.QuestShw, shownLevelLine(level.QuestShwText), lineRoom);
    for (const char* message :
         {"Select Key and scale-steps from Menu or click middle C.",
          "Starting note is first scale-step.", "Click Perfect 1 for first answer.",
          "Please play first scale step of new key.", "Please play second note.",
          "Please try again.", "Please sing the written note."})
        mustFit(w.AnsShow, QCoreApplication::translate("PitchTrainer", message), lineRoom);
    // The longest name of a note to sing.
    mustFit(w.AnsShow,
            QCoreApplication::translate("PitchTrainer", "Please sing %1.")
                .arg(QStringLiteral("Sol(b)4")),
            lineRoom);
    for (int semitones = 0; semitones <= 17; ++semitones)
        mustFit(
            w.AnsShow,
            QCoreApplication::translate("PitchTrainer", "That is correct: %1")
                .arg(QCoreApplication::translate(
                    "Intervals", intervalName(semitones).value_or(QString()).toUtf8().constData())),
            lineRoom);
    mustFit(w.Label2, w.Label2->text(), w.Label2->width());
    for (const char* score : {"Start", "Advance", "Repeat", "New Scale"})
        mustFit(w.Score, QCoreApplication::translate("PitchTrainer", score), w.Score->width() - 8);
    mustFit(w.Score, QStringLiteral("100.00%"), w.Score->width() - 8);
    for (const auto& [button, caption] :
         {std::pair{w.StartButton, "Start-Reset Score"}, std::pair{w.AnsDisplay, "Next Answer?"},
          std::pair{w.RepeatNotes, "Repeat Notes"}})
        mustFit(button, QCoreApplication::translate("PitchTrainer", caption), button->width() - 8);
    return faults;
}

bool overlaps(const QWidget* a, const QWidget* b) {
    return a->geometry().intersects(b->geometry());
}

} // namespace

class TestTForm1 : public QObject {
    Q_OBJECT

private slots:
    void startUp();
    void pitchesExercise();
    void intervalsExercise();
    void keyAndLevelFromTheMenus();
    void noteNamesAndOutputs();
    void quizToTheScoreFile_data();
    void quizToTheScoreFile();
    void spanishFromTheStart();
    void midiKeyboardAnswers();
    void helpAndAbout();
    void layoutAtThisScreenSize_data();
    void layoutAtThisScreenSize();
};

void TestTForm1::startUp() {
    ToneWindow t;
    QVERIFY(t.showAsStarted());
    TForm1& w = *t.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Qor Pitch and Interval Identification"));
    QCOMPARE(t.boxes.informations.value(0),
             QStringLiteral("When Tonewise Opens, Please Click Help Menu, Select \"Help Topics\", "
                            "then Select and Read HOW TO USE TONEWISE \"Question Content and "
                            "Order.\" Thanks, - Orin Vascombe"));
    QCOMPARE(w.Key->text(), QStringLiteral("Key = C Major."));
    QCOMPARE(w.QuestShw->text(), QStringLiteral("Scale-steps = 1, 3, 5."));
    QCOMPARE(w.AnsShow->text(),
             QStringLiteral("Select Key and scale-steps from Menu or click middle C."));
    QCOMPARE(w.Score->toPlainText(), QStringLiteral("Start"));
    QCOMPARE(w.Label2->text(), QStringLiteral("Correct Answers:"));
    for (const char* item :
         {"ClavedoSol", "Scalesteps", "NoteNamesOff", "Letters", "SustainOn1", "AdvanceOn1",
          "AutoAdvance2", "AutoModOff", "DontPlay", "QuizOff", "Level0", "CMajor", "N0signature1"})
        QVERIFY2(t.checked(QString::fromLatin1(item)), item);
    for (const char* item : {"ClavedoF", "Intervals", "NoteNames", "Syllables", "SustainOff1",
                             "AdvanceOff1", "AutoModOn", "LastNoteAgain", "QuizOn", "BeginTest"})
        QVERIFY2(!t.checked(QString::fromLatin1(item)), item);
    QVERIFY(!w.menuAction(QStringLiteral("BeginTest"))->isEnabled());
    QVERIFY(!w.menuAction(QStringLiteral("HintsOn"))->isEnabled());
    QCOMPARE(w.menuAction(QStringLiteral("Intervals1"))->text(),
             QStringLiteral("Practice Intervals?"));
    QCOMPARE(w.menuAction(QStringLiteral("NoteNames1"))->text(), QStringLiteral("Note Names On?"));
    QCOMPARE(w.menuAction(QStringLiteral("RepeatLastNote1"))->text(),
             QStringLiteral("Repeat Last Note? "));
    for (const ScaleLevel& level : ScaleLevels())
        QVERIFY(w.menuAction(level.item));
    for (const MusicKey& key : MusicKeys())
        QVERIFY(w.menuAction(key.item));
    QVERIFY(!w.cmbOutput->isVisible());
    for (TGradButton* key : w.keys)
        QCOMPARE(key->caption(), QStringLiteral(" "));
    QCOMPARE(w.keyButton(QStringLiteral("C3"))->toolTip(), MiddleCHint);

    // The first note, the tonic, sounds once 10 ms after the first activation.
    QCOMPARE(t.noteOns(60), 0);
    t.wait(10);
    QCOMPARE(t.noteOns(60), 1);
    QCOMPARE(t.platform.openDevice, -1);
    savePicture(&w, QStringLiteral("startup"));
}

void TestTForm1::pitchesExercise() {
    ToneWindow t;
    QVERIFY(t.showAsStarted());
    TForm1& w = *t.window;
    t.trigger(QStringLiteral("Level10")); // "1,2,3,4,5,6,7,8"
    t.wait(10);
    t.clickKey(QStringLiteral("C3"));
    QCOMPARE(w.AnsShow->text(), QStringLiteral("That is correct: C3"));
    QCOMPARE(w.Items->toPlainText(), QStringLiteral("1"));
    QCOMPARE(w.Score->toPlainText(), QStringLiteral("100.00%"));

    int previous = 60;
    for (int question = 0; question < 6; ++question) {
        t.wait(300);
        const int asked = t.state().QuestionPitch;
        QVERIFY(asked != previous);
        QCOMPARE(t.noteOns(asked) > 0, true);
        // A click while the next question is on its way counts for nothing.
        t.clickKey(t.keyOfQuestion());
        QCOMPARE(w.Items->toPlainText(), QString::number(question + 2));
        QCOMPARE(w.AnsShow->text(), QStringLiteral("That is correct: ") + t.state().LetterName);
        // The reference note first, then the answered note to its right.
        const auto& staff = w.PaintBox1->glyphs();
        const auto reference = glyphAt(staff, QStringLiteral("w"), 82);
        const auto answered = glyphAt(staff, QStringLiteral("w"), 104);
        QVERIFY(reference && answered);
        QCOMPARE(answered->y, t.state().NoteY);
        // Drawn there: darker than the bare staff at the same height further right.
        QVERIFY(darkPixelsOfNote(w.PaintBox1, 104, answered->y) >
                darkPixelsOfNote(w.PaintBox1, 170, answered->y) + 4);
        previous = asked;
    }
    savePicture(&w, QStringLiteral("pitches"));

    // A wrong answer: the error tone, the notes again 100 ms later.
    t.wait(300);
    const int asked = t.state().QuestionPitch;
    const auto sentBefore = t.platform.sent.size();
    t.clickKey(asked == 83 ? QStringLiteral("F1") : QStringLiteral("B4"));
    QCOMPARE(w.AnsShow->text(), QStringLiteral("Please play second note."));
    QCOMPARE(w.Score->toPlainText(), QStringLiteral("87.50%"));
    const auto& sent = t.platform.sent;
    QVERIFY(sent.size() >= sentBefore + 3);
    QCOMPARE(int(sent[sentBefore + 1].status), 0xC0);
    QCOMPARE(int(sent[sentBefore + 1].data1), 113);
    QCOMPARE(int(sent[sentBefore + 2].status), 0x90);
    QCOMPARE(int(sent[sentBefore + 2].data1), 81);
    t.wait(100);
    QCOMPARE(int(sent.back().status), 0x90);
    QCOMPARE(int(sent.back().data1), int(t.state().PreviousPitch));
    t.wait(300);
    QCOMPARE(int(sent.back().data1), asked);
}

void TestTForm1::intervalsExercise() {
    ToneWindow t;
    QVERIFY(t.showAsStarted());
    TForm1& w = *t.window;
    t.wait(10);
    t.trigger(QStringLiteral("Level13")); // every interval key
    t.wait(10);
    const int before = t.noteOns(60);
    t.trigger(QStringLiteral("Intervals"));
    QCOMPARE(w.menuAction(QStringLiteral("Intervals1"))->text(),
             QStringLiteral("Practice Pitches?"));
    QCOMPARE(w.AnsShow->text(), QStringLiteral("Click Perfect 1 for first answer."));
    QVERIFY(!w.keyButton(QStringLiteral("F1"))->isVisible());
    QVERIFY(!w.keyButton(QStringLiteral("C3sharp"))->isVisible());
    QCOMPARE(w.keyButton(QStringLiteral("B1"))->caption(), QStringLiteral("P1"));
    QCOMPARE(w.keyButton(QStringLiteral("E4"))->caption(), QStringLiteral("P11"));
    QCOMPARE(w.keyButton(QStringLiteral("B1"))->faceColor(), QColor(0, 255, 0));
    QCOMPARE(w.keyButton(QStringLiteral("E2"))->faceColor(), QColor(0, 255, 255));
    QVERIFY(w.menuAction(QStringLiteral("HintsOn"))->isEnabled());

    // The tonic twice, 600 ms apart, then "Perfect 1".
    t.wait(10);
    t.wait(600);
    QCOMPARE(t.noteOns(60), before + 2);
    t.clickKey(QStringLiteral("B1"));
    QCOMPARE(w.AnsShow->text(), QStringLiteral("That is correct: Perfect 1"));
    for (int question = 0; question < 5; ++question) {
        t.wait(300);
        const int size = std::abs(int(t.state().QuestionPitch) - int(t.state().PreviousPitch));
        t.clickKey(t.intervalKeyOfQuestion());
        QCOMPARE(w.AnsShow->text(), QStringLiteral("That is correct: ") + *intervalName(size));
    }
    QCOMPARE(w.Items->toPlainText(), QStringLiteral("6"));
    savePicture(&w, QStringLiteral("intervals"));

    // Back to pitches: every key again, silver, without interval captions.
    t.trigger(QStringLiteral("Scalesteps"));
    QVERIFY(w.keyButton(QStringLiteral("F1"))->isVisible());
    QCOMPARE(w.keyButton(QStringLiteral("B1"))->caption(), QString());
    QCOMPARE(w.keyButton(QStringLiteral("B1"))->faceColor(), QColor(192, 192, 192));
}

void TestTForm1::keyAndLevelFromTheMenus() {
    ToneWindow t;
    QVERIFY(t.showAsStarted());
    TForm1& w = *t.window;
    t.wait(10);
    t.clickKey(QStringLiteral("C3"));
    t.wait(300);

    t.trigger(QStringLiteral("DMajor"));
    QCOMPARE(w.Key->text(), QStringLiteral("Key = D Major."));
    QVERIFY(t.checked(QStringLiteral("DMajor")));
    QVERIFY(t.checked(QStringLiteral("CMajor"))); // another submenu's radio group
    const auto& staff = w.PaintBox1->glyphs();
    QCOMPARE(glyphAt(staff, QStringLiteral("#"), 24)->y, -12);
    QCOMPARE(glyphAt(staff, QStringLiteral("#"), 32)->y, 0);
    QVERIFY(!glyphAt(staff, QStringLiteral("#"), 40));
    QCOMPARE(w.AnsShow->text(), QStringLiteral("Please play second note."));

    t.trigger(QStringLiteral("Level10"));
    QCOMPARE(w.QuestShw->text(), QStringLiteral("Scale-steps = 1, 2, 3, 4, 5, 6, 7, 8."));
    QVERIFY(t.checked(QStringLiteral("Level10")));
    QVERIFY(!t.checked(QStringLiteral("Level0")));
    // The replay comes first: reference, then the question note in the new key.
    t.wait(100);
    t.wait(300);
    QVERIFY(t.state().StepList.first() == QStringLiteral("D3"));

    // Gb Major with a parallel level ends in F# Major, with one message.
    t.trigger(QStringLiteral("Mixed0"));
    const int messages = t.boxes.informations.size();
    t.trigger(QStringLiteral("GbMajor"));
    QCOMPARE(w.Key->text(), QStringLiteral("Key = F# Major."));
    QCOMPARE(t.boxes.informations.size(), messages + 1);
    QVERIFY(t.checked(QStringLiteral("N6sharps1")));
}

void TestTForm1::noteNamesAndOutputs() {
    ToneWindow t;
    QVERIFY(t.showAsStarted());
    TForm1& w = *t.window;
    // "Syllable Note Names" while names are off changes no key.
    t.trigger(QStringLiteral("Syllables"));
    QCOMPARE(w.keyButton(QStringLiteral("C3"))->caption(), QStringLiteral(" "));
    emit w.findChild<QMenu*>(QStringLiteral("NoteNames"))->aboutToShow();
    t.trigger(QStringLiteral("Letters"));
    QCOMPARE(w.menuAction(QStringLiteral("NoteNames1"))->text(), QStringLiteral("Note Names Off?"));
    QCOMPARE(w.keyButton(QStringLiteral("C3"))->caption(), QStringLiteral("C"));
    QCOMPARE(w.keyButton(QStringLiteral("A2"))->caption(), QStringLiteral("A"));
    QCOMPARE(w.keyButton(QStringLiteral("C3sharp"))->caption(), QStringLiteral(" "));
    t.trigger(QStringLiteral("Syllables"));
    QCOMPARE(w.keyButton(QStringLiteral("C3"))->caption(), QString::fromUtf8("Dó"));
    t.trigger(QStringLiteral("NoteNamesOff"));
    QCOMPARE(w.keyButton(QStringLiteral("C3"))->caption(), QString());

    // Outputs: the chooser lists every device; picking one switches to it.
    t.trigger(QStringLiteral("Outputs1"));
    QVERIFY(w.cmbOutput->isVisible());
    QCOMPARE(w.cmbOutput->count(), 2);
    const int port = w.cmbOutput->findText(QStringLiteral("Port B"));
    emit w.cmbOutput->activated(port);
    QVERIFY(!w.cmbOutput->isVisible());
    QCOMPARE(t.platform.openDevice, 1);
    // Reopened (as around the records of a quiz), the output is still the one picked.
    t.window->trainer().CloseMidiOutput();
    t.window->trainer().OpenMidiOutput();
    QCOMPARE(t.platform.openDevice, 1);
}

void TestTForm1::quizToTheScoreFile_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    // The window speaks Spanish; the score file is the same, in English.
    QTest::newRow("Spanish") << QStringLiteral("es");
}

void TestTForm1::quizToTheScoreFile() {
    QFETCH(QString, language);
    const ProgramLanguage chosen(QStringLiteral("tonewise"), language);
    QCOMPARE(chosen.isTranslated(), !language.isEmpty());
    ToneWindow t;
    QVERIFY(t.showAsStarted());
    TForm1& w = *t.window;
    ModalAnswerer answerer;
    // The student's file already holds a rhythm quiz.
    const QString rhythmLine = QStringLiteral(" Beatwise Quiz 1/5/2026, 9:00:00 AM, Rhythm "
                                              "Patterns = Simple/3, Tempo = 60");
    QVERIFY(t.store.appendLine(QStringLiteral("Lee"), rhythmLine).ok());

    t.wait(10);
    t.boxes.inputAnswers = {QStringLiteral("Lee"), QStringLiteral("2"), QStringLiteral("1")};
    t.boxes.confirmAnswers = {false, true, false}; // keep the file; review; no copy
    t.trigger(QStringLiteral("QuizOn"));
    QVERIFY(t.checked(QStringLiteral("QuizOn")));
    QVERIFY(!w.AnsDisplay->isEnabled());
    QVERIFY(!w.menuAction(QStringLiteral("Advance1"))->isEnabled());
    t.clickButton(w.StartButton);
    QVERIFY(t.checked(QStringLiteral("BeginTest")));
    QVERIFY(!w.StartButton->isEnabled());
    savePicture(&w, QStringLiteral("quiz-running-%1").arg(language.isEmpty() ? "en" : language));
    for (int answer = 0; answer < 2; ++answer) {
        t.wait(answer == 0 ? 10 : 300);
        t.clickKey(t.keyOfQuestion());
    }
    t.wait(300);
    QVERIFY(t.checked(QStringLiteral("QuizOff")));
    const auto saved = t.store.read(QStringLiteral("Lee"));
    QVERIFY(saved.ok());
    QCOMPARE(saved.lines.size(), 3);
    QCOMPARE(saved.lines[0], rhythmLine);
    QCOMPARE(saved.lines[1], QStringLiteral(" Tonewise Quiz = Scale Steps, ") + t.clock.longTime() +
                                 QStringLiteral(", Key = C Major., Score this question: 100.00%"));
    QCOMPARE(saved.lines[2],
             QStringLiteral(" Tonewise Quiz , ") + t.clock.shortDate() +
                 QStringLiteral(", Scale-steps = 1, 3, 5., Number of Questions = 1, Number of "
                                "pitches in questions = 2, Overall Average Score = 100"));
    // The scores window showed the file.
    QCOMPARE(w.ScoreRecord->lines(), saved.lines);
    QVERIFY(
        std::any_of(answerer.seen.begin(), answerer.seen.end(), [](const ModalAnswerer::Seen& s) {
            return s.title == QCoreApplication::translate("TScoreRecord", "Scores");
        }));
    QVERIFY(w.StartButton->isEnabled());
}

void TestTForm1::spanishFromTheStart() {
    const ProgramLanguage spanish(QStringLiteral("tonewise"), QStringLiteral("es"));
    QVERIFY(spanish.isTranslated());
    ToneWindow t;
    QVERIFY(t.showAsStarted());
    TForm1& w = *t.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Qor: identificación de notas e intervalos"));
    QVERIFY(t.boxes.informations.value(0).startsWith(QStringLiteral("Cuando se abra Tonewise")));
    QCOMPARE(w.AnsShow->text(),
             QStringLiteral("Elige tonalidad y grados en el menú o pulsa el do central."));
    QCOMPARE(w.Score->toPlainText(), QStringLiteral("Inicio"));
    QCOMPARE(w.Label2->text(), QStringLiteral("Aciertos:"));
    QCOMPARE(w.StartButton->caption(), QStringLiteral("Empezar / reiniciar"));
    QCOMPARE(w.menuAction(QStringLiteral("File1"))->text(), QStringLiteral("&Archivo"));
    QCOMPARE(w.menuAction(QStringLiteral("QuizOn"))->text(), QStringLiteral("Preparar examen"));
    QCOMPARE(w.menuAction(QStringLiteral("Keys1"))->text(), QStringLiteral("Tonalidad"));
    QCOMPARE(w.menuAction(QStringLiteral("N2sharps1"))->text(), QStringLiteral("2 sostenidos"));
    QCOMPARE(w.menuAction(QStringLiteral("FsharpMinor"))->text(),
             QStringLiteral("Fa sostenido menor"));
    QCOMPARE(w.menuAction(QStringLiteral("Mixed1"))->text(), QStringLiteral("1-8 + homónima 3,6"));
    QCOMPARE(w.menuAction(QStringLiteral("Intervals1"))->text(),
             QStringLiteral("¿Practicar intervalos?"));
    QCOMPARE(w.menuAction(QStringLiteral("HelpTopics1"))->text(),
             QStringLiteral("&Temas de ayuda"));
    // The key and level lines are shown in Spanish; the trainer keeps them in English for the
    // score files.
    QCOMPARE(w.Key->text(), QStringLiteral("Tonalidad = Do mayor."));
    QCOMPARE(w.QuestShw->text(), QStringLiteral("Grados = 1, 3, 5."));
    QCOMPARE(t.state().Key, QStringLiteral("Key = C Major."));
    t.trigger(QStringLiteral("FsharpMinor"));
    t.trigger(QStringLiteral("Mixed1"));
    QCOMPARE(w.Key->text(), QStringLiteral("Tonalidad = Fa sostenido menor armónica."));
    QCOMPARE(w.QuestShw->text(), QStringLiteral("Grados = 1 - 8 + homónima 3,6."));
    QCOMPARE(t.state().QuestShw, QStringLiteral("Scale-steps = 1 - 8 + Parallel 3,6."));
    t.trigger(QStringLiteral("Mixed5"));
    QCOMPARE(w.QuestShw->text(), QStringLiteral("Grados = 5 - 1 - 8 + homónima 3,6,7"));
    t.trigger(QStringLiteral("CMajor"));
    t.trigger(QStringLiteral("Level0"));

    // Captions that change with the state change in Spanish too.
    t.trigger(QStringLiteral("Intervals"));
    QCOMPARE(w.menuAction(QStringLiteral("Intervals1"))->text(),
             QStringLiteral("¿Practicar notas?"));
    QCOMPARE(w.menuAction(QStringLiteral("HintsOn"))->text(),
             QStringLiteral("¿Mostrar pistas de intervalos?"));
    t.trigger(QStringLiteral("HintsOn"));
    QCOMPARE(w.menuAction(QStringLiteral("HintsOn"))->text(),
             QStringLiteral("¿Ocultar pistas de intervalos?"));
    QCOMPARE(w.keyButton(QStringLiteral("E2"))->toolTip(),
             QStringLiteral("3ª menor = 2ª aumentada"));

    // The trainer's boxes, and the buttons of a real box, in Spanish.
    t.clickButton(w.AnsDisplay);
    QVERIFY(t.boxes.informations.last().startsWith(QStringLiteral("La siguiente respuesta es: ")));
    QString okButton;
    ModalAnswerer answerer;
    answerer.inspect = [&okButton](QDialog* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            okButton = box->button(QMessageBox::Ok)->text();
    };
    t.trigger(QStringLiteral("About1"));
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY(answerer.seen[0].text.startsWith(
        QStringLiteral("Tonewise, el entrenador auditivo de notas e intervalos.")));
    QCOMPARE(okButton, QStringLiteral("Aceptar"));
    t.trigger(QStringLiteral("HelpTopics1"));
    const auto helpButtons = w.helpWindow()->findChildren<QPushButton*>();
    QVERIFY(std::any_of(helpButtons.begin(), helpButtons.end(),
                        [](const QPushButton* b) { return b->text() == "Contenido"; }));
    QVERIFY(w.helpWindow()->windowTitle().startsWith(QStringLiteral("Ayuda de Tonewise")));
}

void TestTForm1::midiKeyboardAnswers() {
    // Two windows with the same draws: one answered by mouse, one from a MIDI keyboard.
    ToneWindow clicked;
    ToneWindow played;
    PlayedMidiInput keyboard({QStringLiteral("Midi Through:Midi Through Port-0 14:0"),
                              QStringLiteral("Digital Piano:Digital Piano MIDI 1 20:0")});
    played.window->listenTo(&keyboard);
    QCOMPARE(keyboard.openPort(), QStringLiteral("Digital Piano:Digital Piano MIDI 1 20:0"));
    QVERIFY(clicked.showAsStarted());
    QVERIFY(played.showAsStarted());
    for (ToneWindow* t : {&clicked, &played}) {
        t->trigger(QStringLiteral("Level10"));
        t->wait(10);
    }

    TGradButton* c3 = played.window->keyButton(QStringLiteral("C3"));
    clicked.clickKey(QStringLiteral("C3"));
    keyboard.play(0x90, 60, 100);
    QVERIFY(c3->isPressed()); // lit while held
    keyboard.play(0x80, 60, 64);
    QVERIFY(!c3->isPressed());
    for (int question = 0; question < 5; ++question) {
        clicked.wait(300);
        played.wait(300);
        const int asked = played.state().QuestionPitch;
        QCOMPARE(int(clicked.state().QuestionPitch), asked);
        // Noise first: a controller, notes off the keyboard, a note-on of velocity 0.
        keyboard.play(0xB0, 64, 127);
        keyboard.play(0x90, 40, 100);
        keyboard.play(0x93, 84, 100);
        keyboard.play(0x90, asked, 0);
        QCOMPARE(played.window->AnsShow->text(), clicked.window->AnsShow->text());
        // A wrong key on channel 3, then the right one.
        const int wrong = asked == 83 ? 82 : asked + 1;
        clicked.clickKey(keyboardKeyForMidi(wrong)->name);
        keyboard.play(0x92, wrong, 90);
        keyboard.play(0x82, wrong, 0);
        clicked.wait(400);
        played.wait(400);
        clicked.clickKey(clicked.keyOfQuestion());
        keyboard.play(0x90, asked, 80);
        keyboard.play(0x90, asked, 0);
        QCOMPARE(played.window->AnsShow->text(), clicked.window->AnsShow->text());
        QCOMPARE(played.window->Items->toPlainText(), clicked.window->Items->toPlainText());
        QCOMPARE(played.window->Score->toPlainText(), clicked.window->Score->toPlainText());
        QVERIFY(played.state().staff == clicked.state().staff);
    }
    QCOMPARE(played.window->Score->toPlainText(), QStringLiteral("54.54%"));
    const auto sent = [](const ToneWindow& t) {
        QList<std::array<int, 3>> messages;
        for (const auto& m : t.platform.sent)
            messages.append({int(m.status), int(m.data1), int(m.data2)});
        return messages;
    };
    QCOMPARE(sent(played), sent(clicked));

    // "Midi > Inputs": "None" and the ports, the open one marked.
    QMenu* inputs = played.window->inputsMenu();
    QVERIFY(inputs);
    QCOMPARE(played.window->menuAction(QStringLiteral("Midi1"))->menu()->actions().at(1),
             inputs->menuAction());
    emit inputs->aboutToShow();
    QStringList captions;
    for (QAction* action : inputs->actions())
        captions << action->text() + (action->isChecked() ? QStringLiteral(" *") : QString());
    QCOMPARE(captions, QStringList({QStringLiteral("None"),
                                    QStringLiteral("Midi Through:Midi Through Port-0 14:0"),
                                    QStringLiteral("Digital Piano:Digital Piano MIDI 1 20:0 *")}));
    inputs->actions().at(0)->trigger();
    QVERIFY(keyboard.openPort().isEmpty());
    inputs->actions().at(2)->trigger();
    QCOMPARE(keyboard.openPort(), keyboard.available.at(1));

    // Unplugged: said once, and the window goes on with the mouse.
    played.wait(300);
    keyboard.play(0x90, played.state().QuestionPitch, 100);
    keyboard.unplug();
    QVERIFY(!played.window->keyButton(keyboardKeyForMidi(played.state().QuestionPitch)->name)
                 ->isPressed());
    QCOMPARE(played.boxes.informations.count(
                 QStringLiteral("The MIDI keyboard \"Digital Piano:Digital Piano MIDI 1 20:0\" is "
                                "no longer connected. Choose Midi > Inputs to use another one.")),
             1);
    emit inputs->aboutToShow();
    QCOMPARE(inputs->actions().size(), 2);
    QVERIFY(inputs->actions().at(0)->isChecked());
    const QString items = played.window->Items->toPlainText();
    played.wait(300);
    played.clickKey(played.keyOfQuestion());
    QCOMPARE(played.window->Items->toPlainText(), QString::number(items.toInt() + 1));
}

void TestTForm1::helpAndAbout() {
    ToneWindow t;
    QVERIFY(t.showAsStarted());
    TForm1& w = *t.window;
    t.trigger(QStringLiteral("HelpTopics1"));
    QVERIFY(w.helpWindow() && w.helpWindow()->isVisible());
    QVERIFY(
        w.helpWindow()->browser()->toPlainText().startsWith(QStringLiteral("HOW TO USE TONEWISE")));
    ModalAnswerer answerer;
    t.trigger(QStringLiteral("About1"));
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Tonewise"));
    QVERIFY(answerer.seen[0].text.contains(QStringLiteral("SIL Open Font License")));
}

// Run once per screen shape (the test configuration names the screen), in every language:
// nothing clips or overlaps, every text the window can show fits its control, every menu fits
// the menu bar, and the about box fits the screen.
void TestTForm1::layoutAtThisScreenSize_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : layoutchecks::languages())
        QTest::newRow(qPrintable(language)) << language;
}

void TestTForm1::layoutAtThisScreenSize() {
    QFETCH(QString, language);
    const ProgramLanguage chosen(QStringLiteral("tonewise"), language);
    QCOMPARE(chosen.isTranslated(), language != QLatin1String("en"));
    ToneWindow t;
    QVERIFY(t.showAsStarted());
    TForm1& w = *t.window;
    QVERIFY(QTest::qWaitFor([&w] { return w.ElasticForm1->isCaptured(); }));
    QApplication::processEvents();
    const QSize screen = w.screen()->size();
    savePicture(
        &w,
        QStringLiteral("window-%1x%2-%3").arg(screen.width()).arg(screen.height()).arg(language));
    const QRect client = w.centralWidget()->rect();
    // The tuner too, which shows while a microphone listens.
    QList<QWidget*> controls{w.Key,        w.QuestShw,    w.AnsShow,   w.Score,
                             w.Label2,     w.Items,       w.PaintBox1, w.StartButton,
                             w.AnsDisplay, w.RepeatNotes, w.Tuner};
    for (QWidget* control : controls) {
        QVERIFY2(client.contains(control->geometry()), qPrintable(control->objectName()));
        for (QWidget* other : controls)
            if (other != control)
                QVERIFY2(!overlaps(control, other),
                         qPrintable(control->objectName() + " / " + other->objectName()));
    }
    for (TGradButton* key : w.keys) {
        QVERIFY2(client.contains(key->geometry()), qPrintable(key->objectName()));
        for (QWidget* control : controls)
            QVERIFY(!overlaps(key, control));
    }
    // Neighbouring keys of a colour share at most their borders; black keys lie on the white row.
    const auto& layout = KeyboardKeys();
    // (the design has E3 and F3 two pixels into each other, the others one)
    const int border = int(std::ceil(2.0 * client.width() / TForm1::kDesignClientWidth)) + 1;
    for (std::size_t i = 0; i < layout.size(); ++i)
        for (std::size_t j = i + 1; j < layout.size(); ++j)
            if (layout[i].black == layout[j].black)
                QVERIFY2(w.keys[i]->geometry().intersected(w.keys[j]->geometry()).width() <= border,
                         qPrintable(layout[i].name + " / " + layout[j].name));

    // Every text each control can show fits it.
    const QStringList faults = textsThatOverflow(w);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    // Every menu fits the menu bar, also with the longer titles the menus take on.
    QVERIFY2(layoutchecks::menusOutOfSight(w.menuBar()).isEmpty(),
             qPrintable(layoutchecks::menusOutOfSight(w.menuBar()).join(", ")));
    t.trigger(QStringLiteral("Intervals"));
    t.window->trainer().NoteNamesClick();
    w.showState();
    QApplication::processEvents();
    QVERIFY2(layoutchecks::menusOutOfSight(w.menuBar()).isEmpty(),
             qPrintable(layoutchecks::menusOutOfSight(w.menuBar()).join(", ")));
    for (const char* name : {"B1", "C4", "E4"}) {
        TGradButton* key = w.keyButton(QString::fromLatin1(name));
        QVERIFY2(!layoutchecks::excess(key->font(), key->caption(), key->width()), name);
    }

    // The about box fits the screen, its OK button in reach; the font's licence scrolls in it.
    ModalAnswerer answerer;
    bool fits = false;
    QString licence;
    answerer.inspect = [&](QDialog* dialog) {
        fits = layoutchecks::fitsItsScreen(dialog);
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            licence = box->detailedText();
    };
    t.trigger(QStringLiteral("About1"));
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY(fits);
    QVERIFY(licence.contains(QStringLiteral("SIL OPEN FONT LICENSE")));
    QVERIFY(!answerer.seen[0].text.contains(QStringLiteral("PREAMBLE")));
}

QTEST_MAIN(TestTForm1)
#include "tst_TForm1.moc"
