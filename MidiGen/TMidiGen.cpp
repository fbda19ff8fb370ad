#include "TMidiGen.h"

#include "BuiltinSynth.h"
#include "MidiResult.h"
#include "NoteStringParser.h"
#include "OutputPort.h"
#include "StreamBuilder.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>

#include <algorithm>

static_assert(sizeof(midigen::BufferEvent) == sizeof(midi::StreamEvent));
static_assert(midigen::EventCallback == midi::EventCallback);
static_assert(midigen::EventTypeMask == midi::EventTypeMask);

namespace {

// Every player takes the next number; the number of the player that last opened a stream
// owns the output, and no other player of the process may play while it lives.
int instanceCounter = 1;
int ownerNumber = 0;

int clampedTo(int value, int low, int high) {
    return std::clamp(value, low, high);
}

} // namespace

TMidiGen::TMidiGen(QObject* parent) : QObject(parent), number_(instanceCounter++) {
    PrepareSound();
}

TMidiGen::~TMidiGen() {
    if (declaredChannel_ >= 0)
        midi::prepareBuiltinSynthPrograms(declaredChannel_, {});
    // The stream is let go at once, whether or not it has reached its first event: it stops
    // and closes on the playing side, which keeps its own copy of the events until it has let
    // go of them. Nothing waits here for the synthesizer, which may still be loading.
    looping_ = false;
    if (stream_ && !closing_)
        stream_->reset();
    stream_.reset();
    streamOpen_ = false;
    if (isPlaying_) {
        isPlaying_ = false;
        emit playingChanged(false);
    }
    if (ownerNumber == number_)
        ownerNumber = 0;
}

void TMidiGen::SetVolume(int value) {
    volume_ = clampedTo(value, 0, 100);
}

void TMidiGen::SetPan(int value) {
    pan_ = clampedTo(value, -100, 100);
}

void TMidiGen::SetReverb(int value) {
    reverb_ = clampedTo(value, 0, 100);
}

void TMidiGen::SetChorus(int value) {
    chorus_ = clampedTo(value, 0, 100);
}

void TMidiGen::SetModulation(int value) {
    modulation_ = clampedTo(value, 0, 100);
}

void TMidiGen::SetPitchBend(int value) {
    pitchBend_ = clampedTo(value, -120, 120);
}

void TMidiGen::SetPBDelay(int value) {
    pbDelay_ = clampedTo(value, 0, 100);
}

void TMidiGen::SetPBDuration(int value) {
    pbDuration_ = clampedTo(value, 0, 100);
}

void TMidiGen::SetNote(int value) {
    note_ = static_cast<TMGNote>(clampedTo(value, 0, midigen::NoteCount - 1));
}

void TMidiGen::SetOctave(int value) {
    octave_ = clampedTo(value, 0, 10);
}

void TMidiGen::SetInstrument(int value) {
    instrument_ = static_cast<TMGInstrument>(clampedTo(value, 0, midigen::InstrumentCount - 1));
    PrepareSound();
}

void TMidiGen::SetChannel(int value) {
    channel_ = static_cast<TMGChannel>(clampedTo(value, 0, midigen::ChannelCount - 1));
    PrepareSound();
}

// The built-in synthesizer loads the sound of the player's channel and instrument ahead, so
// that the first stream starts on time. Named once the settings of the moment are made (a
// window sets the channel right after creating the player), through the event loop.
void TMidiGen::PrepareSound() {
    if (declarePending_ || QCoreApplication::instance() == nullptr)
        return;
    declarePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            declarePending_ = false;
            DeclareSound();
        },
        Qt::QueuedConnection);
}

void TMidiGen::DeclareSound() {
    const int channel = static_cast<int>(channel_);
    if (deviceId_ != midi::DefaultDevice && deviceId_ != midi::BuiltinDevice) {
        if (declaredChannel_ >= 0)
            midi::prepareBuiltinSynthPrograms(declaredChannel_, {});
        declaredChannel_ = -1;
        return;
    }
    if (declaredChannel_ >= 0 && declaredChannel_ != channel)
        midi::prepareBuiltinSynthPrograms(declaredChannel_, {});
    // The program every stream selects first (see StreamBuilder).
    midi::prepareBuiltinSynthPrograms(channel, {std::clamp(static_cast<int>(instrument_), 0, 127)});
    declaredChannel_ = channel;
}

