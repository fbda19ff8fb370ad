#include "RhythmScriptCommand.h"

#include "ReplayableRandom.h"
#include "RhythmMenus.h"
#include "RhythmTrainer.h"
#include "ScoreStore.h"
#include "ScriptStop.h"
#include "ScriptedDialogs.h"
#include "ScriptedRhythmPlayer.h"
#include "ShowingBoundary.h"
#include "Tempo.h"
#include "VirtualClock.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int UsageError = 2;

const QString Usage = QStringLiteral(
    "Usage: beatwise --script FILE [--seed S] [--scores FOLDER]   (FILE \"-\" reads standard "
    "input)");

// A line of the script that cannot be carried out.
struct ScriptError : ScriptStop {
    using ScriptStop::ScriptStop;
};

// A beat of a row as the transcript names it: its pattern's button letter, "-" when empty.
QString beatName(const QString& glyph, Meter meter) {
    if (glyph == RhythmCatalogue::emptyCell())
        return QStringLiteral("-");
    const Meter other = meter == Meter::Simple ? Meter::Compound : Meter::Simple;
    for (Meter m : {meter, other})
        for (int i = 0; i < RhythmCatalogue::patternCount(m); ++i)
            if (RhythmCatalogue::answerGlyph(m, i) == glyph)
                return RhythmCatalogue::buttonName(i);
    return QLatin1Char('"') + glyph + QLatin1Char('"');
}

// What the transcript follows of the trainer's state.
struct Shown {
    std::vector<std::pair<QString, QString>> fields;
    QString row;
    QString question;

    static Shown of(const RhythmState& s) {
        Shown shown;
        shown.fields = {{QStringLiteral("Score"), s.Score},
                        {QStringLiteral("Items"), s.Items},
                        {QStringLiteral("AvRepeats"), s.AvRepeats},
                        {QStringLiteral("AnsDisplay"), s.AnsDisplay.caption},
                        {QStringLiteral("Speed"), QString::number(s.Speed)},
                        {QStringLiteral("LevelLabel"), s.LevelLabel}};
        shown.row = answerRow(s);
        shown.question = s.DisplayAnsVisible ? beats(s.DisplayAns, {}, s.questionMeter)
                                             : QStringLiteral("hidden");
        return shown;
    }

    static QString beats(const RhythmState::Row& cells,
                         const std::array<bool, RhythmCatalogue::kColumns>& wrong, Meter meter) {
        QStringList names;
        for (int column = RhythmCatalogue::kFirstBeatColumn;
             column < RhythmCatalogue::kFirstBeatColumn + RhythmCatalogue::kBeats; ++column) {
            const auto c = static_cast<std::size_t>(column);
            names.append(beatName(cells[c], meter) + (wrong[c] ? QStringLiteral("!") : QString()));
        }
        return names.join(QLatin1Char(' '));
    }

    static QString answerRow(const RhythmState& s) {
        QString text = beats(s.ShowRes, s.wrongCells, s.meter);
        for (int column : {0, 1, 9}) {
            const QString& glyph = s.ShowRes[static_cast<std::size_t>(column)];
            if (glyph != RhythmCatalogue::columnGlyph(s.meter, column))
                text += QStringLiteral(" %1:%2").arg(column).arg(beatName(glyph, s.meter));
        }
        return text;
    }
};

class ScriptRun final : public RhythmTrainerListener {
public:
    ScriptRun(QTextStream& out, quint64 seed, const QString& scoreFolder)
        : out_(out), random_(seed, [this] { return clock_.now(); }), store_(scoreFolder),
          dialogs_(QStringLiteral("Beatwise")),
          player_(clock_,
                  [this](const ScriptedRhythmPlayer::Message& m) {
                      flush();
                      line(QStringLiteral("midi %1 %2 %3").arg(m.status).arg(m.data1).arg(m.data2));
                  }),
          trainer_(dialogs_, player_, random_, clock_, store_), boundary_(dialogs_) {
        dialogs_.whenExhausted = DialogScript::WhenExhausted::Refuse;
        dialogs_.shown = [this](const QString& title, const QString& text, const QString& answer) {
            flush();
            QString shown = text;
            shown.replace(QLatin1Char('\n'), QStringLiteral(" / "));
            line(QStringLiteral("dialog ") + title + QStringLiteral(" | ") + shown +
                 QStringLiteral(" -> ") + answer);
        };
        trainer_.setListener(this);
    }

