#include "ExportCommand.h"

#include "CommandLine.h"
#include "Intervals.h"
#include "MidiOut.h"
#include "MidiResult.h"
#include "MusicKeys.h"
#include "NewFolder.h"
#include "OfflineRender.h"
#include "PianoKeyboard.h"
#include "PitchMenus.h"
#include "PitchTrainer.h"
#include "PrintedSheet.h"
#include "RecordingMidiPlatform.h"
#include "ReplayableRandom.h"
#include "ScaleLevels.h"
#include "ScoreStore.h"
#include "ScriptedDialogs.h"
#include "StaffPainter.h"
#include "VirtualClock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <optional>

namespace tonewise {

namespace {

struct Options {
    int questions = 0;
    const MusicKey* key = nullptr;
    const ScaleLevel* level = nullptr;
    bool intervals = false;
    quint64 seed = 0;
    QString folder;
};

// One question as the trainer asked it and showed it once answered.
struct AskedQuestion {
    std::optional<int> reference; // MIDI notes; the first pitch question has no note before it
    int question = 0;
    QString answer; // the note's name, or the interval's
    std::vector<StaffGlyph> staff;
};

std::optional<Options> parse(const CommandLine& line, QString& why) {
    Options options;
    options.seed = static_cast<quint64>(QDateTime::currentMSecsSinceEpoch());
    bool ok = false;
    const QString count = line.value(QStringLiteral("export"));
    options.questions = count.toInt(&ok);
    if (!ok || options.questions < 1 || options.questions > 99) {
        why = QStringLiteral("the number of questions must be a whole number from 1 to 99, not "
                             "\"%1\"")
                  .arg(count);
        return std::nullopt;
    }
    options.intervals = line.isSet(QStringLiteral("intervals"));
    const QString key = line.value(QStringLiteral("key"));
    const QString level = line.value(QStringLiteral("level"));
    const QString folder = line.value(QStringLiteral("o"));
    if (key.isEmpty() || level.isEmpty() || folder.isEmpty()) {
        why = QStringLiteral("--key, --level and -o are needed");
        return std::nullopt;
    }
    options.key = findKeyByCaption(key);
    if (!options.key) {
        why =
            QStringLiteral("no key \"%1\" (the Key menu's captions: \"C Major\", \"F# Minor\" ...)")
                .arg(key);
        return std::nullopt;
    }
    options.level = findLevelByCaption(level);
    if (!options.level) {
        why = QStringLiteral("no level \"%1\" (the Scale Steps menu's captions: \"1,3,5\", "
                             "\"1-8 + Parallel 3\" ...)")
                  .arg(level);
        return std::nullopt;
    }
    if (line.isSet(QStringLiteral("seed"))) {
        options.seed = line.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok) {
            why = QStringLiteral("--seed must be a whole number, not \"%1\"")
                      .arg(line.value(QStringLiteral("seed")));
            return std::nullopt;
        }
    }
    options.folder = QFileInfo(folder).absoluteFilePath();
    return options;
}

// The trainer on a virtual clock, without sound, answering every question right.
class Examiner {
public:
    explicit Examiner(quint64 seed)
        : random_(seed, [this] { return clock_.now(); }), output_(nullptr, &platform_),
          trainer_(dialogs_, output_, random_, clock_, clock_, store_) {
        trainer_.FormCreate();
        trainer_.Initial();
        settle();
    }

    // Runs the menu command at that path of captions, opening the submenus on the way.
    bool menu(const QStringList& path) {
        const std::vector<PitchMenuItem>* level = &menus_;
        const PitchMenuItem* item = nullptr;
        for (const QString& step : path) {
            item = findMenuItem(*level, trainer_.state(), {step});
            if (!item || !item->isEnabled(trainer_.state()))
                return false;
            if (item->opened)
                item->opened(trainer_);
            level = &item->children;
        }
        if (!item || !item->triggered)
            return false;
        item->triggered(trainer_);
        settle();
        return true;
    }

    std::vector<AskedQuestion> ask(int count, bool intervals) {
        trainer_.StartButtonClick();
        settle();
        std::vector<AskedQuestion> asked;
        for (int n = 0; n < count; ++n) {
            const PitchState& s = trainer_.state();
            AskedQuestion question;
            // An interval is always heard from the note before; the first pitch after "Start"
            // is the tonic on its own.
            if (intervals || n > 0)
                question.reference = s.PreviousPitch;
            question.question = s.QuestionPitch;
            const int semitones = std::abs(question.question - s.PreviousPitch);
            QString key = keyboardKeyForMidi(question.question)->name;
            if (intervals) {
                const std::optional<IntervalKeyLook> look = intervalKeyLook(semitones);
                key = look ? look->key : QString();
            }
            trainer_.KeyClick(key);
            question.answer = intervals ? intervalName(semitones).value_or(QString())
                                        : s.AnsShow.section(QStringLiteral(": "), 1);
            for (const StaffGlyph& glyph : s.staff)
                if (!glyph.erase)
                    question.staff.push_back(glyph);
            asked.push_back(question);
            settle();
        }
        return asked;
    }

private:
    void settle() { clock_.advance(1000); }

