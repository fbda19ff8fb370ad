#pragma once

// The note-string player: parses a note string into timed MIDI events and plays them as one
// stream buffer through the MIDI service, asynchronously. Properties are clamped into their
// ranges; requests never throw and report success as a bool. Use on the UI thread, with a
// QCoreApplication: the stream's notices arrive through its event loop, and the waits
// inside the requests run that loop, so other handlers may run during them.

#include "MidiGenTypes.h"
#include "MidiStream.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TMidiGen : public QObject {
    Q_OBJECT
public:
    explicit TMidiGen(QObject* parent = nullptr);
    // Stops the stream and waits until it has closed.
    ~TMidiGen() override;

    TMidiGen(const TMidiGen&) = delete;
    TMidiGen& operator=(const TMidiGen&) = delete;

    // Channel volume in percent, 0..100 (controller 7).
    int Volume() const { return volume_; }
    void SetVolume(int value);
    // Stereo position, -100..100, 0 = centre (controller 10).
    int Pan() const { return pan_; }
    void SetPan(int value);
    // Reverb depth in percent, 0..100 (controller 91).
    int Reverb() const { return reverb_; }
    void SetReverb(int value);
    // Chorus depth in percent, 0..100 (controller 93).
    int Chorus() const { return chorus_; }
    void SetChorus(int value);
    // Sustain pedal (controller 64).
    bool Sustain() const { return sustain_; }
    void SetSustain(bool value) { sustain_ = value; }
    // Modulation wheel in percent, 0..100 (controller 1).
    int Modulation() const { return modulation_; }
    void SetModulation(int value);
    // Bend target in tenths of a semitone, -120..120; glides a single note or chord.
    int PitchBend() const { return pitchBend_; }
    void SetPitchBend(int value);
    // Percent of the note's time before the bend starts, 0..100.
    int PBDelay() const { return pbDelay_; }
    void SetPBDelay(int value);
    // Percent of the remaining time over which the bend glides, 0..100.
    int PBDuration() const { return pbDuration_; }
    void SetPBDuration(int value);
    // Note length in ticks (10 ms) for PlayNote, Play and tokens that give none.
    uint32_t Duration() const { return duration_; }
    void SetDuration(uint32_t value) { duration_ = value; }
    // Pitch class played by Play, 0..11.
    TMGNote Note() const { return note_; }
    void SetNote(int value);
    // Octave played by Play and the starting octave of every note string, 0..10.
    int Octave() const { return octave_; }
    void SetOctave(int value);
    // Sound selected at the start of every stream, 0..174.
    TMGInstrument Instrument() const { return instrument_; }
    void SetInstrument(int value);
    // MIDI channel of the stream, zero-based 0..15 (mgCh10 is percussion).
    TMGChannel Channel() const { return channel_; }
    void SetChannel(int value);
    // How many times a stream plays; 0 repeats it until Stop.
    uint32_t Loops() const { return loops_; }
    void SetLoops(uint32_t value) { loops_ = value; }
    // From the stream's open notice to its close notice.
    bool IsPlaying() const { return isPlaying_; }

    // Stops what this player plays, then parses and plays `notes` (Latin-1). Returns at once
    // with true when the stream started; false when refused (the previous stream has not
    // reached its first event yet, no output, another player owns the output), when the
    // string gives no note, or when the MIDI service fails. A string made only of notes of
    // length zero ("00;N60;00") silences the output instead and returns whether it could.
    bool PlayString(const QString& notes);
    // The stream buffer PlayString plays for `notes` with the current properties, for rendering
    // it offline; empty when the string gives no event.
    std::vector<midi::StreamEvent> StreamFor(const QString& notes) const;
    // One note of Duration ticks with the current Instrument on Channel; key 0..127.
    bool PlayNote(int key);
    // PlayNote with Note + 12 * Octave.
    bool Play();
    // Ends looping and stops a stream that has started; it then finishes and closes.
    void Stop();
    // A stream of this player is open, or the output device can be opened now.
    bool MidiAvailable();
    // The device for later streams (-1 = the default device); true when it exists.
    bool SetDevice(int id);

signals:
    // IsPlaying changed (open and close notices).
    void playingChanged(bool playing);
    // A notice of the stream service has been handled.
    void streamNotice(midi::StreamNotice notice);

private:
    bool PrepareToPlay();
    bool BuildAndStartStream(const std::vector<TMGEvent>& events, bool bendAllowed);
    std::vector<midi::StreamEvent> BuildStream(const std::vector<TMGEvent>& events, uint8_t channel,
                                               bool bendAllowed) const;
    bool StartStream();
    bool SilenceOutput();
    bool OutputOwnedByOther() const;

    void PrepareSound();
    void DeclareSound();

    void HandleNotice(midi::StreamNotice notice);
    void HandleBufferDone();
    void FinishStream();
    void HandleClosed();
    void AbandonStream();
    void WaitUntil(const std::function<bool()>& condition);

    std::unique_ptr<midi::MidiStream> stream_;
    int deviceId_ = -1;
    std::vector<midi::StreamEvent> buffer_;
    int number_ = 0;

    int volume_ = 100;
    int pan_ = 0;
    int reverb_ = 0;
    int chorus_ = 0;
    bool sustain_ = false;
    int modulation_ = 0;
    int pitchBend_ = 0;
    int pbDelay_ = 0;
    int pbDuration_ = 100;
    uint32_t duration_ = 50;
    TMGNote note_ = mgC;
    int octave_ = 4;
    TMGInstrument instrument_ = mgAcousticGrandPiano;
    TMGChannel channel_ = mgCh01;
    uint32_t loops_ = 1;

    uint8_t currentChannel_ = 0;
    bool isPlaying_ = false;
    bool streamOpen_ = false;
    bool looping_ = false;
    uint32_t loopsRemaining_ = 0;
    // Cleared when a request begins, set when its stream reaches its first event: a
    // request that comes in between is refused.
    bool started_ = true;
    bool bufferQueued_ = false;
    bool closing_ = false;
    // The channel whose sound was named to the built-in synthesizer ahead (-1: none), and
    // whether naming it again is already on its way.
    int declaredChannel_ = -1;
    bool declarePending_ = false;
};