bool TMidiGen::PlayString(const QString& notes) {
    if (!PrepareToPlay())
        return false;
    loopsRemaining_ = loops_;
    currentChannel_ = static_cast<uint8_t>(channel_);
    // The language is 8-bit: characters outside Latin-1 simply make their token invalid.
    const QByteArray bytes = notes.toLatin1();
    const midigen::ParsedNoteString parsed =
        midigen::ParseNoteString(std::string_view(bytes.constData(), bytes.size()),
                                 {currentChannel_, octave_, duration_, instrument_});
    if (parsed.events.empty()) {
        // Notes of length zero ask for silence: "All Notes Off" sends one per key.
        const bool silenced = parsed.silentNotes > 0 && SilenceOutput();
        started_ = true;
        return silenced;
    }
    return BuildAndStartStream(parsed.events, parsed.bendEligible);
}

bool TMidiGen::PlayNote(int key) {
    if (!PrepareToPlay())
        return false;
    loopsRemaining_ = loops_;
    currentChannel_ = static_cast<uint8_t>(channel_);
    const uint8_t drums = midigen::PercussionChannel;
    std::vector<TMGEvent> events;
    uint8_t noteChannel = drums;
    if (currentChannel_ != drums) {
        noteChannel = instrument_ >= midigen::FirstPercussionInstrument ? drums : currentChannel_;
        events.push_back({0, TMGEvent::ProgramChange, instrument_, noteChannel});
    }
    const bool percussionOnMelodic = noteChannel == drums && currentChannel_ != drums;
    const int32_t value = percussionOnMelodic ? instrument_ : clampedTo(key, 0, 127);
    const auto length =
        static_cast<int32_t>(std::min<uint32_t>(duration_, midigen::LatestEventTime));
    events.push_back({0, TMGEvent::NoteOn, value, noteChannel});
    events.push_back({length, TMGEvent::NoteOff, value, noteChannel});
    return BuildAndStartStream(events, true);
}

bool TMidiGen::Play() {
    return PlayNote(static_cast<int>(note_) + 12 * octave_);
}

void TMidiGen::Stop() {
    looping_ = false;
    if (!streamOpen_ || !started_ || closing_)
        return;
    // The service hands the queued buffer back (Done), which finishes the stream.
    if (bufferQueued_ && stream_->stop() == midi::Ok)
        return;
    FinishStream();
}

bool TMidiGen::MidiAvailable() {
    if (streamOpen_)
        return true;
    int result = midi::Error;
    const std::unique_ptr<midi::OutputPort> port = midi::OutputPort::open(deviceId_, result);
    return port != nullptr;
}

bool TMidiGen::SetDevice(int id) {
    deviceId_ = id;
    PrepareSound();
    const int count = midi::deviceCount();
    return count > 0 && id < count;
}

bool TMidiGen::PrepareToPlay() {
    // Without an event loop no notice could ever arrive.
    if (QCoreApplication::instance() == nullptr)
        return false;
    if (!started_ || !MidiAvailable())
        return false;
    started_ = false;
    looping_ = false;
    if (streamOpen_ && !closing_) {
        if (!bufferQueued_ || stream_->stop() != midi::Ok)
            FinishStream();
    }
    WaitUntil([this] { return !streamOpen_; });
    return true;
}

bool TMidiGen::OutputOwnedByOther() const {
    return ownerNumber != 0 && ownerNumber != number_;
}

bool TMidiGen::BuildAndStartStream(const std::vector<TMGEvent>& events, bool bendAllowed) {
    if (OutputOwnedByOther()) {
        started_ = true;
        return false;
    }
    currentChannel_ = static_cast<uint8_t>(channel_);
    std::vector<midi::StreamEvent> built = BuildStream(events, currentChannel_, bendAllowed);

    // The previous stream's buffer stays in use until that stream has closed.
    WaitUntil([this] { return !streamOpen_; });
    buffer_ = std::move(built);
    return StartStream();
}

