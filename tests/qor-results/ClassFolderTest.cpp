// A class's score folder, filled by real quizzes of both trainers, read back as CSV rows and as
// the HTML report; hand-edited, foreign and unreadable files among them.

#include "ClassResults.h"
#include "ResultsCsv.h"
#include "ResultsHtml.h"

#include "MersenneRandom.h"
#include "PitchTrainerHarness.h"
#include "RhythmTestDoubles.h"
#include "RhythmTrainer.h"
#include "RtfWriter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QXmlStreamReader>

#include <map>

namespace qor {
namespace {

using Row = QStringList;

// RFC 4180: CRLF between records, fields quoted when they hold a comma, quote or line break.
QVector<Row> parseCsv(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    QVector<Row> rows;
    Row row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
        } else if (c == ',') {
            row << field;
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            row << field;
            field.clear();
            rows << row;
            row.clear();
            ++i;
        } else {
            EXPECT_NE(c, '\n') << "a bare line feed outside quotes";
            field += c;
        }
    }
    EXPECT_TRUE(field.isEmpty() && row.isEmpty()) << "the last record ends with CRLF";
    return rows;
}

class ClassFolder : public tonewise::PitchTrainerTest {
protected:
    QString folder() const { return store.folder(); }

    // A whole rhythm quiz at the given level, `wrongBeats` beats of every question answered
    // wrongly, through the rhythm trainer with its own boxes and a fixed date.
    void rhythmQuiz(const QString& name, bool newTest, int questions, int level, int wrongBeats) {
        ScriptedDialogs boxes;
        RecordingPlayer sound;
        MersenneRandom draws{static_cast<unsigned>(questions * 31 + level)};
        FixedClock date;
        RhythmTrainer rhythm{boxes, sound, draws, date, store};
        rhythm.FormCreate();
        boxes.inputAnswers = {name, QString::number(questions)};
        boxes.confirmAnswers = {newTest};
        rhythm.PrepareQuizClick();
        rhythm.LevelClick(level);
        for (int q = 0; q < questions; ++q) {
            boxes.confirmAnswers = {true}; // "Are You certain?" before a new question
            rhythm.StartButtonClick();
            for (int beat = 0; beat < 7; ++beat) {
                const int right = rhythm.state().QuestionPatterns[static_cast<std::size_t>(beat)];
                rhythm.PatternClick(beat < wrongBeats ? (right + 1) % level : right);
            }
            boxes.confirmAnswers = {false, false}; // no review, no copy
            rhythm.AnsDisplayClick();
        }
        ASSERT_TRUE(boxes.errors.isEmpty());
    }

    // "Prepare Quiz" for `name` in the pitch trainer.
    void preparePitchQuiz(const QString& name, bool newTest, int items, int questions) {
        dialogs.inputAnswers.push_back(name);
        dialogs.confirmAnswers.push_back(newTest);
        dialogs.inputAnswers.push_back(QString::number(items));
        dialogs.inputAnswers.push_back(QString::number(questions));
        menu({"File", "Quiz Mode", "Prepare Quiz"});
    }

    // Three students: Smith took quizzes in both trainers, Jones only pitch quizzes (one left
    // unfinished), Lee one rhythm quiz.
    void takeQuizzes() {
        settle();
        rhythmQuiz("Smith", true, 2, 3, 0);
        dialogs.confirmAnswers = {};
        preparePitchQuiz("Smith", false, 3, 2);
        dialogs.confirmAnswers.push_back(false); // no review
        dialogs.confirmAnswers.push_back(false); // no copy
        answerFromStart(1, 3);
        answerFromStart(0, 3);
        rhythmQuiz("Smith", false, 2, 5, 1);

        menu({"Practice Intervals?", "Intervals"});
        preparePitchQuiz("Jones", true, 2, 1);
        dialogs.confirmAnswers.push_back(false);
        dialogs.confirmAnswers.push_back(false);
        answerFromStart(0, 2);
        preparePitchQuiz("Jones", false, 2, 3);
        answerFromStart(2, 2);
        menu({"File", "Quiz Mode", "Off"});

        rhythmQuiz("Lee", true, 1, 4, 7);
        ASSERT_TRUE(dialogs.errors.isEmpty());
    }

