// SoundFont views: the rewritten preset data are a SoundFont the synthesizer loads and plays as
// the whole one, a view for a few keys leaves the others' samples out, and damaged files are
// refused without reading outside them.
#include "SoundFontView.h"
#include "FileByteSource.h"
#include "MemoryByteSource.h"
#include "SoundFontFile.h"
#include "SoundFontViewFiles.h"
#include "TinySoundFont.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

using namespace midi;
using namespace midi::sf2;

namespace {

std::vector<uint8_t> viewBytes(const SoundFontView& view, const std::vector<uint8_t>& whole) {
    MemoryByteSource source(whole);
    std::vector<uint8_t> bytes(view.size());
    EXPECT_TRUE(view.read(source, 0, bytes.data(), bytes.size()));
    return bytes;
}

std::string readError(std::vector<uint8_t> bytes) {
    MemoryByteSource source(bytes);
    SoundFontFile file;
    std::string error;
    return file.read(source, &error) ? std::string() : error;
}

SoundFontFile readTiny(const std::vector<uint8_t>& bytes) {
    MemoryByteSource source(bytes);
    SoundFontFile file;
    std::string error;
    EXPECT_TRUE(file.read(source, &error)) << error;
    return file;
}

// A synthesizer as the built-in one sets it up, playing one note and rendering it.
class Synth {
public:
    // `views`: it can open SoundFont views.
    explicit Synth(bool views) {
        settings_ = new_fluid_settings();
        fluid_settings_setnum(settings_, "synth.sample-rate", 48000);
        fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
        // Nothing of one note is left in the effects for the next.
        fluid_settings_setint(settings_, "synth.reverb.active", 0);
        fluid_settings_setint(settings_, "synth.chorus.active", 0);
        synth_ = new_fluid_synth(settings_);
        if (views)
            SoundFontViewFiles::install(synth_, settings_);
    }
    ~Synth() {
        delete_fluid_synth(synth_);
        delete_fluid_settings(settings_);
    }
    bool load(const std::string& file, int bank, int program) {
        id_ = fluid_synth_sfload(synth_, file.c_str(), 0);
        return id_ >= 0 && fluid_synth_pin_preset(synth_, id_, bank, program) == FLUID_OK;
    }
    std::vector<float> play(int bank, int program, int key, int frames = 9600) {
        const int channel = bank == 128 ? 9 : 0;
        fluid_synth_program_select(synth_, channel, id_, bank, program);
        fluid_synth_noteon(synth_, channel, key, 100);
        std::vector<float> out(static_cast<std::size_t>(frames) * 2);
        fluid_synth_write_float(synth_, frames, out.data(), 0, 2, out.data(), 1, 2);
        fluid_synth_noteoff(synth_, channel, key);
        return out;
    }

private:
    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
    int id_ = -1;
};

// One note of a preset, from a synthesizer of its own; `file` is a path or a view's name.
std::vector<float> render(const std::string& file, int bank, int program, int key) {
    Synth synth(!std::filesystem::path(file).is_absolute());
    if (!synth.load(file, bank, program))
        return {};
    return synth.play(bank, program, key);
}

bool silent(const std::vector<float>& sound) {
    for (float value : sound)
        if (value != 0.0f)
            return false;
    return true;
}

class TinyFile : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = (std::filesystem::temp_directory_path() /
                 ("tiny-" + std::to_string(::getpid()) + ".sf2"))
                    .string();
        ASSERT_TRUE(tiny_.save(path_));
        file_ = readTiny(tiny_.bytes());
    }
    void TearDown() override { std::remove(path_.c_str()); }

    // The view's name for the synthesizer, and it removed again at the end.
    std::string add(int bank, int program, const KeySet& keys) {
        auto view = std::make_shared<SoundFontView>(file_, *file_.findPreset(bank, program), keys);
        names_.push_back(SoundFontViewFiles::add(view, path_));
        return names_.back();
    }
    ~TinyFile() override {
        for (const std::string& name : names_)
            SoundFontViewFiles::remove(name);
    }

    TinySoundFont tiny_;
    SoundFontFile file_;
    std::string path_;
    std::vector<std::string> names_;
};

} // namespace

