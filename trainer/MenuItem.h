#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// What a menu item does that is not the engine's: the window (or a script) carries it out.
enum class WindowCommand { None, HelpTopics, About, Exit };

// A trainer's menu tree as data: captions, marks and enabled flags read from the state, and the
// handler each item runs. The window builds its menus from it and a script finds its commands
// in it, so both run the same handlers.
template <typename State, typename Engine> struct MenuItem {
    QString name; // the item's name ("QuizOff", "Keys1", "Level0" ...)
    // The caption in English, with "&" before an access key; "%1" stands for `argument`.
    std::function<QString(const State&)> caption;
    int argument = -1; // -1: the caption has no "%1"
    // Null for an item without a mark; radio items are marked by the state alone.
    std::function<bool(const State&)> checked;
    std::function<bool(const State&)> enabled; // null: always enabled
    std::function<void(Engine&)> triggered;    // a command item
    std::function<void(Engine&)> opened;       // a submenu, when it opens
    WindowCommand command = WindowCommand::None;
    bool separated = false; // a line above it in its menu
    QString shortcut;       // the key that runs a command item ("Ctrl+T"); empty: none
    std::vector<MenuItem> children;

    bool isSubmenu() const { return !children.empty(); }
    bool isEnabled(const State& state) const { return !enabled || enabled(state); }
    bool isChecked(const State& state) const { return checked && checked(state); }
    // The caption in English with its argument, as a script names the item.
    QString text(const State& state) const {
        return argument >= 0 ? caption(state).arg(argument) : caption(state);
    }
    // The caption as a student reads it in `translate`'s language, with its argument.
    QString shownText(const State& state,
                      const std::function<QString(const QString&)>& translate) const {
        const QString shown = translate(caption(state));
        return argument >= 0 ? shown.arg(argument) : shown;
    }
};

// A caption as a student reads it: without the access-key "&" and the blanks around it.
inline QString plainCaption(const QString& caption) {
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    return plain.trimmed();
}

// The path of captions to an item ("Key", "2 sharps", "D Major"), matched against the plain
// captions shown for `state`; null when an item on the way does not exist.
template <typename State, typename Engine>
const MenuItem<State, Engine>* findMenuItem(const std::vector<MenuItem<State, Engine>>& bar,
                                            const State& state, const QStringList& path) {
    const std::vector<MenuItem<State, Engine>>* level = &bar;
    const MenuItem<State, Engine>* found = nullptr;
    for (const QString& step : path) {
        found = nullptr;
        for (const MenuItem<State, Engine>& item : *level) {
            if (plainCaption(item.text(state)) == step.trimmed()) {
                found = &item;
                break;
            }
        }
        if (!found)
            return nullptr;
        level = &found->children;
    }
    return found;
}
