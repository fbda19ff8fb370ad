// The qor-results program on folders a teacher may really point it at: pipes, devices and huge
// files among the score files, outputs that would land on a score file, folders that cannot be
// read or are empty, text that would take over the terminal or a spreadsheet.

#include "RtfReader.h"
#include "RtfWriter.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct Outcome {
    bool finished = false;
    int status = -1;
    QString out;
    QString err;
};

// The program never waits for anything but the disk: a run that takes minutes is a hang.
Outcome qorResults(const QStringList& arguments) {
    QProcess program;
    program.start(QStringLiteral(QOR_RESULTS_PROGRAM), arguments);
    Outcome result;
    result.finished = program.waitForFinished(120000);
    if (!result.finished) {
        program.kill();
        program.waitForFinished();
    }
    result.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    result.out = QString::fromUtf8(program.readAllStandardOutput());
    result.err = QString::fromUtf8(program.readAllStandardError());
    return result;
}

const QString kRhythmLine = QStringLiteral(
    " Beatwise Quiz 07/12/2026, 10:15:30 AM, Rhythm Patterns = Simple/3, Tempo = 72, Rhythm Score "
    "= 100.00%, Number of Questions = 2, Av. Hearings = 1.00");

class Program : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString folder = root.path() + QStringLiteral("/Qor_Music");

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folder)); }

    QString inFolder(const QString& name) const { return folder + QLatin1Char('/') + name; }

    void scoreFile(const QString& student, const QStringList& lines) const {
        writeBytes(inFolder(student + QStringLiteral(".rtf")), scores::RtfWriter::write(lines));
    }
};

} // namespace

TEST_F(Program, PipesDevicesHugeFilesAndLinksOutAreSkippedWithTheirReason) {
    scoreFile(QStringLiteral("Smith"), {kRhythmLine});
    ASSERT_EQ(::mkfifo(QFile::encodeName(inFolder(QStringLiteral("F.rtf"))).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), inFolder(QStringLiteral("Z.rtf"))));
    const QString outside = root.path() + QStringLiteral("/private.rtf");
    writeBytes(outside, scores::RtfWriter::write({kRhythmLine}));
    ASSERT_TRUE(QFile::link(outside, inFolder(QStringLiteral("Out.rtf"))));
    {
        QFile huge(inFolder(QStringLiteral("Huge.rtf")));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(qint64(62) * 1024 * 1024));
    }

    const Outcome summary = qorResults({folder});
    ASSERT_TRUE(summary.finished) << "qor-results hung";
    EXPECT_EQ(summary.status, 1) << summary.err.toStdString();
    EXPECT_TRUE(summary.out.contains(QStringLiteral("Smith"))) << summary.out.toStdString();
    EXPECT_FALSE(summary.out.contains(QStringLiteral("Out")));
    const QStringList problems = summary.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const auto reasonFor = [&](const char* file) {
        for (const QString& line : problems)
            if (line.startsWith(QLatin1String(file) + QStringLiteral(": not read: ")))
                return line;
        return QString();
    };
    EXPECT_TRUE(reasonFor("F.rtf").contains(QStringLiteral("not an ordinary file")))
        << summary.err.toStdString();
    EXPECT_TRUE(reasonFor("Z.rtf").contains(QStringLiteral("outside the score folder")));
    EXPECT_TRUE(reasonFor("Out.rtf").contains(QStringLiteral("outside the score folder")));
    EXPECT_TRUE(reasonFor("Huge.rtf").contains(QStringLiteral("larger than 16 MB")));
}

