#pragma once

#include "RhythmState.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class RhythmTrainer;

// What a menu item does that is not the engine's: the window (or a script) carries it out.
enum class RhythmWindowCommand { None, HelpTopics, About, Exit };

// The rhythm trainer's menu tree as data: captions, marks and enabled flags read from the state,
// and the handler each item runs. The window builds its menus from it and a script finds its
// commands in it, so both run the same handlers.
struct RhythmMenuItem {
    QString name; // the item's name ("Off2", "Simple", "On1" ...)
    // The caption in English, with "&" before an access key; "%1" stands for `argument`.
    QString caption;
    int argument = -1; // -1: the caption has no "%1"
    // Null for an item without a mark; radio items are marked by the state alone.
    std::function<bool(const RhythmState&)> checked;
    std::function<bool(const RhythmState&)> enabled; // null: always enabled
    std::function<void(RhythmTrainer&)> triggered;   // a command item
    std::function<void(RhythmTrainer&)> opened;      // a submenu, when it opens
    RhythmWindowCommand command = RhythmWindowCommand::None;
    std::vector<RhythmMenuItem> children;

    bool isSubmenu() const { return !children.empty(); }
    bool isEnabled(const RhythmState& state) const { return !enabled || enabled(state); }
    bool isChecked(const RhythmState& state) const { return checked && checked(state); }
    // The caption as a script names it: in English, without the access-key "&".
    QString plainCaption() const;
};

// The menu bar: "&File", "Rhythm Patterns", "Advance", "Midi", "Help". The captions are the
// window's texts (translation context "TRhytm7").
std::vector<RhythmMenuItem> rhythmMenuBar();

// The path of captions to an item ("Rhythm Patterns", "Compound", "5 patterns"); null when an
// item on the way does not exist.
const RhythmMenuItem* findRhythmMenuItem(const std::vector<RhythmMenuItem>& bar,
                                         const QStringList& path);

// The about box's text.
QString rhythmAboutText();
