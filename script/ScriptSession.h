#pragma once

#include "BoundTimers.h"
#include "MenuItem.h"
#include "ReplayableRandom.h"
#include "ScriptStop.h"
#include "ScriptedDialogs.h"
#include "ShowingBoundary.h"
#include "VirtualClock.h"

#include <QString>
#include <QStringList>

#include <functional>

class QTextStream;

// What every trainer's script run shares: the virtual clock and its timers (whose handlers run
// through the event boundary, as the window's do), repeatable draws, the boxes answered from the
// script, the transcript with each line's virtual time, and the lines every script knows:
//   wait MS                  lets MS milliseconds pass (a day at most)
//   reply TEXT, cancel       the answer to the next prompt
//   yes, no                  the answer to the next question
// and menu paths. A box's line is "T dialog TITLE | TEXT -> ANSWER".
class ScriptSession {
public:
    ScriptSession(QTextStream& out, quint64 seed, const QString& title);

    VirtualClock& clock() { return clock_; }
    Random& random() { return random_; }
    ScriptedDialogs& dialogs() { return dialogs_; }
    TimerFactory& timers() { return timers_; }

    // Runs before the session writes a line of its own (a box's), so that the run can first
    // write what its trainer has changed.
    void setBeforeLine(std::function<void()> before) { before_ = std::move(before); }
    // Writes "T text".
    void write(const QString& text);
    // Runs a student's action through the event boundary.
    void run(const std::function<void()>& action) { boundary_.run(action); }
    // Carries out `text` when it is a line every script knows; false when it is none of them.
    bool runCommonLine(const QString& text);

    // Follows a menu path of captions from `bar`, opening the submenus on the way as a student
    // does. Returns the item reached: a command, or a submenu whose opening was the command.
    template <typename State, typename Engine>
    const MenuItem<State, Engine>& followMenu(const std::vector<MenuItem<State, Engine>>& bar,
                                              Engine& engine, const QStringList& path);

private:
    QTextStream& out_;
    VirtualClock clock_;
    ReplayableRandom random_;
    ScriptedDialogs dialogs_;
    ShowingBoundary boundary_;
    BoundTimers timers_;
    std::function<void()> before_;
};

template <typename State, typename Engine>
const MenuItem<State, Engine>&
ScriptSession::followMenu(const std::vector<MenuItem<State, Engine>>& bar, Engine& engine,
                          const QStringList& path) {
    const std::vector<MenuItem<State, Engine>>* level = &bar;
    const MenuItem<State, Engine>* item = nullptr;
    for (const QString& raw : path) {
        const QString step = raw.trimmed();
        item = findMenuItem(*level, engine.state(), {step});
        if (!item)
            throw ScriptError(QStringLiteral("no menu item \"%1\"").arg(step));
        if (!item->isEnabled(engine.state()))
            throw ScriptError(QStringLiteral("the menu item \"%1\" is disabled").arg(step));
        if (item->opened)
            run([&engine, item] { item->opened(engine); });
        level = &item->children;
    }
    if (!item || (item->isSubmenu() && !item->opened))
        throw ScriptError(QStringLiteral("a menu command needs the path to an item"));
    return *item;
}