    void start() {
        guarded([this] { trainer_.FormCreate(); });
        started_ = true;
        shown_ = Shown::of(trainer_.state());
        for (const auto& [name, text] : shown_.fields)
            field(name, text);
        line(QStringLiteral("row ") + shown_.row);
    }

    void run(const QString& text) {
        const QString command = text.section(QLatin1Char(' '), 0, 0);
        const QString rest = text.section(QLatin1Char(' '), 1).trimmed();
        if (command == QLatin1String("wait")) {
            bool ok = false;
            const qint64 ms = rest.toLongLong(&ok);
            if (!ok || ms < 0)
                throw ScriptError(QStringLiteral("wait needs a number of milliseconds"));
            guarded([this, ms] { clock_.advance(ms); });
        } else if (command == QLatin1String("reply")) {
            dialogs_.inputAnswers.push_back(rest);
        } else if (text == QLatin1String("cancel")) {
            dialogs_.inputAnswers.push_back(std::nullopt);
        } else if (text == QLatin1String("yes") || text == QLatin1String("no")) {
            dialogs_.confirmAnswers.push_back(text == QLatin1String("yes"));
        } else if (command == QLatin1String("key")) {
            clickPattern(rest);
        } else if (command == QLatin1String("button")) {
            clickButton(rest);
        } else if (command == QLatin1String("cell")) {
            pressCell(rest);
        } else if (command == QLatin1String("tempo")) {
            setTempo(rest);
        } else if (command == QLatin1String("menu")) {
            chooseMenu(rest.split(QLatin1Char('>')));
        } else {
            throw ScriptError(QStringLiteral("unknown line"));
        }
        flush();
    }

    // RhythmTrainerListener
    void scoreLineAppended(const QString& file, const QString& text) override {
        flush();
        line(QStringLiteral("file ") + QFileInfo(file).fileName() + QStringLiteral(" | ") + text);
    }

private:
    void line(const QString& text) { out_ << clock_.now() << ' ' << text << '\n'; }
    void field(const QString& name, const QString& text) {
        line(QStringLiteral("field %1 \"%2\"").arg(name, text));
    }

    // Writes what has changed since it was last written.
    void flush() {
        if (!started_)
            return;
        const Shown now = Shown::of(trainer_.state());
        for (std::size_t i = 0; i < now.fields.size(); ++i)
            if (now.fields[i].second != shown_.fields[i].second)
                field(now.fields[i].first, now.fields[i].second);
        if (now.row != shown_.row)
            line(QStringLiteral("row ") + now.row);
        if (now.question != shown_.question)
            line(QStringLiteral("question ") + now.question);
        shown_ = now;
    }

    // Runs a student's action through the event boundary, as the window does.
    template <typename Action> void guarded(Action action) { boundary_.run(action); }

    void clickPattern(const QString& letter) {
        for (int i = 0; i < RhythmCatalogue::kSimplePatterns; ++i) {
            if (RhythmCatalogue::buttonName(i) != letter)
                continue;
            const ControlState& button =
                trainer_.state().patternButtons[static_cast<std::size_t>(i)];
            if (!button.visible || !button.enabled)
                throw ScriptError(QStringLiteral("the pattern button %1 is hidden").arg(letter));
            guarded([this, i] { trainer_.PatternClick(i); });
            return;
        }
        throw ScriptError(QStringLiteral("no pattern button \"%1\"").arg(letter));
    }

    void clickButton(const QString& caption) {
        const RhythmState& s = trainer_.state();
        const std::pair<const ControlState*, void (RhythmTrainer::*)()> buttons[] = {
            {&s.StartButton, &RhythmTrainer::StartButtonClick},
            {&s.Repetir, &RhythmTrainer::RepetirClick},
            {&s.AnsDisplay, &RhythmTrainer::AnsDisplayClick},
            {&s.RestScore, &RhythmTrainer::RestScoreClick},
            {&s.EraseAllChds, &RhythmTrainer::EraseAllChdsClick}};
        for (const auto& [button, handler] : buttons) {
            if (button->caption != caption)
                continue;
            if (!button->enabled || !button->visible)
                throw ScriptError(QStringLiteral("the button \"%1\" is disabled").arg(caption));
            guarded([this, handler = handler] { (trainer_.*handler)(); });
            return;
        }
        throw ScriptError(QStringLiteral("no button \"%1\"").arg(caption));
    }

