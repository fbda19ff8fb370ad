#include "PresetGate.h"

#include <algorithm>

namespace midi {

namespace {

using Kind = PlayerCommand::Kind;

// Commands that may select a sound: a program change, a note (a channel's first one takes its
// default sound), a stream's buffer of events.
bool maySelect(const PlayerCommand& command) {
    if (command.kind == Kind::Queue)
        return true;
    if (command.kind != Kind::Message)
        return false;
    const uint32_t status = command.value & 0xF0;
    return status == 0xC0 || (status == 0x90 && ((command.value >> 16) & 0x7F) != 0);
}

const PresetCatalogue& emptyCatalogue() {
    static const PresetCatalogue none;
    return none;
}

void addOnce(std::vector<PresetId>& presets, PresetId preset) {
    if (std::find(presets.begin(), presets.end(), preset) == presets.end())
        presets.push_back(preset);
}

constexpr int32_t NoPreset = -1;

} // namespace

PresetGate::PresetGate(StreamPlayer& player, const PinnedPresets& pinned)
    : player_(player), pinned_(pinned) {
    for (Recent& recent : recent_)
        recent.fill(NoPreset);
}

bool PresetGate::send(const PlayerCommand& command) {
    Held held;
    held.command = command;
    return accept(std::move(held));
}

bool PresetGate::sendLong(const uint8_t* data, std::size_t size) {
    if (size > StreamPlayer::MaxLongMessage)
        return false;
    Held held;
    held.command.kind = Kind::LongMessage;
    held.longData.assign(data, data + size);
    return accept(std::move(held));
}

bool PresetGate::hasRoom(std::size_t commands) const {
    std::lock_guard lock(mutex_);
    return held_.empty() ? player_.hasRoom(commands) : held_.size() + commands <= HeldCapacity;
}

bool PresetGate::accept(Held held) {
    bool accepted = false;
    std::vector<PresetId> before;
    {
        std::lock_guard lock(mutex_);
        before = wantedLocked();
        if (!held_.empty() || (!passThrough_ && catalogue_ == nullptr && maySelect(held.command))) {
            // Behind others, or its sounds are not known yet: it waits its turn.
            if (held_.size() >= HeldCapacity)
                return false;
            held_.push_back(std::move(held));
            pumpLocked();
            accepted = true;
        } else {
            const MidiChannels channels = channels_;
            const std::array<Recent, 16> recent = recent_;
            analyse(held);
            if (!ready(held)) {
                held_.push_back(std::move(held));
                accepted = true;
            } else if (forward(held)) {
                accepted = true;
            } else {
                // No room: as if it had never been sent.
                channels_ = channels;
                recent_ = recent;
            }
        }
    }
    if (accepted)
        tellLoader(before);
    return accepted;
}

bool PresetGate::forward(const Held& held) {
    if (held.command.kind == Kind::LongMessage)
        return player_.sendLong(held.longData.data(), held.longData.size());
    return player_.send(held.command);
}

bool PresetGate::ready(const Held& held) const {
    return passThrough_ || std::all_of(held.needs.begin(), held.needs.end(),
                                       [this](PresetId p) { return pinned_.isSettled(p); });
}

// Follows the command through the channels and notes the sounds it selects. False when it
// cannot be told yet (its sounds are not known before the SoundFont is loaded).
bool PresetGate::analyse(Held& held) {
    if (held.analysed)
        return true;
    if (passThrough_) {
        held.analysed = true;
        return true;
    }
    if (catalogue_ == nullptr && maySelect(held.command))
        return false;
    const PresetCatalogue& catalogue = catalogue_ != nullptr ? *catalogue_ : emptyCatalogue();
    const PlayerCommand& command = held.command;
    if (command.kind == Kind::Message) {
        note(channels_.apply(command.value, catalogue), held.needs);
    } else if (command.kind == Kind::LongMessage) {
        channels_.applyLong(held.longData.data(), held.longData.size());
    } else if (command.kind == Kind::Queue) {
        for (std::size_t i = 0; i < command.count; ++i) {
            const uint32_t event = command.events[i].event;
            if ((event & EventTypeMask) == 0)
                note(channels_.apply(event & 0x00FFFFFFu, catalogue), held.needs);
        }
    }
    held.analysed = true;
    return true;
}

void PresetGate::note(const MidiChannels::Outcome& outcome, std::vector<PresetId>& needs) {
    if (outcome.effect != MidiChannels::Effect::Select || !outcome.preset)
        return;
    const PresetId preset = *outcome.preset;
    addOnce(needs, preset);
    // The channel's most recent sounds, this one first.
    Recent& recent = recent_[static_cast<std::size_t>(outcome.channel)];
    auto found = std::find(recent.begin(), recent.end(), static_cast<int32_t>(preset));
    if (found == recent.end())
        found = recent.end() - 1;
    std::rotate(recent.begin(), found, found + 1);
    recent.front() = preset;
}

void PresetGate::preparePrograms(int channel, const std::vector<int>& programs) {
    if (channel < 0 || channel >= 16)
        return;
    std::vector<PresetId> before;
    {
        std::lock_guard lock(mutex_);
        before = wantedLocked();
        const std::vector<PresetId> previous = declared_[static_cast<std::size_t>(channel)];
        declaredPrograms_[static_cast<std::size_t>(channel)] = programs;
        resolveDeclared();
        // What the program no longer names for the channel, it no longer uses there.
        const std::vector<PresetId>& now = declared_[static_cast<std::size_t>(channel)];
        for (PresetId old : previous) {
            if (std::find(now.begin(), now.end(), old) != now.end())
                continue;
            Recent& recent = recent_[static_cast<std::size_t>(channel)];
            auto found = std::find(recent.begin(), recent.end(), static_cast<int32_t>(old));
            if (found != recent.end()) {
                std::rotate(found, found + 1, recent.end());
                recent.back() = NoPreset;
            }
        }
    }
    tellLoader(before);
}

void PresetGate::resolveDeclared() {
    if (catalogue_ == nullptr)
        return;
    for (int channel = 0; channel < 16; ++channel) {
        std::vector<PresetId>& declared = declared_[static_cast<std::size_t>(channel)];
        declared.clear();
        for (int program : declaredPrograms_[static_cast<std::size_t>(channel)]) {
            if (const auto preset =
                    catalogue_->resolve(0, program, channel == MidiChannels::PercussionChannel))
                addOnce(declared, *preset);
        }
    }
}

void PresetGate::setCatalogue(const PresetCatalogue* catalogue) {
    std::vector<PresetId> before;
    int forwarded = 0;
    {
        std::lock_guard lock(mutex_);
        before = wantedLocked();
        catalogue_ = catalogue;
        passThrough_ = catalogue == nullptr;
        resolveDeclared();
        pumpLocked(&forwarded);
    }
    if (forwarded > 0 && forwarded_)
        forwarded_();
    tellLoader(before);
}

bool PresetGate::pump() {
    std::vector<PresetId> before;
    bool waiting = false;
    int forwarded = 0;
    {
        std::lock_guard lock(mutex_);
        before = wantedLocked();
        waiting = pumpLocked(&forwarded);
    }
    if (forwarded > 0 && forwarded_)
        forwarded_();
    tellLoader(before);
    return waiting;
}

bool PresetGate::pumpLocked(int* forwarded) {
    while (!held_.empty()) {
        Held& front = held_.front();
        if (!analyse(front) || !ready(front) || !forward(front))
            return true;
        held_.pop_front();
        if (forwarded != nullptr)
            *forwarded += 1;
    }
    return false;
}

std::vector<PresetId> PresetGate::wanted() const {
    std::lock_guard lock(mutex_);
    return wantedLocked();
}

std::vector<PresetId> PresetGate::wantedLocked() const {
    std::vector<PresetId> wanted;
    if (passThrough_)
        return wanted;
    if (!held_.empty())
        for (PresetId preset : held_.front().needs)
            addOnce(wanted, preset);
    for (int channel = 0; channel < 16; ++channel) {
        for (PresetId preset : declared_[static_cast<std::size_t>(channel)])
            addOnce(wanted, preset);
        for (int32_t preset : recent_[static_cast<std::size_t>(channel)])
            if (preset != NoPreset)
                addOnce(wanted, static_cast<PresetId>(preset));
    }
    return wanted;
}

bool PresetGate::isWanted(PresetId preset) const {
    const std::vector<PresetId> wanted = wantedLocked();
    return std::find(wanted.begin(), wanted.end(), preset) != wanted.end();
}

void PresetGate::tellLoader(const std::vector<PresetId>& before) {
    if (!work_)
        return;
    std::vector<PresetId> now;
    bool waiting = false;
    {
        std::lock_guard lock(mutex_);
        now = wantedLocked();
        waiting = !held_.empty();
    }
    std::vector<PresetId> old = before;
    std::sort(now.begin(), now.end());
    std::sort(old.begin(), old.end());
    if (waiting || now != old)
        work_();
}

} // namespace midi
