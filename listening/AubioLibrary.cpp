#include "AubioLibrary.h"

#include <dlfcn.h>
#include <mutex>

namespace listening {

namespace {

// The library's name with its interface version: the one the headers describe.
QString& fileName() {
    static QString name = QStringLiteral("libaubio.so.5");
    return name;
}

struct Opened {
    const AubioLibrary* library = nullptr;
    QString error;
};

std::once_flag once;

template <typename Function> bool find(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

} // namespace

bool AubioLibrary::resolve(void* handle, QString* missing) {
    const auto need = [&](const char* name, auto& function) {
        if (find(handle, name, function))
            return true;
        *missing = QString::fromLatin1(name);
        return false;
    };
    return need("new_fvec", newVector) && need("del_fvec", deleteVector) &&
           need("new_aubio_pitch", newPitch) && need("del_aubio_pitch", deletePitch) &&
           need("aubio_pitch_set_silence", setPitchSilence) &&
           need("aubio_pitch_set_unit", setPitchUnit) &&
           need("aubio_pitch_set_tolerance", setPitchTolerance) &&
           need("aubio_pitch_do", detectPitch) &&
           need("aubio_pitch_get_confidence", pitchConfidence) &&
           need("new_aubio_onset", newOnset) && need("del_aubio_onset", deleteOnset) &&
           need("aubio_onset_set_threshold", setOnsetThreshold) &&
           need("aubio_onset_set_minioi_ms", setOnsetMinimumInterval) &&
           need("aubio_onset_set_silence", setOnsetSilence) &&
           need("aubio_onset_do", detectOnset) && need("aubio_onset_get_last", lastOnset);
}

const AubioLibrary* AubioLibrary::get(QString* error) {
    static Opened opened;
    std::call_once(once, [] {
        const QByteArray name = fileName().toLocal8Bit();
        // Kept open for the whole run: detectors may be made again at any time.
        void* handle = dlopen(name.constData(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            opened.error = QString::fromLocal8Bit(dlerror());
            return;
        }
        static AubioLibrary library;
        QString missing;
        if (library.resolve(handle, &missing))
            opened.library = &library;
        else
            opened.error = QStringLiteral("%1 has no %2").arg(fileName(), missing);
    });
    if (opened.library == nullptr && error != nullptr)
        *error = opened.error;
    return opened.library;
}

void AubioLibrary::useFileName(const QString& name) {
    fileName() = name;
}

} // namespace listening
