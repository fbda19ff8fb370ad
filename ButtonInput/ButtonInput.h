#pragma once

#include <QChar>
#include <QKeySequence>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

// The press of an owner-drawn button by the left mouse button, followed from the press to the
// release: the pointer may leave the button and come back while the button is held, and only a
// release over the button is a click.
class PressTracker {
public:
    // A left press starts being followed; true when it did.
    bool press(const QMouseEvent* event);
    // While a press is followed and the left button held: whether the pointer is over `area`.
    std::optional<bool> move(const QMouseEvent* event, const QRect& area) const;
    // The left button released: whether the followed press ended over `area` (a click).
    // Nothing when no press was followed or another button was released.
    std::optional<bool> release(const QMouseEvent* event, const QRect& area);
    // Stops following (the button was disabled, or its state set from code).
    void cancel() { tracking_ = false; }
    bool isTracking() const { return tracking_; }

private:
    bool tracking_ = false;
};

// The window-wide keys a button answers to: Enter for a default button, Escape for a cancel
// button, the accelerator letter of its caption alone and with Alt.
class ButtonShortcuts {
public:
    explicit ButtonShortcuts(QWidget* button) : button_(button) {}
    ~ButtonShortcuts() = default;
    ButtonShortcuts(const ButtonShortcuts&) = delete;
    ButtonShortcuts& operator=(const ButtonShortcuts&) = delete;

    // Gives up every key taken so far.
    void clear();
    void add(const QKeySequence& keys);
    // The caption's accelerator ("&Next" gives N), if it has one.
    void addAccelerator(const QString& caption);
    // Whether a shortcut event is for one of these keys.
    bool owns(const QEvent* event) const;
    // What a button's event handler does with keys: a focused button claims plain Enter before
    // the window's default button, and its own keys click it through `click` while `mayAct`.
    // True when `event` was taken here.
    template <typename Click> bool answer(QEvent* event, bool mayAct, Click&& click) const;

private:
    QWidget* button_;
    std::vector<int> ids_;
};

// The accelerator letter of a caption: the character after a single "&" ("&&" is a literal
// ampersand); null when there is none.
QChar acceleratorOf(const QString& caption);

// Enter or Return without modifiers (the keypad's Enter included).
bool isPlainEnter(const QKeyEvent* key);
// A key pressed without modifiers (the keypad's included).
bool isPlainKey(const QKeyEvent* key);
// A focused button takes plain Enter itself, before the window's default button: true when
// `event` is such a shortcut override, which is then accepted.
bool claimEnter(QEvent* event);

template <typename Click>
bool ButtonShortcuts::answer(QEvent* event, bool mayAct, Click&& click) const {
    if (claimEnter(event))
        return true;
    if (!owns(event))
        return false;
    if (mayAct)
        click();
    return true;
}