TEST_F(Program, NoReportIsWrittenOverAScoreFileOrTheFolder) {
    scoreFile(QStringLiteral("Smith"), {kRhythmLine});
    const QByteArray smith = fileBytes(inFolder(QStringLiteral("Smith.rtf")));
    const QString elsewhere = root.path() + QStringLiteral("/reports");
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    ASSERT_TRUE(QFile::link(inFolder(QStringLiteral("Smith.rtf")), elsewhere + "/smith-link.csv"));

    const QList<QStringList> refused = {
        {QStringLiteral("--csv"), inFolder(QStringLiteral("Smith.rtf"))},
        {QStringLiteral("--html"), inFolder(QStringLiteral("../Qor_Music/Smith.rtf"))},
        {QStringLiteral("--csv"), elsewhere + "/smith-link.csv"},
        {QStringLiteral("--html"), folder},
        {QStringLiteral("--csv"), inFolder(QStringLiteral("Class.RTF"))},
        {QStringLiteral("--csv"), elsewhere + "/class.csv", QStringLiteral("--html"),
         elsewhere + "/class.csv"},
    };
    for (const QStringList& outputs : refused) {
        const Outcome refusal = qorResults(QStringList{folder} + outputs);
        ASSERT_TRUE(refusal.finished);
        EXPECT_EQ(refusal.status, 2) << outputs.join(' ').toStdString();
        EXPECT_EQ(refusal.err.count(QLatin1Char('\n')), 1) << refusal.err.toStdString();
        EXPECT_TRUE(refusal.out.isEmpty());
        EXPECT_EQ(fileBytes(inFolder(QStringLiteral("Smith.rtf"))), smith);
        EXPECT_FALSE(QFileInfo::exists(elsewhere + "/class.csv"));
    }
    EXPECT_FALSE(QFileInfo::exists(inFolder(QStringLiteral("Class.RTF"))));
    EXPECT_TRUE(QFileInfo(elsewhere + "/smith-link.csv").isSymLink());

    // A report of another kind in the score folder is fine.
    const Outcome beside =
        qorResults({folder, QStringLiteral("--csv"), inFolder(QStringLiteral("class.csv"))});
    EXPECT_EQ(beside.status, 0) << beside.err.toStdString();
    EXPECT_TRUE(fileBytes(inFolder(QStringLiteral("class.csv"))).contains("Smith"));
}

TEST_F(Program, AnEmptyFolderOrAFileForAFolderIsNamedWithAFailingStatus) {
    const Outcome empty = qorResults({folder});
    ASSERT_TRUE(empty.finished);
    EXPECT_NE(empty.status, 0);
    EXPECT_TRUE(empty.err.contains(QStringLiteral("no score files"))) << empty.err.toStdString();
    EXPECT_TRUE(empty.err.contains(QDir::toNativeSeparators(folder)));

    scoreFile(QStringLiteral("Smith"), {kRhythmLine});
    const Outcome file = qorResults({inFolder(QStringLiteral("Smith.rtf"))});
    EXPECT_EQ(file.status, 2);
    EXPECT_TRUE(file.err.contains(QStringLiteral("not a folder"))) << file.err.toStdString();
    EXPECT_FALSE(file.err.contains(QStringLiteral("does not exist")));

    // Files that are all unreadable: each is named, and so is the outcome.
    QDir(folder).remove(QStringLiteral("Smith.rtf"));
    writeBytes(inFolder(QStringLiteral("Plain.rtf")), "typed in a text editor\n");
    const Outcome nothing = qorResults({folder});
    EXPECT_NE(nothing.status, 0);
    EXPECT_TRUE(nothing.err.contains(QStringLiteral("Plain.rtf: not read")));
    EXPECT_TRUE(nothing.err.contains(QStringLiteral("nothing could be read")))
        << nothing.err.toStdString();
}

TEST_F(Program, TextFromTheFilesCannotTakeOverTheTerminal) {
    // A remark with a sequence that sets the terminal's title, one with a colour (through the
    // one-character control sequence introducer), and a student file named with a colour.
    const QByteArray remark = "{\\rtf1\\ansi \\u27?]0;owned\\u7? title\\par \\u155?31m red\\par "
                              "hidden \\u8238?txt.exe\\par}";
    ASSERT_TRUE(scores::RtfReader::read(remark).lines.first().contains(QChar(0x1B)));
    writeBytes(inFolder(QStringLiteral("Eve.rtf")), remark);
    scoreFile(QStringLiteral("\x1b[31mRed"), {kRhythmLine});

    const Outcome summary = qorResults({folder});
    ASSERT_TRUE(summary.finished);
    for (const QString& text : {summary.out, summary.err}) {
        for (const QChar c : text)
            EXPECT_TRUE(c == QLatin1Char('\n') || !(c.category() == QChar::Other_Control ||
                                                    c.category() == QChar::Other_Format))
                << "U+" << std::hex << static_cast<unsigned>(c.unicode());
    }
    EXPECT_TRUE(summary.err.contains(QStringLiteral("\\x1B]0;owned\\x07 title")))
        << summary.err.toStdString();
    EXPECT_TRUE(summary.err.contains(QStringLiteral("\\x9B31m red")));
    EXPECT_TRUE(summary.err.contains(QStringLiteral("hidden \\u202Etxt.exe")));
    EXPECT_TRUE(summary.out.contains(QStringLiteral("\\x1B[31mRed")));

    // The page shows them the same way, and stays well-formed.
    const Outcome page = qorResults({folder, QStringLiteral("--html"), QStringLiteral("-")});
    QXmlStreamReader xml(page.out);
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(page.out.contains(QStringLiteral("\\x1B]0;owned\\x07 title")));
}

