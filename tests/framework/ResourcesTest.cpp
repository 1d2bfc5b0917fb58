// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/files/Resources.h"
#include "framework/core/Wave.h"
#include "framework/drawing/Bitmap.h"
#include "framework/drawing/Picture.h"
#include "framework/texts/Exceptions.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cstring>
#include <optional>

namespace orv {
namespace {

struct SoundCase {
    const char* name;
    std::size_t dataSize;
};

class SoundResource : public ::testing::TestWithParam<SoundCase> {};

TEST_P(SoundResource, IsAMono8BitWaveOfTheRightLengthAndNotSilent) {
    const auto bytes = LoadResourceData(TResourceType::rtRCData, GetParam().name);
    const auto info = ParseWave(bytes);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->Channels, 1);
    EXPECT_EQ(info->SampleRate, 22050);
    EXPECT_EQ(info->BitsPerSample, 8);
    EXPECT_EQ(info->DataSize, GetParam().dataSize);
    int loud = 0;
    for (std::size_t i = 0; i < info->DataSize; ++i)
        loud += std::abs(bytes[info->DataOffset + i] - 128) > 16;
    EXPECT_GT(loud, static_cast<int>(info->DataSize / 20));
}

INSTANTIATE_TEST_SUITE_P(Program, SoundResource,
                         ::testing::Values(SoundCase{"SND_LASER", 6615},
                                           SoundCase{"SND_ENEMY_EXPLODE", 11025},
                                           SoundCase{"SND_MYSHIP_EXPLODE", 66150}));

int CountNonBlack(const TBitmap& bitmap) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            count += bitmap.Pixel(x, y) != clBlack;
    return count;
}

TEST(Resources, UnitPicturesAreSixteenSquareDrawingsOnBlack) {
    for (int id = 100; id <= 105; ++id) {
        TBitmap bitmap;
        bitmap.LoadFromResourceID(id);
        EXPECT_EQ(bitmap.Width(), 16) << id;
        EXPECT_EQ(bitmap.Height(), 16) << id;
        EXPECT_GT(CountNonBlack(bitmap), 10) << id;
        EXPECT_EQ(bitmap.Pixel(0, 0), clBlack) << id;
    }
}

TEST(Resources, TitlePictureAndIconsHaveTheirSizes) {
    const QImage titleImage(
        QString::fromStdString(ResourcePath(TResourceType::rtForm, "MainForm.TitleImageBox")));
    EXPECT_EQ(titleImage.size(), QSize(180, 80));
    for (const char* icon : {"MAINICON", "ZEOICON"}) {
        const QImage image(QString::fromStdString(ResourcePath(TResourceType::rtIcon, icon)));
        EXPECT_EQ(image.size(), QSize(32, 32)) << icon;
    }
}

TEST(Resources, MissingResourceNamesItselfInTheError) {
    try {
        LoadResourceData(TResourceType::rtRCData, "SND_NOTHING");
        FAIL() << "no error";
    } catch (const EResNotFound& error) {
        EXPECT_EQ(error.what(), Format(FrameworkTexts::ResourceNotFound, {"SND_NOTHING"}));
    }
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromResourceID(99), EResNotFound);
    EXPECT_TRUE(ResourceExists(TResourceType::rtBitmap, "#100"));
}

std::vector<std::uint8_t> MakeWave(std::uint32_t claimedData, std::size_t actualData,
                                   std::uint16_t format = 1) {
    std::vector<std::uint8_t> w(44 + actualData, 128);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            w[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    auto put16 = [&](std::size_t at, std::uint16_t v) {
        w[at] = static_cast<std::uint8_t>(v);
        w[at + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    std::memcpy(&w[0], "RIFF", 4);
    put32(4, static_cast<std::uint32_t>(36 + actualData));
    std::memcpy(&w[8], "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, format);
    put16(22, 1);
    put32(24, 22050);
    put32(28, 22050);
    put16(32, 1);
    put16(34, 8);
    std::memcpy(&w[36], "data", 4);
    put32(40, claimedData);
    return w;
}

TEST(Wave, ReadsFormatAndLength) {
    const auto info = ParseWave(MakeWave(22050, 22050));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->DataOffset, 44u);
    EXPECT_EQ(info->DurationMs(), 1000);
}

TEST(Wave, CutsAnOverlongDataChunkAndRefusesNonPcm) {
    const auto info = ParseWave(MakeWave(100000, 10));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->DataSize, 10u);
    EXPECT_FALSE(ParseWave(MakeWave(10, 10, 3)).has_value());
    EXPECT_FALSE(ParseWave(std::vector<std::uint8_t>{'R', 'I', 'F', 'F'}).has_value());
    EXPECT_FALSE(ParseWave(std::vector<std::uint8_t>(44, 0)).has_value());
}

// Paints on an image of a given scale, as a control's canvas paints on a
// scaled screen.
class ScaledCanvas : public TCanvas {
public:
    explicit ScaledCanvas(int scale)
        : image(32 * scale, 32 * scale, QImage::Format_ARGB32_Premultiplied) {
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
    }
    QImage image;

protected:
    QPainter* BeginPaint() override {
        painter_.emplace(&image);
        return &*painter_;
    }
    void EndPaint() override { painter_.reset(); }

private:
    std::optional<QPainter> painter_;
};

// Each program icon keeps its 32 px size, and on a screen of scale 2 or 3
// shows the version drawn for that scale, pixel for pixel, not the small one
// enlarged.
TEST(IconPicture, ShowsTheVersionDrawnForTheScreensScale) {
    for (const char* name : {"MAINICON", "ZEOICON"}) {
        TPicture picture;
        ASSERT_TRUE(picture.LoadIcon(name)) << name;
        EXPECT_EQ(picture.Width(), 32);
        EXPECT_EQ(picture.Height(), 32);
        for (const int scale : {1, 2, 3}) {
            ScaledCanvas canvas(scale);
            picture.Draw(canvas, 0, 0);
            const std::string suffix = scale == 1 ? "" : "@" + std::to_string(scale) + "x";
            QImage drawn(QString::fromStdString(
                ResourcePath(TResourceType::rtIcon, std::string(name) + suffix)));
            ASSERT_EQ(drawn.width(), 32 * scale) << name << suffix;
            drawn = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            drawn.setDevicePixelRatio(scale);
            EXPECT_EQ(canvas.image, drawn) << name << suffix;
        }
    }
}

} // namespace
} // namespace orv
