#include "art/sounds.h"
#include "art/wav.h"
#include "wav_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

namespace {

// Every sound file a game plays by name.
const std::set<std::string> kGameSounds{"flick.wav",  "pageturn.wav",      "dice.wav",     "squirt.wav",
                                        "missle.wav", "bigpoolsplash.wav", "waterdrop.wav"};

TEST(ArtSounds, EveryGameSoundIsListed) {
    std::set<std::string> listed;
    for (std::string_view name : art::soundNames()) listed.insert(std::string(name));
    EXPECT_EQ(listed, kGameSounds);
}

TEST(ArtSounds, EachIsAValidAudibleShortWave) {
    for (const std::string& name : kGameSounds) {
        SCOPED_TRACE(name);
        const WavCheck wav = checkWav(art::soundFile(name));
        ASSERT_EQ(wav.problem, "");
        EXPECT_EQ(wav.sampleRate, 22050);
        const double seconds = static_cast<double>(wav.samples) / wav.sampleRate;
        EXPECT_GT(seconds, 0.03);
        EXPECT_LT(seconds, 2.5);
        EXPECT_GT(wav.peak, 16000) << "too quiet";
        EXPECT_LT(wav.peak, 32000) << "clipped";
        EXPECT_LT(std::abs(wav.last), wav.peak / 100) << "ends with a click";
    }
}

TEST(ArtSounds, AreAllDifferent) {
    std::set<QByteArray> seen;
    for (const std::string& name : kGameSounds) seen.insert(art::soundFile(name));
    EXPECT_EQ(seen.size(), kGameSounds.size());
}

TEST(ArtSounds, UnknownNameGivesNothing) {
    EXPECT_TRUE(art::soundFile("nosuch.wav").isEmpty());
    EXPECT_TRUE(art::soundFile("").isEmpty());
}

TEST(ArtWavFile, WritesHeaderAndLittleEndianSamples) {
    const QByteArray bytes = art::wavFile({1, -2, 32767, -32768}, 8000);
    const WavCheck wav = checkWav(bytes);
    ASSERT_EQ(wav.problem, "");
    EXPECT_EQ(wav.sampleRate, 8000);
    EXPECT_EQ(wav.samples, 4);
    EXPECT_EQ(bytes.mid(44), QByteArray::fromHex("0100feffff7f0080"));
}

TEST(ArtWavFile, NoSamplesIsStillAValidFile) {
    const WavCheck wav = checkWav(art::wavFile({}, 22050));
    EXPECT_EQ(wav.problem, "");
    EXPECT_EQ(wav.samples, 0);
}

}  // namespace