    VirtualClock clock_;
    ReplayableRandom random_;
    scores::ScoreStore store_{QDir::tempPath()};
    ScriptedDialogs dialogs_;
    RecordingMidiPlatform platform_{{QStringLiteral("Built-in synthesizer")}};
    TMidiOutput output_;
    PitchTrainer trainer_;
    std::vector<PitchMenuItem> menus_ = pitchMenuBar();
};

// The reference note for a second (when there is one), then the question note for a second, on
// the piano.
std::vector<midi::StreamEvent> questionStream(const AskedQuestion& question) {
    constexpr uint32_t kSecond = 100; // ticks of 10 ms
    const auto shortMessage = [](int status, int data1, int data2) {
        return static_cast<uint32_t>(status | data1 << 8 | data2 << 16);
    };
    std::vector<midi::StreamEvent> events{{0, 0, shortMessage(0xC0, 0, 0)}};
    if (question.reference) {
        events.push_back({0, 0, shortMessage(0x90, *question.reference, 100)});
        events.push_back({kSecond, 0, shortMessage(0x80, *question.reference, 0)});
    }
    events.push_back({0, 0, shortMessage(0x90, question.question, 100)});
    events.push_back({kSecond, 0, shortMessage(0x80, question.question, 0)});
    return events;
}

QString writeAnswers(const QString& path, const Options& options,
                     const std::vector<AskedQuestion>& questions) {
    notation::PrintedSheet sheet(path, QStringLiteral("Tonewise answers"),
                                 QStringLiteral("Tonewise"));
    if (!sheet.begin())
        return sheet.finish();
    QPainter& painter = sheet.painter();
    const QString subtitle =
        QStringLiteral("%1, steps %2, %3")
            .arg(options.key->caption, options.level->caption,
                 options.intervals ? QStringLiteral("Intervals") : QStringLiteral("Pitches"));
    // Two staves a row, as the window's staff shows them, at half its width.
    constexpr qreal kStaffWidth = 330;
    constexpr qreal kStaffHeight = 150;
    constexpr int kPerPage = 6;
    qreal y = 0;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        if (q % kPerPage == 0)
            y = sheet.page(subtitle);
        const AskedQuestion& question = questions[q];
        painter.setFont(notation::PrintedSheet::font(15));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y, 44, kStaffHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1.").arg(q + 1));
        const QRectF box(44, y, kStaffWidth, kStaffHeight);
        const notation::StaffPainter staff(painter, box);
        for (const StaffGlyph& glyph : question.staff)
            staff.drawText(glyph.x, glyph.y, glyph.text);
        painter.setFont(notation::PrintedSheet::font(15));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(box.right() + 24, y, sheet.width() - box.right() - 24, kStaffHeight),
            Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("%1\nquestion-%2.wav")
                .arg(question.answer)
                .arg(q + 1, 2, 10, QLatin1Char('0')));
        y += kStaffHeight + 12;
    }
    return sheet.finish();
}

QString writeSet(const QString& folder, const Options& options,
                 const std::vector<AskedQuestion>& questions) {
    midi::RenderOptions render;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        const QString path = QDir(folder).filePath(
            QStringLiteral("question-%1.wav").arg(q + 1, 2, 10, QLatin1Char('0')));
        QString error;
        if (midi::renderStreamToWav(questionStream(questions[q]), path, render, &error) != midi::Ok)
            return QStringLiteral("question %1 could not be rendered: %2").arg(q + 1).arg(error);
    }
    return writeAnswers(QDir(folder).filePath(QStringLiteral("answers.pdf")), options, questions);
}

} // namespace

int runExportCommand(const CommandLine& line, QTextStream& out, QTextStream& err) {
    const auto fail = [&line, &err](const QString& why) {
        return line.report(err, why, CommandLine::UsageError);
    };
    QString why;
    const std::optional<Options> options = parse(line, why);
    if (!options)
        return line.fail(err, why);

    // Everything is made beside the target and takes its name only when complete.
    scores::NewFolder folder(options->folder);
    if (!folder.error().isEmpty())
        return fail(folder.error());

    Examiner examiner(options->seed);
    const MusicKey& key = *options->key;
    if (!examiner.menu({QStringLiteral("Key"), submenuOf(key).caption, key.caption}) ||
        !examiner.menu({QStringLiteral("Scale Steps"), options->level->caption}) ||
        (options->intervals &&
         !examiner.menu({QStringLiteral("Practice Intervals?"), QStringLiteral("Intervals")})))
        return fail(QStringLiteral("the trainer does not offer %1 at steps %2")
                        .arg(key.caption, options->level->caption));
    const std::vector<AskedQuestion> questions =
        examiner.ask(options->questions, options->intervals);

    if (QString error = writeSet(folder.workPath(), *options, questions);
        !error.isEmpty() || !(error = folder.complete()).isEmpty())
        return fail(error);
    out << QDir::toNativeSeparators(options->folder) << ": " << questions.size()
        << " questions, answers.pdf\n";
    out.flush();
    return 0;
}

} // namespace tonewise
