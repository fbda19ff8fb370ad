#include "ButtonInput.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QWidget>

#include <algorithm>

bool PressTracker::press(const QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return false;
    tracking_ = true;
    return true;
}

std::optional<bool> PressTracker::move(const QMouseEvent* event, const QRect& area) const {
    if (!tracking_ || !(event->buttons() & Qt::LeftButton))
        return std::nullopt;
    return area.contains(event->position().toPoint());
}

std::optional<bool> PressTracker::release(const QMouseEvent* event, const QRect& area) {
    if (event->button() != Qt::LeftButton || !tracking_)
        return std::nullopt;
    tracking_ = false;
    return area.contains(event->position().toPoint());
}

void ButtonShortcuts::clear() {
    for (int id : ids_)
        button_->releaseShortcut(id);
    ids_.clear();
}

void ButtonShortcuts::add(const QKeySequence& keys) {
    ids_.push_back(button_->grabShortcut(keys, Qt::WindowShortcut));
}

void ButtonShortcuts::addAccelerator(const QString& caption) {
    const QChar letter = acceleratorOf(caption);
    if (letter.isNull() || letter.isSpace())
        return;
    // The letter alone acts when the focused control does not take typed text (a line edit
    // claims its keys first); with Alt it acts anywhere in the window.
    add(QKeySequence(QString(letter.toUpper())));
    add(QKeySequence::mnemonic(caption));
}

bool ButtonShortcuts::owns(const QEvent* event) const {
    if (event->type() != QEvent::Shortcut)
        return false;
    const int id = static_cast<const QShortcutEvent*>(event)->shortcutId();
    return std::find(ids_.begin(), ids_.end(), id) != ids_.end();
}

QChar acceleratorOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption.at(i + 1);
    }
    return {};
}

bool isPlainKey(const QKeyEvent* key) {
    return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool isPlainEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && isPlainKey(key);
}

bool claimEnter(QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride ||
        !isPlainEnter(static_cast<const QKeyEvent*>(event)))
        return false;
    event->accept();
    return true;
}
