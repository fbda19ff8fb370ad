#pragma once

#include <QDialog>
#include <QFontMetrics>
#include <QMenuBar>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QToolButton>

// What the layout checks of both trainers' windows share: the languages the windows are shown
// in, and whether texts, menus and boxes fit.
namespace layoutchecks {

// Every language of the windows, English first ("en" shows the texts untranslated).
inline QStringList languages() {
    return {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("pt_BR"),
            QStringLiteral("de"), QStringLiteral("fr")};
}

// How many pixels `text` in `font` needs beyond `room`; 0 when it fits.
inline int excess(const QFont& font, const QString& text, int room) {
    return std::max(0, QFontMetrics(font).horizontalAdvance(text) - room);
}

// The titles of the menus the menu bar cannot show: they would be hidden behind the arrow
// button at its end.
inline QStringList menusOutOfSight(QMenuBar* bar) {
    QStringList hidden;
    for (QAction* menu : bar->actions()) {
        if (!menu->isVisible())
            continue;
        const QRect place = bar->actionGeometry(menu);
        if (place.isEmpty() || !bar->rect().contains(place))
            hidden << menu->text();
    }
    // The arrow button appears only when something does not fit.
    for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
        if (arrow->isVisible() && hidden.isEmpty())
            hidden << QStringLiteral("(the arrow button is shown)");
    return hidden;
}

// True when the whole of `dialog`, frame included, lies on its screen's usable area.
inline bool fitsItsScreen(const QDialog* dialog) {
    return dialog->screen()->availableGeometry().contains(dialog->frameGeometry());
}

} // namespace layoutchecks
