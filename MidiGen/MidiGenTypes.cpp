#include "MidiGenTypes.h"

#include <array>

namespace midigen {

namespace {

constexpr std::array<std::string_view, InstrumentCount> instrumentNames = {
    "mgAcousticGrandPiano",
    "mgBrightAcousticPiano",
    "mgElectricGrandPiano",
    "mgHonkyTonkPiano",
    "mgElectricPiano1",
    "mgElectricPiano2",
    "mgHarpsichord",
    "mgClavinet",
    "mgCelesta",
    "mgGlockenspiel",
    "mgMusicBox",
    "mgVibraphone",
    "mgMarimba",
    "mgXylophone",
    "mgTubularBells",
    "mgDulcimer",
    "mgDrawbarOrgan",
    "mgPercussiveOrgan",
    "mgRockOrgan",
    "mgChurchOrgan",
    "mgReedOrgan",
    "mgAccordion",
    "mgHarmonica",
    "mgTangoAccordion",
    "mgAcousticNylonGuitar",
    "mgAcousticSteelGuitar",
    "mgJazzElectricGuitar",
    "mgCleanElectricGuitar",
    "mgMutedElectricGuitar",
    "mgOverdrivenGuitar",
    "mgDistortionGuitar",
    "mgGuitarHarmonics",
    "mgAcousticBass",
    "mgFingeredElectricBass",
    "mgPickedElectricBass",
    "mgFretlessBass",
    "mgSlapBass1",
    "mgSlapBass2",
    "mgSynthBass1",
    "mgSynthBass2",
    "mgViolin",
    "mgViola",
    "mgCello",
    "mgContrabass",
    "mgTremoloStrings",
    "mgPizzicatoStrings",
    "mgOrchestralHarp",
    "mgTimpani",
    "mgStringEnsemble1",
    "mgStringEnsemble2",
    "mgSynthStrings1",
    "mgSynthStrings2",
    "mgChoirAahs",
    "mgVoiceOohs",
    "mgSynthVoice",
    "mgOrchestraHit",
    "mgTrumpet",
    "mgTrombone",
    "mgTuba",
    "mgMutedTrumpet",
    "mgFrenchHorn",
    "mgBrassSection",
    "mgSynthBrass1",
    "mgSynthBrass2",
    "mgSopranoSax",
    "mgAltoSax",
    "mgTenorSax",
    "mgBaritoneSax",
    "mgOboe",
    "mgEnglishHorn",
    "mgBassoon",
    "mgClarinet",
    "mgPiccolo",
    "mgFlute",
    "mgRecorder",
    "mgPanFlute",
    "mgBlownBottle",
    "mgShakuhachi",
    "mgWhistle",
    "mgOcarina",
    "mgSquareLead",
    "mgSawtoothLead",
    "mgCalliopeLead",
    "mgChiffLead",
    "mgCharangLead",
    "mgVoiceLead",
    "mgFifthsLead",
    "mgBassandLead",
    "mgNewAgePad",
    "mgWarmPad",
    "mgPolySynthPad",
    "mgChoirPad",
    "mgBowedPad",
    "mgMetallicPad",
    "mgHaloPad",
    "mgSweepPad",
    "mgSynthFXRain",
    "mgSynthFXSoundtrack",
    "mgSynthFXCrystal",
    "mgSynthFXAtmosphere",
    "mgSynthFXBrightness",
    "mgSynthFXGoblins",
    "mgSynthFXEchoes",
    "mgSynthFXSciFi",
    "mgSitar",
    "mgBanjo",
    "mgShamisen",
    "mgKoto",
    "mgKalimba",
    "mgBagpipe",
    "mgFiddle",
    "mgShanai",
    "mgTinkleBell",
    "mgAgogo",
    "mgSteelDrums",
    "mgWoodblock",
    "mgTaikoDrum",
    "mgMelodicTom",
    "mgSynthDrum",
    "mgReverseCymbal",
    "mgGuitarFretNoise",
    "mgBreathNoise",
    "mgSeashore",
    "mgBirdTweet",
    "mgTelephoneRing",
    "mgHelicopter",
    "mgApplause",
    "mgGunshot",
    "mgAcousticBassDrum",
    "mgBassDrum1",
    "mgSideStick",
    "mgAcousticSnare",
    "mgHandClap",
    "mgElectricSnare",
    "mgLowFloorTom",
    "mgClosedHiHat",
    "mgHighFloorTom",
    "mgPedalHiHat",
    "mgLowTom",
    "mgOpenHiHat",
    "mgLowMidTom",
    "mgHiMidTom",
    "mgCrashCymbal1",
    "mgHighTom",
    "mgRideCymbal1",
    "mgChineseCymbal",
    "mgRideBell",
    "mgTambourine",
    "mgSplashCymbal",
    "mgCowbell",
    "mgCrashCymbal2",
    "mgVibraslap",
    "mgRideCymbal2",
    "mgHiBongo",
    "mgLowBongo",
    "mgMuteHiConga",
    "mgOpenHiConga",
    "mgLowConga",
    "mgHighTimbale",
    "mgLowTimbale",
    "mgHighAgogo",
    "mgLowAgogo",
    "mgCabasa",
    "mgMaracas",
    "mgShortWhistle",
    "mgLongWhistle",
    "mgShortGuiro",
    "mgLongGuiro",
    "mgClaves",
    "mgHiWoodBlock",
    "mgLowWoodBlock",
    "mgMuteCuica",
    "mgOpenCuica",
    "mgMuteTriangle",
    "mgOpenTriangle",
};

char foldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::string_view instrumentName(int ordinal) {
    if (ordinal < 0 || ordinal >= InstrumentCount)
        return {};
    return instrumentNames[static_cast<size_t>(ordinal)];
}

std::optional<int> instrumentByName(std::string_view name) {
    for (int i = 0; i < InstrumentCount; ++i) {
        const std::string_view full = instrumentNames[static_cast<size_t>(i)];
        if (equalFolded(name, full) || equalFolded(name, full.substr(2)))
            return i;
    }
    return std::nullopt;
}

} // namespace midigen
