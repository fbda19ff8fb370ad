#include "WindowOptions.h"

#include "CommandLine.h"

namespace {

const QString kLang = QStringLiteral("lang");
const QString kAudioFile = QStringLiteral("audio-file");
const QString kScreenshot = QStringLiteral("screenshot");
const QString kStartupProbe = QStringLiteral("startup-probe");

} // namespace

QStringList WindowOptions::names() {
    return {kLang, kAudioFile, kScreenshot, kStartupProbe};
}

void WindowOptions::addTo(CommandLine& line) {
    line.addOption({kLang,
                    QStringLiteral("The window's language (es, pt_BR, de, fr; en for English) "
                                   "instead of the system's."),
                    QStringLiteral("CODE")});
    line.addOption({kAudioFile,
                    QStringLiteral("Record what the built-in synthesizer plays into this WAV "
                                   "file instead of sounding it."),
                    QStringLiteral("PATH")});
    line.addOption({kScreenshot,
                    QStringLiteral("Show the window maximised, save it as a PNG image once "
                                   "start-up is complete, and exit (no sound)."),
                    QStringLiteral("PATH")});
    line.addOption({kStartupProbe, QStringLiteral("Print \"first-paint\" when the window is "
                                                  "first painted, and exit.")});
    line.acceptWindowSystemOptions();
}

std::optional<WindowOptions> WindowOptions::from(const CommandLine& line, QTextStream& err) {
    WindowOptions options;
    options.language = line.value(kLang);
    options.audioFile = line.value(kAudioFile);
    options.screenshot = line.value(kScreenshot);
    options.startupProbe = line.isSet(kStartupProbe);
    if (line.isSet(kLang) && (options.language.isEmpty() || options.language.startsWith('-'))) {
        line.fail(err, QStringLiteral("--lang needs a language code such as es, pt_BR, de or fr"));
        return std::nullopt;
    }
    if (line.isSet(kAudioFile) && options.audioFile.isEmpty()) {
        line.fail(err, QStringLiteral("--audio-file needs the path of the WAV file"));
        return std::nullopt;
    }
    if (line.isSet(kScreenshot) && options.screenshot.isEmpty()) {
        line.fail(err, QStringLiteral("--screenshot needs the path of the PNG file"));
        return std::nullopt;
    }
    return options;
}