    int fileLineCount(const QString& name) const {
        QStringList lines = store.read(name).lines;
        lines.removeAll(QString());
        return static_cast<int>(lines.size());
    }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(QDir(folder()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    ClassResults read() const {
        ClassResults results;
        QString error;
        EXPECT_TRUE(results.addFolder(folder(), &error)) << error.toStdString();
        return results;
    }
};

TEST_F(ClassFolder, EveryQuizLineOfBothTrainersBecomesOneCsvRow) {
    takeQuizzes();
    const ClassResults results = read();
    EXPECT_TRUE(results.unrecognised.isEmpty());
    EXPECT_TRUE(results.unreadable.isEmpty());

    const QLocale system;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QVector<Row> rows = parseCsv(resultsCsv(results));
    QLocale::setDefault(system);
    ASSERT_FALSE(rows.isEmpty());
    const Row header = rows.first();
    EXPECT_EQ(header.join(','), "student,program,record,quiz,question,date,time,meter_or_key,level,"
                                "exercise,tempo,score_percent,questions,average_hearings,"
                                "items_per_question,file,line,date_time_iso");
    ASSERT_EQ(rows.size() - 1,
              fileLineCount("Jones") + fileLineCount("Lee") + fileLineCount("Smith"));
    for (const Row& row : rows)
        ASSERT_EQ(row.size(), header.size()) << row.join('|').toStdString();
    const auto column = [&](const Row& row, const char* name) {
        return row[header.indexOf(QString::fromLatin1(name))];
    };
    const auto rowsOf = [&](const QString& student) {
        QVector<Row> of;
        for (const Row& row : rows.mid(1))
            if (column(row, "student") == student)
                of << row;
        return of;
    };

    // Students in name order, each file's lines in file order.
    const QVector<Row> smith = rowsOf("Smith");
    ASSERT_EQ(smith.size(), 5);
    EXPECT_EQ(column(rows[1], "student"), "Jones");
    EXPECT_EQ(column(rows.last(), "student"), "Smith");

    const Row& firstRhythm = smith[0];
    EXPECT_EQ(column(firstRhythm, "program"), "Beatwise");
    EXPECT_EQ(column(firstRhythm, "record"), "quiz");
    EXPECT_EQ(column(firstRhythm, "date"), "07/12/2026");
    EXPECT_EQ(column(firstRhythm, "time"), "10:15:30 AM");
    EXPECT_EQ(column(firstRhythm, "meter_or_key"), "Simple");
    EXPECT_EQ(column(firstRhythm, "level"), "3");
    EXPECT_EQ(column(firstRhythm, "tempo"), "72");
    EXPECT_EQ(column(firstRhythm, "score_percent"), "100.00");
    EXPECT_EQ(column(firstRhythm, "questions"), "2");
    EXPECT_EQ(column(firstRhythm, "average_hearings"), "1.00");
    EXPECT_EQ(column(firstRhythm, "file"), "Smith.rtf");
    EXPECT_EQ(column(firstRhythm, "line"), "1");
    EXPECT_EQ(column(firstRhythm, "date_time_iso"), "2026-07-12T10:15:30")
        << "neither 07/12/2026 nor 1/5/2026 shows the order: the language settings (US English) "
           "put the month first";

    // The pitch questions carry their quiz's date, steps and items from its closing line.
    for (int i : {1, 2}) {
        EXPECT_EQ(column(smith[i], "record"), "question");
        EXPECT_EQ(column(smith[i], "quiz"), "2");
        EXPECT_EQ(column(smith[i], "question"), QString::number(i));
        EXPECT_EQ(column(smith[i], "date"), "1/5/2026");
        EXPECT_EQ(column(smith[i], "meter_or_key"), "C Major");
        EXPECT_EQ(column(smith[i], "level"), "1, 3, 5");
        EXPECT_EQ(column(smith[i], "exercise"), "Scale Steps");
        EXPECT_EQ(column(smith[i], "items_per_question"), "3");
    }
    EXPECT_EQ(column(smith[1], "score_percent"), "75.00");
    EXPECT_EQ(column(smith[2], "score_percent"), "100.00");
    EXPECT_EQ(column(smith[3], "record"), "quiz average");
    EXPECT_EQ(column(smith[3], "score_percent"), "88");
    EXPECT_EQ(column(smith[3], "questions"), "2");
    EXPECT_EQ(column(smith[3], "meter_or_key"), "C Major");
    EXPECT_EQ(column(smith[3], "time"), column(smith[2], "time")) << "when its last question ended";
    EXPECT_EQ(column(smith[4], "quiz"), "3");
    EXPECT_EQ(column(smith[4], "level"), "5");
    EXPECT_EQ(column(smith[4], "score_percent"), "85.71"); // 12 of 14 beats

    const QVector<Row> jones = rowsOf("Jones");
    ASSERT_EQ(jones.size(), 4);
    EXPECT_EQ(column(jones[0], "exercise"), "Intervals");
    EXPECT_EQ(column(jones[1], "record"), "quiz average");
    EXPECT_EQ(column(jones[2], "quiz"), "2");
    EXPECT_EQ(column(jones[2], "score_percent"), "50.00");
    EXPECT_TRUE(column(jones[2], "date").isEmpty()) << "an unfinished quiz has no date line";
    EXPECT_EQ(column(jones[3], "record"), "not completed");
    EXPECT_EQ(column(jones[3], "quiz"), "2");

    EXPECT_EQ(column(rowsOf("Lee")[0], "score_percent"), "0.00");
}

TEST_F(ClassFolder, ForeignHandEditedAndUnreadableFilesAreReportedNotDropped) {
    rhythmQuiz("Lee", true, 1, 4, 0);
    // Lee's teacher added a remark and retyped a pitch line by hand.
    QStringList lee = store.read("Lee").lines;
    lee.insert(0, "Lee: remember to count aloud");
    lee << "tonewise quiz = intervals, 9:00, key = D Major, score this question: 80 %";
    writeFile("Lee.rtf", scores::RtfWriter::write(lee));
    writeFile("Letter.RTF", scores::RtfWriter::write({"Dear parents,", "",
                                                      "the concert is on "
                                                      "Friday."}));
    writeFile("Broken.rtf", "{\\rtf1\\ansi Beatwise Quiz");
    writeFile("Plain.rtf", "Beatwise Quiz, written with a text editor\n");
    writeFile("Readme.txt", "not a score file\n");

    const ClassResults results = read();
    QStringList unreadable;
    for (const UnreadableFile& file : results.unreadable)
        unreadable << file.file;
    EXPECT_EQ(unreadable, QStringList({"Broken.rtf", "Plain.rtf"}));
    for (const UnreadableFile& file : results.unreadable)
        EXPECT_FALSE(file.reason.isEmpty());

    ASSERT_EQ(results.unrecognised.size(), 3);
    EXPECT_EQ(results.unrecognised[0].file, "Lee.rtf");
    EXPECT_EQ(results.unrecognised[0].line, 1);
    EXPECT_EQ(results.unrecognised[0].text, "Lee: remember to count aloud");
    EXPECT_EQ(results.unrecognised[1].file, "Letter.RTF");
    EXPECT_EQ(results.unrecognised[1].line, 1);
    EXPECT_EQ(results.unrecognised[2].line, 3);

    ASSERT_EQ(results.records.size(), 2);
    EXPECT_EQ(results.records[0].line, 2);
    EXPECT_EQ(results.records[1].program, Program::Tonewise);
    EXPECT_EQ(results.records[1].key, "D Major");
    EXPECT_EQ(results.records[1].score, "80");
}

TEST(ClassCsv, FieldsWithCommasQuotesAndAccentsStayWhole) {
    ClassResults results;
    results.addFile(QString::fromUtf8("Müller, \"Jo\""), QString::fromUtf8("Müller, \"Jo\".rtf"),
                    {" Tonewise Quiz = Scale Steps, 10:00:00, Key = A Harmonic Minor., Score this "
                     "question: 90.00%",
                     " Tonewise Quiz , 12/8/26, Scale-steps = 1, 2, 3, 4, 5., Number of Questions "
                     "= 1, Number of pitches in questions = 10, Overall Average Score = 90"});
    const QByteArray csv = resultsCsv(results);
    EXPECT_TRUE(csv.contains("\"Müller, \"\"Jo\"\"\""));
    const QVector<Row> rows = parseCsv(csv);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1][0], QString::fromUtf8("Müller, \"Jo\""));
    EXPECT_EQ(rows[1][8], "1, 2, 3, 4, 5");
    EXPECT_EQ(rows[2][7], "A Harmonic Minor");
}

