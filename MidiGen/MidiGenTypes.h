#pragma once

// The vocabulary of the note-string player: pitch classes, channels, General MIDI sounds and
// the timed events a note string turns into. Plain standard C++, shared by the player, the
// command-line tool and the fuzz target.

#include <cstdint>
#include <optional>
#include <string_view>

// Pitch classes; the ordinal is the number of semitones above C.
enum TMGNote : int {
    mgC,
    mgCsharp,
    mgD,
    mgDsharp,
    mgE,
    mgF,
    mgFsharp,
    mgG,
    mgGsharp,
    mgA,
    mgAsharp,
    mgB,
};

// MIDI channels; the ordinal is the zero-based channel number.
enum TMGChannel : int {
    mgCh01,
    mgCh02,
    mgCh03,
    mgCh04,
    mgCh05,
    mgCh06,
    mgCh07,
    mgCh08,
    mgCh09,
    mgCh10, // the General MIDI percussion channel
    mgCh11,
    mgCh12,
    mgCh13,
    mgCh14,
    mgCh15,
    mgCh16,
};

// The 128 General MIDI programs (ordinal = program number) followed by the 47 General MIDI
// percussion keys 35..81 (ordinal = key + 93).
enum TMGInstrument : int {
    mgAcousticGrandPiano, // 0
    mgBrightAcousticPiano,
    mgElectricGrandPiano,
    mgHonkyTonkPiano,
    mgElectricPiano1,
    mgElectricPiano2,
    mgHarpsichord,
    mgClavinet,
    mgCelesta,
    mgGlockenspiel,
    mgMusicBox,
    mgVibraphone,
    mgMarimba,
    mgXylophone,
    mgTubularBells,
    mgDulcimer,
    mgDrawbarOrgan,
    mgPercussiveOrgan,
    mgRockOrgan,
    mgChurchOrgan,
    mgReedOrgan,
    mgAccordion,
    mgHarmonica,
    mgTangoAccordion,
    mgAcousticNylonGuitar,
    mgAcousticSteelGuitar,
    mgJazzElectricGuitar,
    mgCleanElectricGuitar,
    mgMutedElectricGuitar,
    mgOverdrivenGuitar,
    mgDistortionGuitar,
    mgGuitarHarmonics,
    mgAcousticBass,
    mgFingeredElectricBass,
    mgPickedElectricBass,
    mgFretlessBass,
    mgSlapBass1,
    mgSlapBass2,
    mgSynthBass1,
    mgSynthBass2,
    mgViolin,
    mgViola,
    mgCello,
    mgContrabass,
    mgTremoloStrings,
    mgPizzicatoStrings,
    mgOrchestralHarp,
    mgTimpani,
    mgStringEnsemble1,
    mgStringEnsemble2,
    mgSynthStrings1,
    mgSynthStrings2,
    mgChoirAahs,
    mgVoiceOohs,
    mgSynthVoice,
    mgOrchestraHit,
    mgTrumpet,
    mgTrombone,
    mgTuba,
    mgMutedTrumpet,
    mgFrenchHorn,
    mgBrassSection,
    mgSynthBrass1,
    mgSynthBrass2,
    mgSopranoSax,
    mgAltoSax,
    mgTenorSax,
    mgBaritoneSax,
    mgOboe,
    mgEnglishHorn,
    mgBassoon,
    mgClarinet,
    mgPiccolo,
    mgFlute,
    mgRecorder,
    mgPanFlute,
    mgBlownBottle,
    mgShakuhachi,
    mgWhistle,
    mgOcarina,
    mgSquareLead,
    mgSawtoothLead,
    mgCalliopeLead,
    mgChiffLead,
    mgCharangLead,
    mgVoiceLead,
    mgFifthsLead,
    mgBassandLead,
    mgNewAgePad,
    mgWarmPad,
    mgPolySynthPad,
    mgChoirPad,
    mgBowedPad,
    mgMetallicPad,
    mgHaloPad,
    mgSweepPad,
    mgSynthFXRain,
    mgSynthFXSoundtrack,
    mgSynthFXCrystal,
    mgSynthFXAtmosphere,
    mgSynthFXBrightness,
    mgSynthFXGoblins,
    mgSynthFXEchoes,
    mgSynthFXSciFi,
    mgSitar,
    mgBanjo,
    mgShamisen,
    mgKoto,
    mgKalimba,
    mgBagpipe,
    mgFiddle,
    mgShanai,
    mgTinkleBell,
    mgAgogo,
    mgSteelDrums,
    mgWoodblock,
    mgTaikoDrum,
    mgMelodicTom,
    mgSynthDrum,
    mgReverseCymbal,
    mgGuitarFretNoise,
    mgBreathNoise,
    mgSeashore,
    mgBirdTweet,
    mgTelephoneRing,
    mgHelicopter,
    mgApplause,
    mgGunshot,          // 127
    mgAcousticBassDrum, // 128, key 35
    mgBassDrum1,
    mgSideStick,
    mgAcousticSnare,
    mgHandClap,
    mgElectricSnare,
    mgLowFloorTom,
    mgClosedHiHat,
    mgHighFloorTom,
    mgPedalHiHat,
    mgLowTom,
    mgOpenHiHat,
    mgLowMidTom,
    mgHiMidTom,
    mgCrashCymbal1,
    mgHighTom,
    mgRideCymbal1,
    mgChineseCymbal,
    mgRideBell,
    mgTambourine,
    mgSplashCymbal,
    mgCowbell,
    mgCrashCymbal2,
    mgVibraslap,
    mgRideCymbal2,
    mgHiBongo,
    mgLowBongo,
    mgMuteHiConga,
    mgOpenHiConga,
    mgLowConga,
    mgHighTimbale,
    mgLowTimbale,
    mgHighAgogo,
    mgLowAgogo,
    mgCabasa,
    mgMaracas,
    mgShortWhistle,
    mgLongWhistle,
    mgShortGuiro,
    mgLongGuiro,
    mgClaves,
    mgHiWoodBlock,
    mgLowWoodBlock,
    mgMuteCuica,
    mgOpenCuica,
    mgMuteTriangle,
    mgOpenTriangle, // 174, key 81
};

namespace midigen {

constexpr int NoteCount = 12;
constexpr int ChannelCount = 16;
constexpr int InstrumentCount = 175;
constexpr int FirstPercussionInstrument = 128;
constexpr int PercussionKeyOffset = 93; // percussion ordinal - 93 = General MIDI key
constexpr int LowestPercussionKey = 35;
constexpr int HighestPercussionKey = 81;
constexpr uint8_t PercussionChannel = 9;

// The name of an instrument ordinal ("mgHandClap"), or empty when out of range.
std::string_view instrumentName(int ordinal);

// The ordinal of an instrument name, compared without regard to ASCII case, with or without
// the "mg" prefix ("mgHandClap", "handclap").
std::optional<int> instrumentByName(std::string_view name);

} // namespace midigen

// One timed event of a parsed note string.
struct TMGEvent {
    enum Kind : uint8_t {
        ProgramChange = 6,
        NoteOn = 8,
        NoteOff = 9,
    };

    int32_t time = 0; // ticks from the start of the string
    uint8_t kind = NoteOn;
    int32_t value = 0; // instrument ordinal (program change), key or percussion ordinal (notes)
    uint8_t channel = 0;

    friend bool operator==(const TMGEvent&, const TMGEvent&) = default;
};
