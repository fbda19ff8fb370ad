#pragma once

#include "PitchState.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace tonewise {

class PitchTrainer;

// What a menu item does that is not the engine's: the window (or a script) carries it out.
enum class WindowCommand { None, HelpTopics, About, Exit };

// The pitch trainer's menu tree as data: captions, marks and enabled flags read from the state,
// and the handler each item runs. The window builds its menus from it and a script finds its
// commands in it, so both run the same handlers.
struct PitchMenuItem {
    QString name; // the item's name ("QuizOff", "Keys1", "Level0" ...)
    std::function<QString(const PitchState&)> caption; // with "&" before an access key
    // Null for an item without a mark; radio items are marked by the state alone.
    std::function<bool(const PitchState&)> checked;
    std::function<bool(const PitchState&)> enabled; // null: always enabled
    std::function<void(PitchTrainer&)> triggered;   // a command item
    std::function<void(PitchTrainer&)> opened;      // a submenu, when it opens
    WindowCommand command = WindowCommand::None;
    std::vector<PitchMenuItem> children;

    bool isSubmenu() const { return !children.empty(); }
    bool isEnabled(const PitchState& state) const { return !enabled || enabled(state); }
    bool isChecked(const PitchState& state) const { return checked && checked(state); }
};

// The menu bar: "&File", "Key", "Scale Steps", "Octave?", "Practice Intervals?",
// "Note Names On?", "Midi", "Advance?", "Repeat Last Note? ", "Help".
std::vector<PitchMenuItem> pitchMenuBar();

// A caption as a student reads it: without the access-key "&" and the blanks around it.
QString plainCaption(const QString& caption);

// The path of captions to an item ("Key", "2 sharps", "D Major"), matched against the plain
// captions shown for `state`; null when an item on the way does not exist.
const PitchMenuItem* findMenuItem(const std::vector<PitchMenuItem>& bar, const PitchState& state,
                                  const QStringList& path);
// The item found points into `bar`: a menu bar that is about to be destroyed cannot be searched.
const PitchMenuItem* findMenuItem(std::vector<PitchMenuItem>&& bar, const PitchState& state,
                                  const QStringList& path) = delete;

// The about box's text.
QString aboutText();

} // namespace tonewise
