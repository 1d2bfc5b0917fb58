// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "components/media/WavePlay.h"
#include "Fakes.h"
#include "framework/files/Resources.h"
#include "framework/texts/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace orv {
namespace {

class WavePlayer : public ::testing::Test {
protected:
    std::string WriteTempFile(const std::string& bytes) {
        path_ = ::testing::TempDir() + "wave_player_test.wav";
        std::ofstream(path_, std::ios::binary) << bytes;
        return path_;
    }
    void TearDown() override {
        if (!path_.empty())
            std::remove(path_.c_str());
    }

    test::FakeServices fakes;
    std::string path_;
};

TEST_F(WavePlayer, LoadsOnlyAtItsLoadedStepAndPrefersTheFile) {
    TWavePlayer player(nullptr);
    player.SetResourceName("SND_LASER");
    player.SetFileName(WriteTempFile("RIFF-file-bytes"));
    EXPECT_EQ(player.SoundImage(), nullptr);
    player.Loaded();
    ASSERT_NE(player.SoundImage(), nullptr);
    EXPECT_EQ(std::string(player.SoundImage()->begin(), player.SoundImage()->end()),
              "RIFF-file-bytes");
}

TEST_F(WavePlayer, ResourceIsReadWholeByteForByte) {
    TWavePlayer player(nullptr);
    player.SetResourceName("SND_ENEMY_EXPLODE");
    player.Loaded();
    ASSERT_NE(player.SoundImage(), nullptr);
    EXPECT_EQ(*player.SoundImage(), LoadResourceData(TResourceType::rtRCData, "SND_ENEMY_EXPLODE"));
}

TEST_F(WavePlayer, PlaysOnlyWhenEnabledAndLoaded) {
    TWavePlayer player(nullptr);
    player.Play();
    EXPECT_TRUE(fakes.sound.played.empty());
    player.SetResourceName("SND_LASER");
    player.Loaded();
    player.SetEnabled(false);
    player.Play();
    EXPECT_TRUE(fakes.sound.played.empty());
    player.SetEnabled(true);
    player.Play();
    ASSERT_EQ(fakes.sound.played.size(), 1u);
    EXPECT_EQ(fakes.sound.played[0], player.SoundImage());
    EXPECT_FALSE(fakes.sound.lastSync);
    player.Sync = true;
    player.Play();
    EXPECT_TRUE(fakes.sound.lastSync);
}

TEST_F(WavePlayer, DisablingAnyPlayerSilencesTheSoundOfAnother) {
    TWavePlayer laser(nullptr);
    TWavePlayer explosion(nullptr);
    laser.SetResourceName("SND_LASER");
    laser.Loaded();
    explosion.Loaded();
    laser.Play();
    ASSERT_NE(fakes.sound.playing, nullptr);
    explosion.SetEnabled(false);
    EXPECT_EQ(fakes.sound.playing, nullptr);
    explosion.SetEnabled(true);
    EXPECT_EQ(fakes.sound.stops, 1);
}

TEST_F(WavePlayer, AfterLoadingEveryNonEmptyNameReloadsAndEmptyKeepsTheSound) {
    TWavePlayer player(nullptr);
    player.SetResourceName("SND_LASER");
    player.Loaded();
    const TSoundImage laser = player.SoundImage();
    player.SetFileName("");
    EXPECT_EQ(player.SoundImage(), laser);
    player.SetResourceName("SND_MYSHIP_EXPLODE");
    ASSERT_NE(player.SoundImage(), nullptr);
    EXPECT_NE(player.SoundImage()->size(), laser->size());
    player.SetFileName(WriteTempFile("x"));
    EXPECT_EQ(player.SoundImage()->size(), 1u);
}

TEST_F(WavePlayer, MissingResourceRaisesAndLeavesThePlayerSilent) {
    TWavePlayer player(nullptr);
    player.SetResourceName("SND_LASER");
    player.Loaded();
    try {
        player.SetResourceName("SND_MISSING");
        FAIL() << "no error";
    } catch (const EResNotFound& error) {
        EXPECT_EQ(error.what(), Format(FrameworkTexts::ResourceNotFound, {"SND_MISSING"}));
    }
    EXPECT_EQ(player.SoundImage(), nullptr);
    player.Play();
    EXPECT_TRUE(fakes.sound.played.empty());
}

TEST_F(WavePlayer, MissingOrUnreadableFileRaisesAnInputOutputError) {
    TWavePlayer player(nullptr);
    player.SetFileName(::testing::TempDir() + "no-such-sound.wav");
    EXPECT_THROW(player.Loaded(), EInOutError);
    EXPECT_EQ(player.SoundImage(), nullptr);
    TWavePlayer loaded(nullptr);
    loaded.Loaded();
    EXPECT_THROW(loaded.SetFileName(::testing::TempDir()), EInOutError);
}

TEST_F(WavePlayer, APlayingSoundKeepsItsBytesAfterThePlayerGoes) {
    TSoundImage held;
    {
        TWavePlayer player(nullptr);
        player.SetResourceName("SND_LASER");
        player.Loaded();
        player.Play();
        held = fakes.sound.playing;
    }
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(*held, LoadResourceData(TResourceType::rtRCData, "SND_LASER"));
}

} // namespace
} // namespace orv
