#pragma once

#include <QObject>
#include <QTimer>

#include <map>

// Follows the built-in synthesizer's audio thread (a new one each time the output opens) and
// adds up what it read through system calls, from its own I/O counters: a synthesizer that
// reads its sounds from disk on the audio thread shows here.
class AudioThreadWatch : public QObject {
public:
    AudioThreadWatch();
    void start();
    void stop();
    // Bytes read by the audio threads since start().
    long long readBytes() const;

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
