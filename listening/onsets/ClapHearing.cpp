#include "ClapHearing.h"

#include "AubioLibrary.h"

#include <algorithm>

namespace listening {

ClapHearing::ClapHearing(Listener listener, OnsetSettings settings)
    : listener_(std::move(listener)),
      detector_(
          [this](const DetectedOnset& onset) {
              if (listener_)
                  listener_({onset.ms(), std::max(blockEndMs_, onset.ms())});
          },
          std::move(settings)) {}

void ClapHearing::analyse(std::span<const float> samples, int sampleRate, std::int64_t firstFrame) {
    if (sampleRate <= 0)
        return;
    blockEndMs_ = static_cast<double>(firstFrame + static_cast<std::int64_t>(samples.size())) *
                  1000.0 / sampleRate;
    detector_.analyse(samples, sampleRate, firstFrame);
}

void ClapHearing::flush() {
    detector_.flush();
}

QString ClapHearing::unavailable() const {
    QString why;
    return AubioLibrary::get(&why) != nullptr ? QString() : why;
}

} // namespace listening
