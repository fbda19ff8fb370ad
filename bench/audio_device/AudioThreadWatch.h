#pragma once

#include <QObject>
#include <QTimer>

#include <map>

// Follows the built-in synthesizer's audio thread (a new one each time the output opens) and
// adds up what it read from storage, from its own I/O counters. The SoundFont is dropped from
// the page cache before each step of the measurement (evictSoundFont()), so that a synthesizer
// reading its sounds on the audio thread shows here whatever was read before; the thread's
// other reads (the sound server's wakeup pipe and event counters) never reach storage.
class AudioThreadWatch : public QObject {
public:
    AudioThreadWatch();
    void start();
    void stop();
    // Goes on counting after a stop (while idle nothing is sampled, so that the watch itself
    // does not wake the program).
    void resume();
    // Bytes read from storage by the audio threads since start().
    long long readBytes() const;
    // Drops the SoundFont's pages from the page cache (the file stays as it is).
    static void evictSoundFont();

private:
    void sample();

    struct Counter {
        long long first = 0;
        long long last = 0;
    };
    QTimer timer_;
    std::map<int, Counter> threads_;
    bool started_ = false;
};