std::vector<midi::StreamEvent> TMidiGen::BuildStream(const std::vector<TMGEvent>& events,
                                                     uint8_t channel, bool bendAllowed) const {
    midigen::StreamSettings settings;
    settings.channel = channel;
    settings.instrument = instrument_;
    settings.volume = volume_;
    settings.pan = pan_;
    settings.reverb = reverb_;
    settings.chorus = chorus_;
    settings.modulation = modulation_;
    settings.sustain = sustain_;
    settings.pitchBend = pitchBend_;
    settings.pbDelay = pbDelay_;
    settings.pbDuration = pbDuration_;
    return midigen::convertBuffer<midi::StreamEvent>(
        midigen::BuildStreamEvents(events, settings, bendAllowed));
}

std::vector<midi::StreamEvent> TMidiGen::StreamFor(const QString& notes) const {
    const auto channel = static_cast<uint8_t>(channel_);
    const QByteArray bytes = notes.toLatin1();
    const midigen::ParsedNoteString parsed =
        midigen::ParseNoteString(std::string_view(bytes.constData(), bytes.size()),
                                 {channel, octave_, duration_, instrument_});
    if (parsed.events.empty())
        return {};
    return BuildStream(parsed.events, channel, parsed.bendEligible);
}

bool TMidiGen::StartStream() {
    int result = midi::Error;
    stream_ = midi::MidiStream::open(
        deviceId_, [this](midi::StreamNotice notice) { HandleNotice(notice); }, result);
    if (!stream_) {
        buffer_.clear();
        started_ = true;
        return false;
    }
    WaitUntil([this] { return streamOpen_; });
    ownerNumber = number_;
    stream_->reset();
    if (stream_->setTimeDivision(midigen::TicksPerQuarter) != midi::Ok ||
        stream_->queue(buffer_.data(), buffer_.size()) != midi::Ok) {
        AbandonStream();
        return false;
    }
    bufferQueued_ = true;
    if (stream_->restart() != midi::Ok) {
        AbandonStream();
        return false;
    }
    return true;
}

bool TMidiGen::SilenceOutput() {
    if (OutputOwnedByOther())
        return false;
    int result = midi::Error;
    const std::unique_ptr<midi::OutputPort> port = midi::OutputPort::open(deviceId_, result);
    return port != nullptr && port->reset() == midi::Ok;
}

void TMidiGen::HandleNotice(midi::StreamNotice notice) {
    switch (notice) {
    case midi::StreamNotice::Open:
        streamOpen_ = true;
        isPlaying_ = true;
        looping_ = true;
        loopsRemaining_ = loops_;
        emit playingChanged(true);
        break;
    case midi::StreamNotice::Position:
        started_ = true;
        break;
    case midi::StreamNotice::Done:
        HandleBufferDone();
        break;
    case midi::StreamNotice::Close:
        HandleClosed();
        break;
    }
    emit streamNotice(notice);
}

void TMidiGen::HandleBufferDone() {
    bufferQueued_ = false;
    if (!streamOpen_ || closing_)
        return;
    if (looping_ && (loopsRemaining_ == 0 || loopsRemaining_ > 1)) {
        if (stream_->queue(buffer_.data(), buffer_.size()) == midi::Ok) {
            bufferQueued_ = true;
            if (stream_->restart() == midi::Ok) {
                if (loopsRemaining_ > 1)
                    --loopsRemaining_;
                return;
            }
        }
    }
    FinishStream();
}

void TMidiGen::FinishStream() {
    closing_ = true;
    stream_->stop();
    stream_->reset();
    bufferQueued_ = false;
    buffer_.clear();
    buffer_.shrink_to_fit();
    if (stream_->close() != midi::Ok)
        HandleClosed(); // no close notice will come
}

void TMidiGen::AbandonStream() {
    looping_ = false;
    started_ = true;
    FinishStream();
}

void TMidiGen::HandleClosed() {
    streamOpen_ = false;
    closing_ = false;
    bufferQueued_ = false;
    looping_ = false;
    // Released once this notice is over, not from inside the service's own call.
    std::shared_ptr<midi::MidiStream> closed(std::move(stream_));
    QMetaObject::invokeMethod(
        this, [closed] {}, Qt::QueuedConnection);
    if (isPlaying_) {
        isPlaying_ = false;
        emit playingChanged(false);
    }
}

void TMidiGen::WaitUntil(const std::function<bool()>& condition) {
    QEventLoop loop;
    while (!condition())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
}