TEST_F(ClassFolder, HtmlPageIsWellFormedWithOnePointPerQuiz) {
    takeQuizzes();
    // A name that must be escaped.
    rhythmQuiz("O'Brien & Co", true, 1, 3, 0);
    const ClassResults results = read();
    const QByteArray html = resultsHtml(results, folder());

    EXPECT_FALSE(html.contains("<script"));
    EXPECT_FALSE(html.contains("src="));
    EXPECT_FALSE(html.contains("href=\"http"));
    EXPECT_FALSE(html.contains("url("));

    // Circles per chart, keyed by the student heading before it.
    std::map<QString, int> points;
    QStringList tableNames;
    QString heading;
    QXmlStreamReader xml(html);
    bool inHeading = false;
    bool inTable = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"h2")
            inHeading = true, heading.clear();
        else if (xml.isEndElement() && xml.name() == u"h2")
            inHeading = false;
        else if (xml.isCharacters() && inHeading)
            heading += xml.text();
        else if (xml.isStartElement() && xml.name() == u"table")
            inTable = true;
        else if (xml.isEndElement() && xml.name() == u"table")
            inTable = false;
        else if (xml.isStartElement() && xml.name() == u"a" && inTable)
            tableNames << xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"circle") {
            EXPECT_EQ(xml.namespaceUri(), u"http://www.w3.org/2000/svg");
            ++points[heading];
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line "
                                 << xml.lineNumber();
    EXPECT_EQ(tableNames, QStringList({"Jones", "Lee", "O'Brien & Co", "Smith"}));
    // Smith: two rhythm quizzes and one pitch quiz; Jones: one finished pitch quiz.
    EXPECT_EQ(points["Smith"], 3);
    EXPECT_EQ(points["Jones"], 1);
    EXPECT_EQ(points["Lee"], 1);
    EXPECT_EQ(points["O'Brien & Co"], 1);
}