    void pressCell(const QString& text) {
        bool ok = false;
        const int column = text.toInt(&ok);
        if (!ok || column < 0 || column >= RhythmCatalogue::kColumns)
            throw ScriptError(QStringLiteral("cell needs a column from 0 to 10"));
        guarded([this, column] { trainer_.ShowResMouseDown(column); });
    }

    void setTempo(const QString& text) {
        bool ok = false;
        const int speed = text.toInt(&ok);
        if (!ok || !Tempo::isMetronomeValue(speed))
            throw ScriptError(QStringLiteral("tempo needs 30 to 96 beats a minute in steps of 6"));
        guarded([this, speed] { trainer_.SpeedChange(speed); });
    }

    void chooseMenu(const QStringList& path) {
        const RhythmState& s = trainer_.state();
        const std::vector<RhythmMenuItem>* level = &menus_;
        const RhythmMenuItem* item = nullptr;
        for (const QString& step : path) {
            item = findRhythmMenuItem(*level, {step});
            if (!item)
                throw ScriptError(QStringLiteral("no menu item \"%1\"").arg(step.trimmed()));
            if (!item->isEnabled(s))
                throw ScriptError(
                    QStringLiteral("the menu item \"%1\" is disabled").arg(step.trimmed()));
            if (item->opened)
                guarded([this, item] { item->opened(trainer_); });
            level = &item->children;
        }
        if (!item || (item->isSubmenu() && !item->opened))
            throw ScriptError(QStringLiteral("a menu command needs the path to an item"));
        if (item->isSubmenu())
            return; // opening it was the command
        if (item->triggered)
            guarded([this, item] { item->triggered(trainer_); });
        else if (item->command == RhythmWindowCommand::About)
            dialogs_.information(rhythmAboutText());
        else if (item->command == RhythmWindowCommand::Exit && player_.IsPlaying())
            player_.Stop();
    }

    QTextStream& out_;
    VirtualClock clock_;
    ReplayableRandom random_;
    scores::ScoreStore store_;
    ScriptedDialogs dialogs_;
    ScriptedRhythmPlayer player_;
    RhythmTrainer trainer_;
    ShowingBoundary boundary_;
    std::vector<RhythmMenuItem> menus_ = rhythmMenuBar();
    Shown shown_;
    bool started_ = false;
};

QString optionValue(const QStringList& arguments, const QString& option, bool& missing) {
    const int at = arguments.indexOf(option);
    if (at < 0)
        return QString();
    if (at + 1 >= arguments.size()) {
        missing = true;
        return QString();
    }
    return arguments.at(at + 1);
}

} // namespace

int runRhythmScriptCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    bool missing = false;
    const QString path = optionValue(arguments, QStringLiteral("--script"), missing);
    const QString seedText = optionValue(arguments, QStringLiteral("--seed"), missing);
    const QString folder = optionValue(arguments, QStringLiteral("--scores"), missing);
    bool seedOk = true;
    const quint64 seed = seedText.isEmpty() ? 1 : seedText.toULongLong(&seedOk);
    if (missing || path.isEmpty() || !seedOk) {
        err << Usage << '\n';
        return UsageError;
    }

    QFile file;
    const bool opened = path == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        err << "beatwise: cannot read the script " << path << ": " << file.errorString() << '\n';
        return UsageError;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));

    ScriptRun run(out, seed, folder.isEmpty() ? scores::ScoreStore::defaultFolder() : folder);
    int number = 0;
    try {
        run.start();
        for (const QString& raw : lines) {
            ++number;
            const QString text = raw.trimmed();
            if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
                continue;
            run.run(text);
        }
    } catch (const UnansweredDialog& failure) {
        out.flush();
        err << "beatwise: line " << number << ": " << failure.text() << '\n';
        return UsageError;
    } catch (const ScriptError& failure) {
        out.flush();
        err << "beatwise: line " << number << ": " << failure.text() << ": "
            << lines.value(number - 1).trimmed() << '\n';
        return UsageError;
    }
    return 0;
}
