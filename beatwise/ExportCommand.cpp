#include "ExportCommand.h"

#include "MidiResult.h"
#include "OfflineRender.h"
#include "PartitaText.h"
#include "QuestionsCommand.h"
#include "StreamBuilder.h"
#include "TMidiGen.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace {

const char kUsage[] = "usage: beatwise --export N [--meter simple|compound] [--level L] "
                      "[--tempo T] [--seed S] -o DIR";

// The rows of a sheet, drawn at 96 dots per inch on A4.
constexpr int kResolution = 96;
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
    QPdfWriter pdf(path);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Beatwise"));
    pdf.setResolution(kResolution);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&pdf))
        return QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path));

    const qreal width = pdf.width();
    QFont heading(QStringLiteral("DejaVu Sans"));
    heading.setPixelSize(22);
    heading.setBold(true);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(13);
    QFont number(QStringLiteral("DejaVu Sans"));
    number.setPixelSize(16);
    number.setBold(true);

    qreal y = 0;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        if (q % kRowsPerPage == 0) {
            if (q > 0)
                pdf.newPage();
            painter.setPen(Qt::black);
            painter.setFont(heading);
            painter.drawText(QRectF(0, 0, width, 30), Qt::AlignLeft | Qt::AlignVCenter, title);
            painter.setFont(small);
            painter.drawText(QRectF(0, 32, width, 20), Qt::AlignLeft | Qt::AlignVCenter,
                             settingsText(options) +
                                 (withAnswers
                                      ? QString()
                                      : QStringLiteral("   -   Name: ______________________")));
            y = 80;
        }
        const DrawnQuestion& question = questions[q];
        painter.setFont(number);
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
        painter.setFont(small);
        painter.setPen(QColor(110, 110, 110));
        const QString caption =
            withAnswers ? QStringLiteral("question-%1.wav").arg(q + 1, 2, 10, QLatin1Char('0'))
                        : QStringLiteral("question-%1.wav: count in, seven beats, closing beat")
                              .arg(q + 1, 2, 10, QLatin1Char('0'));
        painter.drawText(QRectF(kNumberWidth, y + kCellHeight + 2, width, 18), Qt::AlignLeft,
                         caption);
        y += kRowPitch;
    }
    if (!painter.end())
        return QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path));
    return {};
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

int runExportCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const auto fail = [&err](const QString& why) {
        err << "beatwise: " << why << '\n' << kUsage << '\n';
        err.flush();
        return 2;
    };
    QStringList optionArgs = args;
    const qsizetype o = optionArgs.indexOf(QStringLiteral("-o"));
    if (o < 0 || o + 1 >= optionArgs.size())
        return fail(QStringLiteral("-o needs the folder to write"));
    const QString target = QFileInfo(optionArgs[o + 1]).absoluteFilePath();
    optionArgs.remove(o, 2);
    QString why;
    const std::optional<QuestionOptions> options = parseQuestionOptions(optionArgs, why);
    if (!options)
        return fail(why);
    if (options->questions > 99)
        return fail(
            QStringLiteral("a set holds at most 99 questions, not %1").arg(options->questions));

    const QFileInfo targetInfo(target);
    if (targetInfo.exists() &&
        (!targetInfo.isDir() || !QDir(target).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot)))
        return fail(QStringLiteral("%1 already exists; choose a new folder")
                        .arg(QDir::toNativeSeparators(target)));
    const QString parent = targetInfo.absolutePath();
    if (!QFileInfo(parent).isDir())
        return fail(
            QStringLiteral("the folder %1 does not exist").arg(QDir::toNativeSeparators(parent)));

    // Everything is made beside the target and takes its name only when complete.
    QTemporaryDir work(QDir(parent).filePath(QStringLiteral(".") + targetInfo.fileName() +
                                             QStringLiteral("-XXXXXX")));
    if (!work.isValid())
        return fail(QStringLiteral("cannot write in %1: %2")
                        .arg(QDir::toNativeSeparators(parent), work.errorString()));

    int channel = 0;
    const std::vector<DrawnQuestion> questions = drawQuestions(*options, &channel);
    if (const QString error = writeSet(work.path(), *options, questions, channel); !error.isEmpty())
        return fail(error);

    if (targetInfo.exists())
        QDir().rmdir(target);
    if (!QDir().rename(work.path(), target))
        return fail(QStringLiteral("cannot create %1").arg(QDir::toNativeSeparators(target)));
    work.setAutoRemove(false);
    // QTemporaryDir makes its folder private; the set is for sharing.
    QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::ExeOther);

    out << QDir::toNativeSeparators(target) << ": " << questions.size()
        << " questions, worksheet.pdf, answers.pdf\n";
    out.flush();
    return 0;
}