QByteArray folderDigest(const QString& folder) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        QFile file(info.absoluteFilePath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        hash.addData(info.fileName().toUtf8());
        hash.addData(file.readAll());
    }
    return hash.result();
}

TEST_F(ClassFolder, ProgramWritesBothReportsAndLeavesTheFolderAsItWas) {
    takeQuizzes();
    writeFile("Letter.rtf", scores::RtfWriter::write({"Dear parents,"}));
    const QByteArray before = folderDigest(folder());
    const QString out = scoreRoot.filePath("reports");
    QDir().mkpath(out);

    QProcess program;
    program.start(QStringLiteral(QOR_RESULTS_PROGRAM),
                  {folder(), "--csv", out + "/class.csv", "--html", out + "/class.html"});
    ASSERT_TRUE(program.waitForFinished());
    EXPECT_EQ(program.exitCode(), 1) << "a line was not recognised";
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()),
              "Letter.rtf:1: not a quiz line: Dear parents,\n");
    EXPECT_EQ(folderDigest(folder()), before);
    QFile csv(out + "/class.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(parseCsv(csv.readAll()).size(), 1 + 10);
    EXPECT_TRUE(QFile::exists(out + "/class.html"));

    program.start(QStringLiteral(QOR_RESULTS_PROGRAM), {folder(), "--csv"});
    ASSERT_TRUE(program.waitForFinished());
    EXPECT_EQ(program.exitCode(), 2);
    program.start(QStringLiteral(QOR_RESULTS_PROGRAM), {scoreRoot.filePath("nowhere")});
    ASSERT_TRUE(program.waitForFinished());
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(program.readAllStandardError().contains("does not exist"));
}

} // namespace
} // namespace qor
