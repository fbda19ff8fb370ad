#include "ToneSession.h"

#include "BenchSupport.h"
#include "MidiResult.h"
#include "MonitorAnalysis.h"
#include "OutputPort.h"

#include <algorithm>

namespace tone {

namespace {

// What the pitch trainer sends: its notes on the first channel at full velocity, the error
// tone as program 113, key 81, cut after 100 ms.
constexpr uint32_t Channel = 0;
constexpr uint32_t ErrorToneProgram = 113;
constexpr uint32_t ErrorToneNote = 81;
constexpr int ErrorToneMs = 100;
constexpr int AnswerMs = 700;
// The gap detector: an organ held on another channel.
constexpr uint32_t OrganChannel = 1;
constexpr uint32_t OrganProgram = 19;
constexpr uint32_t OrganNote = 48;

uint32_t shortMessage(uint32_t status, uint32_t data1, uint32_t data2 = 0) {
    return status | data1 << 8 | data2 << 16;
}

struct Request {
    bench::SteadyClock::time_point at;
};

} // namespace

void NoteCalls::prepare(int channel, const QList<int>& programs) {
    port_.preparePrograms(channel, programs);
}

bool NoteCalls::send(uint32_t message) {
    const auto start = bench::SteadyClock::now();
    const int result = port_.sendShort(message);
    const double ms =
        std::chrono::duration<double, std::milli>(bench::SteadyClock::now() - start).count();
    longestMs_ = std::max(longestMs_, ms);
    calls_ += 1;
    return result == midi::Ok;
}

SessionResult runSession(NoteCalls& calls, const bench::MonitorRecorder& recording,
                         int wrongAnswers, const std::vector<int>& instruments,
                         const std::function<void()>& beforeEachStep) {
    SessionResult result;
    std::vector<Request> requests;
    const auto noteOn = [&](uint32_t key) {
        requests.push_back({bench::SteadyClock::now()});
        calls.send(shortMessage(0x90 | Channel, key, 127));
        result.notes += 1;
    };
    const auto noteOff = [&](uint32_t key) { calls.send(shortMessage(0x80 | Channel, key, 127)); };
    const auto program = [&](uint32_t number) { calls.send(shortMessage(0xC0 | Channel, number)); };

    // The session's channel hard right, the organ hard left; neither with reverb or chorus.
    for (uint32_t message :
         {shortMessage(0xB0 | Channel, 10, 127), shortMessage(0xB0 | Channel, 91),
          shortMessage(0xB0 | Channel, 93), shortMessage(0xB0 | OrganChannel, 10),
          shortMessage(0xB0 | OrganChannel, 91), shortMessage(0xB0 | OrganChannel, 93),
          shortMessage(0xC0 | OrganChannel, OrganProgram)})
        calls.send(message);
    uint32_t instrument = static_cast<uint32_t>(instruments.empty() ? 0 : instruments.front());
    // As the pitch trainer does: its instrument and the error tone are named ahead.
    const auto prepare = [&] {
        calls.prepare(Channel, {static_cast<int>(instrument), static_cast<int>(ErrorToneProgram)});
    };
    calls.prepare(OrganChannel, {static_cast<int>(OrganProgram)});
    prepare();
    program(instrument);
    calls.send(shortMessage(0x90 | OrganChannel, OrganNote, 90));
    bench::pause(300);
    const auto begin = bench::SteadyClock::now();
    const uint32_t pitches[] = {60, 64, 67, 72, 65};
    uint32_t question = pitches[0];
    noteOn(question);
    size_t nextInstrument = 1;
    const int changeEvery = instruments.size() > 1
                                ? std::max(1, wrongAnswers / static_cast<int>(instruments.size()))
                                : wrongAnswers + 1;
    const auto replay = [&] {
        bench::pause(ErrorToneMs);
        noteOff(ErrorToneNote);
        program(instrument);
        noteOff(question);
        noteOn(question);
    };
    for (int answer = 0; answer < wrongAnswers; ++answer) {
        bench::pause(AnswerMs);
        beforeEachStep();
        if (answer > 0 && answer % changeEvery == 0 && nextInstrument < instruments.size()) {
            // The instrument prompt: the new program, and the notes again 100 ms later.
            instrument = static_cast<uint32_t>(instruments[nextInstrument++]);
            prepare();
            program(instrument);
            result.instrumentChanges += 1;
            replay();
            bench::pause(AnswerMs);
            beforeEachStep();
        }
        program(ErrorToneProgram);
        noteOn(ErrorToneNote);
        result.wrongAnswers += 1;
        noteOff(question);
        question = pitches[(answer + 1) % 5];
        replay();
    }
    bench::pause(AnswerMs);
    noteOff(question);
    const auto end = bench::SteadyClock::now();
    bench::pause(300);
    calls.send(shortMessage(0x80 | OrganChannel, OrganNote));
    bench::pause(200);

    const std::vector<int16_t>& s = recording.samples();
    for (const Request& request : requests) {
        const long from = recording.frameAt(request.at) - monitor::Rate / 200;
        const long onset = monitor::rightOnset(s, from, from + monitor::Rate / 4);
        if (onset < 0)
            continue;
        result.onsetsFound += 1;
        result.requestToSoundMs.push_back(
            std::chrono::duration<double, std::milli>(recording.timeOf(onset) - request.at)
                .count());
    }
    const long first = recording.frameAt(begin), last = recording.frameAt(end);
    for (const auto& [at, ms] : monitor::leftGaps(s, first, last)) {
        result.gapTimes.emplace_back(double(at) / monitor::Rate, ms);
        const long begins = first + at;
        result.gapSpans.emplace_back(
            recording.timeOf(begins),
            recording.timeOf(begins + std::lround(ms * monitor::Rate / 1000)));
    }
    return result;
}

} // namespace tone
