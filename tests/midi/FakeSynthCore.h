#pragma once

#include "internal/SynthCore.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

// A synthesizer that keeps a log instead of sounding. Pinning takes a while, as reading samples
// from disk does; every call notes whether the preset it selects was pinned by then, and which
// thread pinned.
class FakeSynthCore final : public midi::SynthCore {
public:
    explicit FakeSynthCore(std::vector<midi::PresetId> presets,
                           std::chrono::milliseconds pinTime = std::chrono::milliseconds(0))
        : presets_(std::move(presets)), pinTime_(pinTime) {}

    bool valid() const override { return true; }
    int sampleRate() const override { return 48000; }
    bool loadSoundFont(const QString&, QString*) override { return true; }
    bool hasSoundFont() const override { return true; }
    std::vector<midi::PresetId> presets() const override { return presets_; }

    bool pin(midi::PresetId preset) override {
        std::this_thread::sleep_for(pinTime_);
        std::lock_guard lock(mutex_);
        pinned_.insert(preset);
        pinThreads_.insert(std::this_thread::get_id());
        log_.push_back("pin " + std::to_string(preset));
        return true;
    }
    void unpin(midi::PresetId preset) override {
        std::lock_guard lock(mutex_);
        pinned_.erase(preset);
        log_.push_back("unpin " + std::to_string(preset));
    }
    void message(uint32_t message) override {
        std::lock_guard lock(mutex_);
        if ((message & 0xF0) == 0x90 && ((message >> 16) & 0x7F) != 0)
            voices_ += 1;
        if ((message & 0xF0) == 0x80)
            voices_ = voices_ > 0 ? voices_ - 1 : 0;
        log_.push_back("message " + std::to_string(message));
    }
    void select(int channel, midi::PresetId preset) override {
        std::lock_guard lock(mutex_);
        if (pinned_.count(preset) == 0)
            selectedUnpinned_ += 1;
        log_.push_back("select " + std::to_string(channel) + " " + std::to_string(preset));
    }
    void unselect(int channel) override {
        std::lock_guard lock(mutex_);
        log_.push_back("unselect " + std::to_string(channel));
    }
    void longMessage(const uint8_t*, std::size_t) override {}
    void releaseAll() override {}
    void reset() override {
        std::lock_guard lock(mutex_);
        log_.push_back("reset");
    }
    int activeVoices() override {
        std::lock_guard lock(mutex_);
        return voices_;
    }
    void render(int, float*, float*) override {}

    std::vector<std::string> log() const {
        std::lock_guard lock(mutex_);
        return log_;
    }
    int selectedUnpinned() const {
        std::lock_guard lock(mutex_);
        return selectedUnpinned_;
    }
    std::set<std::thread::id> pinThreads() const {
        std::lock_guard lock(mutex_);
        return pinThreads_;
    }

private:
    const std::vector<midi::PresetId> presets_;
    const std::chrono::milliseconds pinTime_;
    mutable std::mutex mutex_;
    std::set<midi::PresetId> pinned_;
    std::set<std::thread::id> pinThreads_;
    std::vector<std::string> log_;
    int selectedUnpinned_ = 0;
    int voices_ = 0;
};
