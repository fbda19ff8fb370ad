#include "SingingTakes.h"

#include "NoiseSource.h"
#include "SoundMix.h"
#include "SynthChoir.h"
#include "SyntheticVoice.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace singingbench {

namespace {

constexpr double NoteMs = 900;
constexpr double GapMs = 700;
constexpr int Programs[] = {recordings::ChoirAahs, recordings::VoiceOohs, recordings::SynthVoice};

} // namespace

namespace {

void singSynthetic(Take& take, const TrueNote& truth, bool female, bool vibrato, std::uint64_t seed,
                   recordings::NoiseSource& random) {
    recordings::VoiceSettings settings;
    settings.female = female;
    settings.vibratoCents = vibrato ? random.between(15, 30) : 0;
    settings.vibratoHz = random.between(4.8, 6.2);
    settings.seed = seed;
    const std::vector<float> note = recordings::SyntheticVoice(settings).note(
        truth.note + truth.detuneCents / 100.0, "aeiou"[seed % 5], NoteMs / 1000.0);
    recordings::mixInto(take.samples, note,
                        static_cast<std::size_t>(truth.startMs * take.sampleRate / 1000));
}

// The synthesizer's notes of one voice, each as loud as the synthetic singer's, as if every
// singer stood as near. The pitch wheel makes up for the voice's own tuning, so that each note
// sounds as far from its note as the take says.
bool singSynth(Take& take, int program, std::vector<recordings::SynthNote> notes,
               const std::vector<double>& targetCents, QString* error) {
    std::vector<int> pitches;
    for (const recordings::SynthNote& n : notes)
        pitches.push_back(n.note);
    const std::vector<double> tuning =
        recordings::measuredTuning(program, pitches, take.sampleRate);
    for (std::size_t i = 0; i < notes.size() && i < tuning.size(); ++i)
        notes[i].detuneCents = targetCents[i] - tuning[i];
    const double lengthMs = 1000.0 * double(take.samples.size()) / take.sampleRate;
    const std::vector<float> sung =
        recordings::renderSynthChoir(program, notes, lengthMs, take.sampleRate, error);
    if (sung.empty())
        return false;
    for (const recordings::SynthNote& n : notes) {
        const auto from = static_cast<std::size_t>(n.startMs * take.sampleRate / 1000);
        const auto to = static_cast<std::size_t>((n.startMs + n.lengthMs) * take.sampleRate / 1000);
        const auto tail =
            std::min(sung.size(), to + static_cast<std::size_t>(GapMs * take.sampleRate / 1000));
        const double level = recordings::rms(std::span(sung).subspan(from, to - from));
        if (level > 0)
            recordings::mixInto(take.samples, std::span(sung).subspan(from, tail - from), from,
                                recordings::VoiceSettings().rms / level);
    }
    return true;
}

double singingRms(const Take& take) {
    double power = 0;
    std::size_t frames = 0;
    for (const TrueNote& n : take.notes) {
        const auto from = static_cast<std::size_t>(n.startMs * take.sampleRate / 1000);
        const auto to = std::min(take.samples.size(),
                                 static_cast<std::size_t>(n.endMs * take.sampleRate / 1000));
        for (std::size_t f = from; f < to; ++f)
            power += double(take.samples[f]) * take.samples[f];
        frames += to - from;
    }
    return frames ? std::sqrt(power / double(frames)) : 0.0;
}

} // namespace

Take singTake(const recordings::VoiceRange& range, int count, std::uint64_t seed, QString* error) {
    Take take;
    take.samples.resize(
        static_cast<std::size_t>((GapMs + count * (NoteMs + GapMs)) * take.sampleRate / 1000),
        0.0f);
    recordings::NoiseSource random(seed);
    std::vector<recordings::SynthNote> synthNotes[3];
    std::vector<double> synthCents[3];
    const int span = range.highest - range.lowest + 1;
    for (int i = 0; i < count; ++i) {
        TrueNote truth;
        // Every note of the range, in a scattered order.
        truth.note = range.lowest + (i * 7 + static_cast<int>(seed)) % span;
        truth.startMs = GapMs + i * (NoteMs + GapMs);
        truth.endMs = truth.startMs + NoteMs;
        truth.detuneCents = std::round(random.between(-25, 25));
        truth.voice = i % 4;
        const bool vibrato = (i / 4) % 2 == 1;
        if (truth.voice == 0) {
            singSynthetic(take, truth, range.female, vibrato,
                          seed * 1000 + static_cast<std::uint64_t>(i), random);
        } else {
            recordings::SynthNote n;
            n.note = truth.note;
            n.startMs = truth.startMs;
            n.lengthMs = NoteMs;
            if (vibrato && i % 3 == 0)
                n.vibratoCents = random.between(15, 25);
            else if (vibrato)
                n.modulation = 40 + static_cast<int>(random.uniform() * 40);
            synthNotes[truth.voice - 1].push_back(n);
            synthCents[truth.voice - 1].push_back(truth.detuneCents);
        }
        take.notes.push_back(truth);
    }
    for (int v = 0; v < 3; ++v)
        if (!singSynth(take, Programs[v], synthNotes[v], synthCents[v], error)) {
            take.samples.clear();
            return take;
        }
    take.singingRms = singingRms(take);
    return take;
}

Score judge(const Take& take, const recordings::HearingLog& log, std::vector<QString>* misses) {
    Score score;
    score.notes = static_cast<int>(take.notes.size());
    std::vector<std::vector<listening::HeardNote>> heardIn(take.notes.size());
    for (const listening::HeardNote& heard : log.notes) {
        bool inside = false;
        for (std::size_t i = 0; i < take.notes.size(); ++i) {
            // An answer may come after the note ends, while it dies away.
            if (heard.timeMs >= take.notes[i].startMs &&
                heard.timeMs < take.notes[i].endMs + GapMs) {
                heardIn[i].push_back(heard);
                inside = true;
            }
        }
        if (!inside) {
            ++score.extra;
            if (misses)
                misses->push_back(QStringLiteral("between the notes at %1 ms: heard %2%3%4")
                                      .arg(heard.timeMs, 0, 'f', 0)
                                      .arg(heard.note)
                                      .arg(heard.cents >= 0 ? "+" : "")
                                      .arg(heard.cents, 0, 'f', 0));
        }
    }
    for (std::size_t i = 0; i < take.notes.size(); ++i) {
        const TrueNote& n = take.notes[i];
        if (heardIn[i].size() > 1)
            score.extra += static_cast<int>(heardIn[i].size()) - 1;
        if (heardIn[i].size() != 1 || heardIn[i].front().note != n.note) {
            if (misses) {
                QString heard;
                for (const listening::HeardNote& h : heardIn[i])
                    heard += QStringLiteral(" %1%2%3")
                                 .arg(h.note)
                                 .arg(h.cents >= 0 ? "+" : "")
                                 .arg(h.cents, 0, 'f', 0);
                misses->push_back(QStringLiteral("note %1%2%3 (voice %4) at %5 ms: heard%6")
                                      .arg(n.note)
                                      .arg(n.detuneCents >= 0 ? "+" : "")
                                      .arg(n.detuneCents)
                                      .arg(n.voice)
                                      .arg(n.startMs)
                                      .arg(heard.isEmpty() ? QStringLiteral(" nothing") : heard));
            }
            continue;
        }
        ++score.right;
        score.latenciesMs.push_back(heardIn[i].front().timeMs - n.startMs);
        if (n.voice == 0)
            score.centsErrors.push_back(heardIn[i].front().cents - n.detuneCents);
    }
    return score;
}

} // namespace singingbench
