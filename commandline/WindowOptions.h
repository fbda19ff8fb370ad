#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class CommandLine;
class QTextStream;

// The options of both trainers' windows: the language, where the sound goes, and the picture
// and start-up probe that screenshots and measurements use.
struct WindowOptions {
    QString language;   // --lang CODE; empty for the system's language
    QString audioFile;  // --audio-file PATH: the sound into a WAV file instead of the sound card
    QString screenshot; // --screenshot PATH: a PNG picture of the window, then the program ends
    bool startupProbe = false; // --startup-probe: "first-paint" at the first paint, then the end

    // The options' names, without dashes.
    static QStringList names();
    // Declares them, with the window system's own options.
    static void addTo(CommandLine& line);
    // Reads them from a parsed command line; nothing, after a message on `err`, when a value
    // cannot be used.
    static std::optional<WindowOptions> from(const CommandLine& line, QTextStream& err);
};
