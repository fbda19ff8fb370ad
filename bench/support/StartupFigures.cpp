#include "StartupFigures.h"

#include "BenchSupport.h"
#include "SoundServerRig.h"

#include <cstdio>

namespace bench {

StartupFigures measureStartup(const QString& program, const QString& emptyWindow, int runs,
                              const ExitChoice& exit) {
    StartupFigures figures;
    const InterleavedStartup starts = interleavedStartup(program, emptyWindow, runs);
    const Summary own = summarise(starts.programMs);
    const Summary empty = summarise(starts.emptyWindowMs);
    const Summary text = summarise(starts.textWindowMs);
    const Summary exits = summarise(starts.programExitMs);
    figures.runs = static_cast<int>(own.count);
    figures.programMs = own.median;
    figures.programMinMs = own.min;
    figures.programMaxMs = own.max;
    figures.emptyWindowMs = empty.median;
    if (own.count > 0 && empty.count > 0 && empty.median > 0)
        figures.ratioToEmptyWindow = own.median / empty.median;
    figures.textWindowMs = text.median;
    if (own.count > 0 && text.count > 0 && text.median > 0)
        figures.ratioToTextWindow = own.median / text.median;
    figures.exitMs = exits.median;
    figures.exitMaxMs = exits.max;

    SoundServer server;
    if (server.start()) {
        const ResidentMemory memory = residentAfter(program, own.median, 5.0);
        figures.rssMbWithSoundServer = memory.totalMb;
        figures.rssMbAnonymous = memory.anonymousMb;
        figures.rssMbSoundLibraries = memory.soundLibrariesMb;
        const ExitTimes exits = timeFileExit(program, exit, 5);
        const Summary playing = summarise(exits.playingMs);
        const Summary starting = summarise(exits.startingMs);
        figures.fileExitMs = playing.median;
        figures.fileExitMaxMs = playing.max;
        figures.startingExitMs = starting.median;
        figures.startingExitMaxMs = starting.max;
    } else
        std::printf("no private sound server could be started: no memory figure with one\n");
    server.stop();
    return figures;
}

void StartupFigures::print(const QString& name) const {
    std::printf("%s start to first painted window: median %.1f ms (min %.1f, max %.1f) over %d "
                "starts; the empty Qt main window: median %.1f ms, interleaved; ratio %.2f\n",
                qPrintable(name), programMs, programMinMs, programMaxMs, runs, emptyWindowMs,
                ratioToEmptyWindow);
    std::printf("the same window with one line of text: median %.1f ms, interleaved; %s's ratio "
                "to it %.2f\n",
                textWindowMs, qPrintable(name), ratioToTextWindow);
    std::printf("%s ends %.1f ms after its first paint (median; max %.1f) when told to quit "
                "right away\n",
                qPrintable(name), exitMs, exitMaxMs);
    std::printf("%s resident memory 5 s after its window appeared, with a sound server: "
                "%.1f MB, of which %.1f MB backed by no file and %.1f MB the libraries only the "
                "sound module loads (the synthesizer library and its dependencies)\n",
                qPrintable(name), rssMbWithSoundServer, rssMbAnonymous, rssMbSoundLibraries);
    std::printf("%s ends %.1f ms (median; max %.1f) after File > Exit while the sound plays, "
                "and %.1f ms (max %.1f) when Exit comes as the window appears\n",
                qPrintable(name), fileExitMs, fileExitMaxMs, startingExitMs, startingExitMaxMs);
}

} // namespace bench
