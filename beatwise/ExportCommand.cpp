#include "ExportCommand.h"

#include "CommandLine.h"
#include "MidiResult.h"
#include "NewFolder.h"
#include "OfflineRender.h"
#include "PartitaText.h"
#include "PrintedSheet.h"
#include "QuestionsCommand.h"
#include "StreamBuilder.h"
#include "TMidiGen.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace {

// A set is for a lesson or a homework: question-01.wav to question-99.wav.
constexpr int kMostQuestions = 99;

// The rows of a sheet, in the printed sheet's 96 dots per inch.
constexpr qreal kCellWidth = 62;
constexpr qreal kCellHeight = 56;
constexpr qreal kCellFont = 32; // the rows' music font, scaled with the cell from 24 in 47 x 42
constexpr qreal kNumberWidth = 44;
constexpr qreal kRowPitch = kCellHeight + 26;
constexpr int kRowsPerPage = 10;

QString settingsText(const QuestionOptions& options) {
    return QStringLiteral("%1 meter, %2 patterns, tempo %3")
        .arg(options.meter == Meter::Simple ? QStringLiteral("Simple") : QStringLiteral("Compound"))
        .arg(options.level)
        .arg(options.tempo);
}

// Draws every question's row; `withAnswers` fills the seven beats. Returns an error text.
QString writeSheet(const QString& path, const QString& title, const QuestionOptions& options,
                   const std::vector<DrawnQuestion>& questions, bool withAnswers) {
    notation::PrintedSheet sheet(path, title, QStringLiteral("Beatwise"));
    if (!sheet.begin())
        return sheet.finish();
    QPainter& painter = sheet.painter();
    const qreal width = sheet.width();
    const QString subtitle =
        settingsText(options) +
        (withAnswers ? QString() : QStringLiteral("   -   Name: ______________________"));

    qreal y = 0;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        if (q % kRowsPerPage == 0)
            y = sheet.page(subtitle);
        const DrawnQuestion& question = questions[q];
        painter.setFont(notation::PrintedSheet::font(16, true));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y, kNumberWidth, kCellHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1.").arg(q + 1));
        for (std::size_t column = 0; column < question.glyphs.size(); ++column) {
            const QRectF cell(kNumberWidth + column * kCellWidth, y, kCellWidth, kCellHeight);
            const bool beat = column >= 2 && column <= 8;
            painter.setPen(QPen(beat ? QColor(90, 90, 90) : QColor(190, 190, 190), 1));
            painter.drawRect(cell);
            if (!beat || withAnswers)
                notation::drawPartitaText(painter, cell, question.glyphs[column], kCellFont);
        }
        painter.setFont(notation::PrintedSheet::font(13));
        painter.setPen(QColor(110, 110, 110));
        const QString caption =
            withAnswers ? QStringLiteral("question-%1.wav").arg(q + 1, 2, 10, QLatin1Char('0'))
                        : QStringLiteral("question-%1.wav: count in, seven beats, closing beat")
                              .arg(q + 1, 2, 10, QLatin1Char('0'));
        painter.drawText(QRectF(kNumberWidth, y + kCellHeight + 2, width, 18), Qt::AlignLeft,
                         caption);
        y += kRowPitch;
    }
    return sheet.finish();
}

// Makes every file in `folder`; returns an error text.
QString writeSet(const QString& folder, const QuestionOptions& options,
                 const std::vector<DrawnQuestion>& questions, int channel) {
    TMidiGen player;
    player.SetChannel(channel);
    midi::RenderOptions render;
    render.ticksPerQuarter = midigen::TicksPerQuarter;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        const QString path = QDir(folder).filePath(
            QStringLiteral("question-%1.wav").arg(q + 1, 2, 10, QLatin1Char('0')));
        QString error;
        if (midi::renderStreamToWav(player.StreamFor(questions[q].notes), path, render, &error) !=
            midi::Ok)
            return QStringLiteral("question %1 could not be rendered: %2").arg(q + 1).arg(error);
    }
    if (QString error =
            writeSheet(QDir(folder).filePath(QStringLiteral("worksheet.pdf")),
                       QStringLiteral("Beatwise rhythm worksheet"), options, questions, false);
        !error.isEmpty())
        return error;
    return writeSheet(QDir(folder).filePath(QStringLiteral("answers.pdf")),
                      QStringLiteral("Beatwise rhythm worksheet: answers"), options, questions,
                      true);
}

} // namespace

int runExportCommand(const CommandLine& line, QTextStream& out, QTextStream& err) {
    const QString target = QFileInfo(line.value(QStringLiteral("o"))).absoluteFilePath();
    QString why;
    const std::optional<QuestionOptions> options =
        questionOptionsFrom(line, QStringLiteral("export"), kMostQuestions, why);
    if (!options)
        return line.fail(err, why);

    // Everything is made beside the target and takes its name only when complete.
    scores::NewFolder folder(target);
    if (!folder.error().isEmpty())
        return line.report(err, folder.error(), CommandLine::UsageError);
    int channel = 0;
    const std::vector<DrawnQuestion> questions = drawQuestions(*options, &channel);
    if (QString error = writeSet(folder.workPath(), *options, questions, channel);
        !error.isEmpty() || !(error = folder.complete()).isEmpty())
        return line.report(err, error, CommandLine::UsageError);

    out << QDir::toNativeSeparators(target) << ": " << questions.size()
        << " questions, worksheet.pdf, answers.pdf\n";
    out.flush();
    return 0;
}
