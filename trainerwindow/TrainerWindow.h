#pragma once

#include "HelpWindow.h"
#include "MenuBarView.h"
#include "RefreshingDialogs.h"
#include "ShowingBoundary.h"

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <functional>

class TElasticForm;

// The shell both trainers' windows are built in. It gives the trainer boxes that first show the
// window's state, runs every handler (a click, a menu command, a timer, an answer from any
// source) through one event boundary that shows a failure in an error box and then the state,
// builds the menu bar from the trainer's menu tree, sets up the form scaler from the window's
// design, and reports the first activation and the closing of the window. A window built on it
// only builds its controls, binds them to handlers and shows the state.
class TrainerWindow : public QMainWindow {
    Q_OBJECT
public:
    // `boxes` are the real boxes (or scripted ones in tests); they must outlive the window.
    explicit TrainerWindow(Dialogs& boxes, QWidget* parent = nullptr);
    ~TrainerWindow() override;

    // Brings every control up to the trainer's state: the menus, then the window's own.
    void showState();
    // The menu item of that name ("QuizOn", "Level0", "Simple" ...), or null.
    QAction* menuAction(const QString& name) const { return menus_.action(name); }
    HelpWindow* helpWindow() const;
    // Maximised, with the form scaler's design taken: what the start-up picture waits for.
    bool startedUp() const;

    TElasticForm* ElasticForm1 = nullptr;

protected:
    // The window as it was designed, for the form scaler.
    struct Design {
        QSize screen{808, 580};
        int pixelsPerInch = 96;
        QRect form;   // the window's frame: its place and size
        QSize client; // its client area
        QFont font;
        QString activeControl; // the control that has the focus after a rescale, if any
    };

    // Boxes that first show the state, for the trainer.
    Dialogs& dialogs() { return dialogs_; }
    EventBoundary& boundary() { return boundary_; }
    // Runs a handler at the event boundary.
    void forward(const std::function<void()>& handler) { boundary_.run(handler); }

    // The client area: a plain ground of `colour` in the window's `font`, at its designed size.
    QWidget* buildClientArea(const QColor& colour, const QFont& font, const QSize& size);
    void buildScaler(const Design& design);
    template <typename State, typename Engine>
    void buildMenuBar(const std::vector<MenuItem<State, Engine>>& tree, const State& state,
                      Engine& engine, const char* context) {
        menus_.build(
            menuBar(), tree, state, engine, context,
            [this](const std::function<void()>& handler) { forward(handler); },
            [this](WindowCommand command) { runWindowCommand(command); });
    }
    void openHelp(HelpWindow::Program program);

    // What only this window shows of the state.
    virtual void showControls() = 0;
    // The menu items that are the window's own: "Help Topics", "About", "Exit" (which closes
    // the window).
    virtual void runWindowCommand(WindowCommand command);
    // The first activation of the window.
    virtual void firstActivation() {}
    // The window closes.
    virtual void closing() {}

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    RefreshingDialogs dialogs_;
    ShowingBoundary boundary_;
    MenuBarView menus_;
    QPointer<HelpWindow> help_;
    bool activated_ = false;
};
