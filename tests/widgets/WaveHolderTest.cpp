// The click sound's file and playing stored sounds through the sound player.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/host/HostSoundPlayer.h"
#include "widgets/AHMWaveHolder.h"
#include "widgets/TickSound.h"

namespace vx::widgets {
namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

TEST(TickSound, IsTheStatedPcmFile)
{
    const std::vector<std::uint8_t> wave = MakeTickWave();
    ASSERT_EQ(wave.size(), 1172u);
    EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4), "RIFF");
    EXPECT_EQ(Le(wave, 4, 4), 1164u);
    EXPECT_EQ(std::string(wave.begin() + 8, wave.begin() + 16), "WAVEfmt ");
    struct Field { std::size_t at; int bytes; std::uint32_t value; const char* what; };
    for (const Field& f : {Field{16, 4, 16, "fmt size"}, {20, 2, 1, "PCM"}, {22, 2, 1, "channels"},
                           {24, 4, 11025, "rate"}, {28, 4, 11025, "bytes/s"}, {32, 2, 1, "align"}, {34, 2, 8, "bits"},
                           {40, 4, 1128, "data size"}})
        EXPECT_EQ(Le(wave, f.at, f.bytes), f.value) << f.what;
    EXPECT_EQ(std::string(wave.begin() + 36, wave.begin() + 40), "data");
}

TEST(TickSound, StartsSoftlyClicksAndFadesToSilence)
{
    const std::vector<std::uint8_t> wave = MakeTickWave();
    const auto data = wave.begin() + 44;
    EXPECT_NEAR(data[0], 128, 2);  // no pop at the start
    const auto [lo, hi] = std::minmax_element(data, data + 200);
    EXPECT_GT(*hi - *lo, 80);  // audible
    EXPECT_GT(*lo, 0);         // not clipped
    EXPECT_LT(*hi, 255);
    EXPECT_TRUE(std::all_of(data + 900, wave.end(), [](std::uint8_t s) { return s == 128; }));
}

class WaveHolderTest : public ::testing::Test {
protected:
    platform::HostSoundPlayer player;
    platform::ScopedService<platform::SoundPlayer> scoped{player};
    TAHMWaveHolder holder;
};

TEST_F(WaveHolderTest, PlaysFromMemoryWithLoopOnlyWhenAsynchronous)
{
    struct Case { bool async, looped; platform::SoundFlags expected; };
    const Case cases[] = {
        {true, false, {true, false}}, {true, true, {true, true}}, {false, true, {false, false}}, {false, false, {false, false}}};
    TAHMInternalWave& item = holder.AddInternal();
    item.SetFileContents(MakeTickWave());
    for (const Case& c : cases) {
        item.SetAsynchronous(c.async);
        item.SetLooped(c.looped);
        player.Clear();
        EXPECT_TRUE(holder.PlayInternal(0));
        ASSERT_EQ(player.History().size(), 1u);
        EXPECT_EQ(player.History()[0].flags, c.expected) << c.async << c.looped;
        EXPECT_EQ(player.History()[0].wave, MakeTickWave());
    }
}

TEST_F(WaveHolderTest, OutOfRangeOrEmptyItemsPlayNothing)
{
    holder.AddInternal().SetFileContents(MakeTickWave());
    holder.AddInternal();
    for (int index : {-1, 2, 5, 1})
        EXPECT_FALSE(holder.PlayInternal(index)) << index;
    EXPECT_TRUE(player.History().empty());
}

TEST_F(WaveHolderTest, StopAllEndsTheSound)
{
    holder.AddInternal().SetFileContents(MakeTickWave());
    holder.PlayInternal(0);
    EXPECT_TRUE(player.Playing());
    holder.StopAll();
    EXPECT_FALSE(player.Playing());
    EXPECT_EQ(player.StopCount(), 1);
}

TEST_F(WaveHolderTest, NameIsTakenOnlyWhileLoading)
{
    TAHMInternalWave& item = holder.AddInternal();
    EXPECT_EQ(item.DisplayName(), "No Wave Stored");
    item.SetWave("Other.wav");
    EXPECT_EQ(item.Wave(), "");
    holder.BeginLoading();
    item.SetWave(TickWaveName);
    holder.EndLoading();
    EXPECT_EQ(item.DisplayName(), "Tick.wav");

    TAHMInternalWave copy = holder.AddInternal();
    copy.SetFileContents({1, 2});
    copy = holder.Internals()[0];
    EXPECT_EQ(copy.Wave(), "Tick.wav");
    EXPECT_TRUE(copy.FileContents().empty());
}

TEST_F(WaveHolderTest, FileContentsStoredWithTheirLength)
{
    TAHMInternalWave& item = holder.AddInternal();
    item.SetFileContents(MakeTickWave());
    std::vector<std::uint8_t> stored = item.SaveFileContents();
    ASSERT_EQ(stored.size(), 1176u);
    EXPECT_EQ(Le(stored, 0, 4), 1172u);
    TAHMInternalWave& loaded = holder.AddInternal();
    EXPECT_EQ(loaded.LoadFileContents(stored), 1176u);
    EXPECT_EQ(loaded.FileContents(), MakeTickWave());
    stored.resize(600);  // cut short: keeps nothing rather than half a file
    EXPECT_EQ(loaded.LoadFileContents(stored), 600u);
    EXPECT_TRUE(loaded.FileContents().empty());
}

TEST(ExternalWave, ShownByFileNameWithoutDirectory)
{
    TAHMExternalWave wave;
    EXPECT_EQ(wave.DisplayName(), "No Wave specified");
    wave.SetWavFileName("C:\\Sounds\\Ding.wav");
    EXPECT_EQ(wave.DisplayName(), "Ding.wav");
    EXPECT_TRUE(wave.Asynchronous());
    EXPECT_FALSE(wave.Looped());
}

}  // namespace
}  // namespace vx::widgets
