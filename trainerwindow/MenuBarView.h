#pragma once

#include "MenuItem.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <map>
#include <vector>

// A trainer's menu bar built from its menu tree: each item becomes a menu or an action named
// after the item, runs its handler through `run` (the window's event boundary), and takes its
// caption, mark and enabled flag from the state whenever the window shows the state. Captions
// are translated in `context`.
class MenuBarView {
public:
    using Run = std::function<void(const std::function<void()>&)>;
    using WindowCommandRun = std::function<void(WindowCommand)>;

    template <typename State, typename Engine>
    void build(QMenuBar* bar, const std::vector<MenuItem<State, Engine>>& tree, const State& state,
               Engine& engine, const char* context, Run run, WindowCommandRun command);

    // Brings every caption, mark and enabled flag up to the state.
    void show() const {
        for (const auto& refresh : refreshers_)
            refresh();
    }
    QAction* action(const QString& name) const {
        const auto found = actions_.find(name);
        return found == actions_.end() ? nullptr : found->second;
    }

private:
    template <typename State, typename Engine>
    void addItems(QMenu* menu, const std::vector<MenuItem<State, Engine>>& items,
                  const State& state, Engine& engine);
    template <typename State, typename Engine>
    void follow(QAction* action, const MenuItem<State, Engine>& item, const State& state);

    const char* context_ = "";
    Run run_;
    WindowCommandRun command_;
    std::vector<std::function<void()>> refreshers_;
    std::map<QString, QAction*> actions_;
};

template <typename State, typename Engine>
void MenuBarView::build(QMenuBar* bar, const std::vector<MenuItem<State, Engine>>& tree,
                        const State& state, Engine& engine, const char* context, Run run,
                        WindowCommandRun command) {
    context_ = context;
    run_ = std::move(run);
    command_ = std::move(command);
    const auto translate = [context](const QString& text) {
        return QCoreApplication::translate(context, text.toUtf8().constData());
    };
    for (const MenuItem<State, Engine>& top : tree) {
        QMenu* menu = bar->addMenu(top.shownText(state, translate));
        menu->setObjectName(top.name);
        menu->menuAction()->setObjectName(top.name);
        follow(menu->menuAction(), top, state);
        addItems(menu, top.children, state, engine);
    }
}

template <typename State, typename Engine>
void MenuBarView::addItems(QMenu* menu, const std::vector<MenuItem<State, Engine>>& items,
                           const State& state, Engine& engine) {
    const auto translate = [context = context_](const QString& text) {
        return QCoreApplication::translate(context, text.toUtf8().constData());
    };
    QActionGroup* radio = nullptr;
    for (const MenuItem<State, Engine>& item : items) {
        if (item.separated) {
            // A line ends a group of marks: what follows it is marked on its own.
            menu->addSeparator();
            radio = nullptr;
        }
        QAction* action = nullptr;
        if (item.isSubmenu()) {
            QMenu* submenu = menu->addMenu(item.shownText(state, translate));
            submenu->setObjectName(item.name);
            action = submenu->menuAction();
            if (item.opened)
                QObject::connect(submenu, &QMenu::aboutToShow, submenu, [this, &item, &engine] {
                    run_([&item, &engine] { item.opened(engine); });
                });
            addItems(submenu, item.children, state, engine);
        } else {
            action = menu->addAction(item.shownText(state, translate));
            if (!item.shortcut.isEmpty())
                action->setShortcut(QKeySequence(item.shortcut));
            QObject::connect(action, &QAction::triggered, action, [this, &item, &engine] {
                if (item.triggered)
                    run_([&item, &engine] { item.triggered(engine); });
                else
                    command_(item.command);
            });
        }
        action->setObjectName(item.name);
        if (item.checked) {
            // Radio items of one submenu look like one group; the marks come from the state.
            if (!radio) {
                radio = new QActionGroup(menu);
                radio->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            action->setCheckable(true);
            radio->addAction(action);
        }
        follow(action, item, state);
    }
}

template <typename State, typename Engine>
void MenuBarView::follow(QAction* action, const MenuItem<State, Engine>& item, const State& state) {
    actions_[item.name] = action;
    refreshers_.push_back([this, action, &item, &state] {
        const QString caption = item.shownText(state, [this](const QString& text) {
            return QCoreApplication::translate(context_, text.toUtf8().constData());
        });
        if (action->text() != caption)
            action->setText(caption);
        action->setEnabled(item.isEnabled(state));
        if (item.checked)
            action->setChecked(item.isChecked(state));
    });
}