TEST_F(Program, SpreadsheetFormulasInCellsAreWrittenAsText) {
    for (const char* name : {"=HYPERLINK(x)", "+cmd", "-2+3", "@SUM(A1)", "\tTab", "\rReturn"})
        scoreFile(QString::fromUtf8(name), {kRhythmLine});
    const Outcome csv = qorResults({folder, QStringLiteral("--csv"), QStringLiteral("-")});
    ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
    const QStringList rows = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 7);
    for (const QString& row : rows.mid(1)) {
        // Each dangerous first character is led by an apostrophe, so the cell is text.
        const QString cell = row.startsWith(QLatin1Char('"')) ? row.mid(1) : row;
        EXPECT_TRUE(cell.startsWith(QLatin1Char('\''))) << row.toStdString();
        EXPECT_FALSE(row.contains(QStringLiteral(",=")) || row.contains(QStringLiteral(",+")) ||
                     row.contains(QStringLiteral(",@")))
            << row.toStdString();
    }
    EXPECT_TRUE(csv.out.contains(QStringLiteral("'=HYPERLINK(x),Beatwise")));
}

TEST_F(Program, TheCsvGivesEachQuizAnIsoDateAndTimeBesideTheTextsAsWritten) {
    scoreFile(QStringLiteral("Smith"),
              {QStringLiteral(" Beatwise Quiz 2 Feb 2026, 2:05:09 PM, Rhythm Patterns = "
                              "Simple/3, Tempo = 72, Rhythm Score = 100.00%, Number of Questions = "
                              "2, Av. Hearings = 1.00"),
               QStringLiteral(" Beatwise Quiz 25/01/2026, 09:07:00, Rhythm Patterns = Simple/3, "
                              "Tempo = 72, Rhythm Score = 90.00%, Number of Questions = 2, Av. "
                              "Hearings = 1.00")});
    const Outcome csv = qorResults({folder, QStringLiteral("--csv"), QStringLiteral("-")});
    ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
    const QStringList rows = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3);
    // The original columns stay as they were, and in their places; the new one comes last.
    EXPECT_EQ(rows[0], QStringLiteral("student,program,record,quiz,question,date,time,meter_or_key,"
                                      "level,exercise,tempo,score_percent,questions,"
                                      "average_hearings,items_per_question,file,line,"
                                      "date_time_iso"));
    EXPECT_TRUE(rows[1].contains(QStringLiteral(",2 Feb 2026,2:05:09 PM,")));
    EXPECT_TRUE(rows[1].endsWith(QStringLiteral(",2026-02-02T14:05:09")));
    EXPECT_TRUE(rows[2].endsWith(QStringLiteral(",2026-01-25T09:07:00")));
}

TEST_F(Program, HelpVersionAndUnknownOptions) {
    const Outcome help = qorResults({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    for (const char* part : {"Usage: qor-results", "--csv", "--html", "--version", "Exit status"})
        EXPECT_TRUE(help.out.contains(QLatin1String(part))) << part;
    EXPECT_TRUE(help.err.isEmpty());

    const Outcome version = qorResults({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("qor-results ")))
        << version.out.toStdString();

    for (const QStringList& wrong :
         {QStringList{QStringLiteral("--bogus")}, QStringList{folder, QStringLiteral("-x")},
          QStringList{folder, QStringLiteral("--csv")}, QStringList{folder, folder}}) {
        const Outcome refused = qorResults(wrong);
        EXPECT_EQ(refused.status, 2) << wrong.join(' ').toStdString();
        EXPECT_EQ(refused.err.count(QLatin1Char('\n')), 1) << refused.err.toStdString();
        EXPECT_TRUE(refused.err.startsWith(QStringLiteral("qor-results: ")));
        EXPECT_TRUE(refused.out.isEmpty());
    }
}