TEST_F(TinyFile, ViewHoldsThePresetItsInstrumentAndItsSamplesOnly) {
    const SoundFontView view(file_, *file_.findPreset(128, 0), allKeys());
    const SoundFontFile reread = readTiny(viewBytes(view, tiny_.bytes()));
    ASSERT_EQ(reread.presets().size(), 1u);
    EXPECT_EQ(reread.presets()[0].bank, 128);
    EXPECT_EQ(reread.list(Inst).count(), 2u); // the kit and the closing record
    EXPECT_EQ(reread.list(Ibag).count(), 5u); // global, three keys, closing
    EXPECT_EQ(reread.list(Imod).count(), 2u); // the global zone's modulator, closing
    EXPECT_EQ(reread.list(Shdr).count(), 4u); // three samples, closing
    EXPECT_EQ(view.samples(), (std::vector<uint16_t>{2, 3, 4}));
    // The samples stay where they were: the view's sample data is the whole file's.
    EXPECT_EQ(reread.sampleDataBytes(), file_.sampleDataBytes());
    EXPECT_EQ(reread.list(Shdr).u32(0, SampleStartField),
              file_.list(Shdr).u32(2, SampleStartField));
}

TEST_F(TinyFile, LimitedViewLeavesOutTheOtherKeysSamples) {
    const SoundFontView snare(file_, *file_.findPreset(128, 0), keySet({38, 40}));
    EXPECT_EQ(snare.samples(), (std::vector<uint16_t>{3}));
    const SoundFontFile reread = readTiny(viewBytes(snare, tiny_.bytes()));
    EXPECT_EQ(reread.list(Ibag).count(), 3u); // the global zone stays
    EXPECT_EQ(SoundFontView(file_, *file_.findPreset(0, 0), keyRange(60, 72)).samples(),
              (std::vector<uint16_t>{1}));
    EXPECT_TRUE(SoundFontView(file_, *file_.findPreset(128, 0), KeySet()).samples().empty());
    EXPECT_EQ(snare.sampleBytes(), 2u * 4000u);
}

TEST_F(TinyFile, ViewSoundsAsTheWholeFile) {
    const std::string kit = add(128, 0, allKeys());
    const std::string snare = add(128, 0, keySet({38}));
    const std::vector<float> wholeSnare = render(path_, 128, 0, 38);
    ASSERT_FALSE(silent(wholeSnare));
    EXPECT_EQ(render(kit, 128, 0, 38), wholeSnare);
    EXPECT_EQ(render(snare, 128, 0, 38), wholeSnare);
    EXPECT_EQ(render(kit, 128, 0, 42), render(path_, 128, 0, 42));
    EXPECT_TRUE(silent(render(snare, 128, 0, 42)));
    EXPECT_EQ(render(add(0, 5, allKeys()), 0, 5, 64), render(path_, 0, 5, 64));
}

TEST(GeneralMidiSoundFont, ViewsSoundAsTheWholeFont) {
    const std::string path = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
    sf2::FileByteSource source(path);
    if (!source.isOpen())
        GTEST_SKIP() << "no General MIDI SoundFont";
    SoundFontFile file;
    std::string error;
    ASSERT_TRUE(file.read(source, &error)) << error;
    EXPECT_GE(file.presets().size(), 128u);
    std::vector<std::string> names;
    const auto add = [&](int bank, int program, const KeySet& keys) {
        auto view = std::make_shared<SoundFontView>(file, *file.findPreset(bank, program), keys);
        names.push_back(SoundFontViewFiles::add(view, path));
        return names.back();
    };
    const std::string piano = add(0, 0, allKeys());
    const std::string drums = add(128, 0, keySet({37, 48, 50, 63, 64, 65}));
    EXPECT_EQ(render(piano, 0, 0, 60), render(path, 0, 0, 60));
    const std::vector<float> conga = render(path, 128, 0, 64);
    ASSERT_FALSE(silent(conga));
    EXPECT_EQ(render(drums, 128, 0, 64), conga);
    EXPECT_TRUE(silent(render(drums, 128, 0, 38)));
    for (const std::string& name : names)
        SoundFontViewFiles::remove(name);
}

