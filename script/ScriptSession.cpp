#include "ScriptSession.h"

#include <QTextStream>

namespace {

// A day of virtual time a wait at most: the clock stays far from its limit, whatever the script.
constexpr qint64 kLongestWait = 24 * 60 * 60 * 1000;

} // namespace

ScriptSession::ScriptSession(QTextStream& out, quint64 seed, const QString& title)
    : out_(out), random_(seed, [this] { return clock_.now(); }), dialogs_(title),
      boundary_(dialogs_), timers_(clock_, boundary_) {
    dialogs_.whenExhausted = DialogScript::WhenExhausted::Refuse;
    dialogs_.shown = [this](const QString& boxTitle, const QString& text, const QString& answer) {
        if (before_)
            before_();
        QString shown = text;
        shown.replace(QLatin1Char('\n'), QStringLiteral(" / "));
        write(QStringLiteral("dialog ") + boxTitle + QStringLiteral(" | ") + shown +
              QStringLiteral(" -> ") + answer);
    };
}

void ScriptSession::write(const QString& text) {
    out_ << clock_.now() << ' ' << text << '\n';
}

bool ScriptSession::runCommonLine(const QString& text) {
    const QString command = text.section(QLatin1Char(' '), 0, 0);
    const QString rest = text.section(QLatin1Char(' '), 1).trimmed();
    if (command == QLatin1String("wait")) {
        bool ok = false;
        const qint64 ms = rest.toLongLong(&ok);
        if (!ok || ms < 0 || ms > kLongestWait)
            throw ScriptError(
                QStringLiteral("wait needs a number of milliseconds from 0 to %1 (a day)")
                    .arg(kLongestWait));
        run([this, ms] { clock_.advance(ms); });
    } else if (command == QLatin1String("reply")) {
        dialogs_.inputAnswers.push_back(rest);
    } else if (text == QLatin1String("cancel")) {
        dialogs_.inputAnswers.push_back(std::nullopt);
    } else if (text == QLatin1String("yes") || text == QLatin1String("no")) {
        dialogs_.confirmAnswers.push_back(text == QLatin1String("yes"));
    } else {
        return false;
    }
    return true;
}
