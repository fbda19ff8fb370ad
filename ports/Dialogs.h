#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The modal boxes a trainer asks and tells through. Boxes without a caption of their
// own carry the application title.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An information box with OK.
    virtual void information(const QString& text) = 0;
    // A failure the student must know about (a score file that could not be written...), with OK.
    virtual void error(const QString& text) = 0;
    // A confirmation box with Yes and No; true only for Yes.
    virtual bool confirm(const QString& text) = 0;
    // A confirmation before something is erased or overwritten: as confirm, but a box on the
    // screen takes Enter, like Escape, as No, so that only a deliberate Yes destroys anything.
    virtual bool confirmDestructive(const QString& text) { return confirm(text); }
    // A one-line input box titled `caption` with `prompt` above a field holding `defaultText`;
    // the text typed when OK is pressed, nothing when the box is cancelled.
    virtual std::optional<QString> input(const QString& caption, const QString& prompt,
                                         const QString& defaultText) = 0;
    // The "Scores" window, modal, showing the lines of a score file.
    virtual void showScores(const QStringList& lines) = 0;
    // A folder chooser starting at `defaultFolder`; the folder picked, nothing when cancelled.
    virtual std::optional<QString> chooseFolder(const QString& caption,
                                                const QString& defaultFolder) = 0;
};