TEST(DamagedSoundFont, IsRefusedWithAReason) {
    const std::vector<std::pair<const char*, std::function<void(TinySoundFont&)>>> damages = {
        {"a preset's zones beyond the zone list",
         [](TinySoundFont& f) { TinySoundFont::putU16(f.lists[f.Phdr], 38 + 24, 200); }},
        {"zones out of order",
         [](TinySoundFont& f) { TinySoundFont::putU16(f.lists[f.Phdr], 2 * 38 + 24, 0); }},
        {"generators beyond their list",
         [](TinySoundFont& f) { TinySoundFont::putU16(f.lists[f.Pbag], 4, 900); }},
        {"modulators beyond their list",
         [](TinySoundFont& f) { TinySoundFont::putU16(f.lists[f.Ibag], 6, 7); }},
        {"an instrument that does not exist",
         [](TinySoundFont& f) { TinySoundFont::putU16(f.lists[f.Pgen], 6, 2); }},
        {"a sample that does not exist",
         [](TinySoundFont& f) { TinySoundFont::putU16(f.lists[f.Igen], 6, 5); }},
        {"a list of the wrong size", [](TinySoundFont& f) { f.lists[f.Pgen].pop_back(); }},
        {"an empty list", [](TinySoundFont& f) { f.lists[f.Shdr].clear(); }},
    };
    for (const auto& [what, damage] : damages) {
        TinySoundFont tiny;
        damage(tiny);
        EXPECT_FALSE(readError(tiny.bytes()).empty()) << what;
    }
    std::vector<uint8_t> bytes = TinySoundFont().bytes();
    bytes[4] += 1; // the header claims more than there is
    EXPECT_FALSE(readError(bytes).empty());
    bytes = TinySoundFont().bytes();
    bytes[12 + 8] = 'X'; // the information list's type
    EXPECT_FALSE(readError(bytes).empty());
    bytes = TinySoundFont().bytes();
    bytes[bytes.size() - 46 * 6 - 1] = 0x7F; // the sample headers' length, beyond the file
    EXPECT_FALSE(readError(bytes).empty());
}

// The synthesizer refuses a file without a version record or of a version before 2, even when the
// rest is sound: such a file is refused when its preset list is read, with the reason, instead of
// leaving every sound silent.
TEST(DamagedSoundFont, AVersionTheSynthesizerRefusesIsRefusedFirst) {
    const auto withVersion = [](std::vector<uint8_t> version) {
        TinySoundFont tiny;
        tiny.version = std::move(version);
        return readError(tiny.bytes());
    };
    EXPECT_NE(withVersion({1, 0, 0, 0}).find("version 1.0"), std::string::npos);
    EXPECT_NE(withVersion({}).find("version record is missing"), std::string::npos);
    EXPECT_NE(withVersion({2, 0, 1}).find("wrong size"), std::string::npos);
    EXPECT_EQ(withVersion({2, 0, 4, 0}), "");
    EXPECT_EQ(withVersion({3, 0, 1, 0}), ""); // compressed samples, which the synthesizer reads
}

TEST(DamagedSoundFont, CutShortAnywhereIsRefused) {
    const std::vector<uint8_t> bytes = TinySoundFont().bytes();
    for (std::size_t length = 0; length < bytes.size(); length += length < 300 ? 1 : 97) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
        EXPECT_FALSE(readError(cut).empty()) << length;
    }
    // Cut short with a header that says so: the lists are still not all there.
    std::vector<uint8_t> cut(bytes.begin(), bytes.end() - 100);
    const auto riff = static_cast<uint32_t>(cut.size() - 8);
    for (int i = 0; i < 4; ++i)
        cut[4 + static_cast<std::size_t>(i)] = static_cast<uint8_t>(riff >> (8 * i));
    EXPECT_FALSE(readError(cut).empty());
}
