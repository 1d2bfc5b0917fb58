// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A game wired to real components the way the main window wires it, without
// a window: the boxes are not shown, so repaints do not run.

#include "Fakes.h"
#include "components/media/ImageBox.h"
#include "components/media/WavePlay.h"
#include "framework/controls/Label.h"
#include "framework/drawing/Bitmap.h"
#include "framework/drawing/ImageList.h"
#include "game/Field.h"
#include "game/UGame.h"
#include "game/UUnit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace orv::test {

inline void LoadPlayer(TWavePlayer& player, const std::string& resource) {
    player.SetResourceName(resource);
    player.Loaded();
}

inline void PlaceBox(TImageBox& box, int left, int top, int width, int height) {
    box.SetAutoSizeOnBitmapChange(false);
    box.SetBounds(left, top, width, height);
    box.Loaded();
}

struct GameRig {
    // fieldBox may live elsewhere (on a shown form); the rest is owned here.
    explicit GameRig(TImageBox* fieldBox = nullptr) : field(fieldBox ? *fieldBox : ownField) {
        if (!fieldBox)
            PlaceBox(ownField, 8, 14, 400, 400);
        PlaceBox(left, 440, 384, 144, 16);
        TBitmap picture;
        picture.LoadFromFile(":/form/MainForm.TitleImageBox");
        title.SetBounds(420, 8, 180, 80);
        title.SetBitmap(&picture);
        for (int id = 100; id <= 105; ++id) {
            TBitmap bitmap;
            bitmap.LoadFromResourceID(id);
            images.AddMasked(bitmap, clBlack);
        }
        for (TLabel* label : {&hiScore, &score, &level})
            label->SetCaption("000000");
        LoadPlayer(shipBoom, "SND_MYSHIP_EXPLODE");
        LoadPlayer(enemyBoom, "SND_ENEMY_EXPLODE");
        LoadPlayer(laser, "SND_LASER");
        game.Setup(field, left, title, images, hiScore, score, level, shipBoom, enemyBoom, laser);
        game.Random().Seed(20240611);
        // What the main window does next at start-up.
        game.ClearField();
        game.ToTitle();
    }

    TMyShip& Ship() { return *game.Ship(); }
    TEnemy& Enemy() { return *game.Enemy(); }
    TField& Grid() { return *game.Grid(); }
    void Tick() { field.WndProc(TCustomImageBox::kTickMessage); }

    // The picture as the image list draws it on black.
    std::unique_ptr<TBitmap> Picture(int index) const {
        auto bitmap = std::make_unique<TBitmap>(16, 16);
        images.Draw(bitmap->Canvas(), 0, 0, index);
        return bitmap;
    }

    static bool AreaShows(const TBitmap& where, int left, int top, const TBitmap& picture) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (where.Pixel(left + x, top + y) != picture.Pixel(x, y))
                    return false;
        return true;
    }
    bool CellShows(TPoint cell, int index) const {
        return AreaShows(field.Bitmap(), cell.X * 16, cell.Y * 16, *Picture(index));
    }
    bool CellBlack(TPoint cell) const {
        return AreaShows(field.Bitmap(), cell.X * 16, cell.Y * 16, TBitmap(16, 16));
    }
    bool IconAt(int x) const { return AreaShows(left.Bitmap(), x, 0, *Picture(kShipPicture)); }

    FakeServices fakes;
    TImageBox ownField{nullptr};
    TImageBox& field;
    TImageBox left{nullptr};
    TImageBox title{nullptr};
    TImageList images;
    TLabel hiScore{nullptr};
    TLabel score{nullptr};
    TLabel level{nullptr};
    TWavePlayer shipBoom{nullptr};
    TWavePlayer enemyBoom{nullptr};
    TWavePlayer laser{nullptr};
    TGame game;
};

} // namespace orv::test
