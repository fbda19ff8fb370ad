#include "ScriptFile.h"

#include "CommandLine.h"
#include "ScoreStore.h"
#include "ScriptRun.h"
#include "ScriptSource.h"
#include "ScriptStop.h"
#include "ScriptedDialogs.h"

#include <QTextStream>

std::optional<ScriptFile::Options> ScriptFile::options(const CommandLine& line,
                                                       QTextStream& err) {
    Options options;
    options.path = line.value(QStringLiteral("script"));
    const QString seedText = line.value(QStringLiteral("seed"));
    bool seedOk = true;
    if (!seedText.isEmpty())
        options.seed = seedText.toULongLong(&seedOk);
    if (!seedOk) {
        line.fail(err, QStringLiteral("--seed must be a whole number, not \"%1\"").arg(seedText));
        return std::nullopt;
    }
    if (options.path.isEmpty()) {
        line.fail(err,
                  QStringLiteral("--script needs the script's file (\"-\" for standard input)"));
        return std::nullopt;
    }
    const QString folder = line.value(QStringLiteral("scores"));
    options.scoreFolder = folder.isEmpty() ? scores::ScoreStore::defaultFolder() : folder;
    return options;
}

int ScriptFile::run(const CommandLine& line, const Options& options, QTextStream& out,
                    QTextStream& err, ScriptRun& run) {
    ScriptSource source;
    if (const QString why = source.open(options.path); !why.isEmpty())
        return line.report(err,
                           QStringLiteral("cannot read the script %1: %2").arg(options.path, why),
                           CommandLine::UsageError);
    QString text;
    try {
        run.start();
        for (;;) {
            text.clear(); // a line that cannot be read is not shown
            if (!source.next(text))
                break;
            if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
                continue;
            run.run(text);
        }
    } catch (const UnansweredDialog& failure) {
        out.flush();
        return line.report(err, QStringLiteral("line %1: %2").arg(source.number()).arg(failure.text()),
                           CommandLine::UsageError);
    } catch (const ScriptStop& failure) {
        out.flush();
        QString message = QStringLiteral("line %1: %2").arg(source.number()).arg(failure.text());
        if (!text.isEmpty())
            message += QStringLiteral(": ") + text;
        return line.report(err, message, CommandLine::UsageError);
    }
    out.flush();
    return 0;
}
