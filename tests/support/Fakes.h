// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/services/Cursor.h"
#include "framework/services/GameControllers.h"
#include "framework/services/MessageBox.h"
#include "framework/services/Shell.h"
#include "framework/services/Sleeper.h"
#include "framework/services/SoundService.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orv::test {

// Records every message box and answers with a preset result.
class FakeMessageBox : public IMessageBox {
public:
    struct Shown {
        std::string text;
        std::string caption;
        unsigned flags;
    };

    int Show(const std::string& text, const std::string& caption, unsigned flags) override {
        shown.push_back({text, caption, flags});
        return answer;
    }

    std::vector<Shown> shown;
    int answer = IDOK;
};

// Records what would be played; plays nothing.
class FakeSound : public ISoundService {
public:
    void Play(TSoundImage image, bool sync, const std::string& title) override {
        played.push_back(image);
        lastSync = sync;
        lastTitle = title;
        playing = image;
    }
    void Stop() override {
        ++stops;
        playing.reset();
    }
    void MessageBeep(unsigned type) override { beeps.push_back(type); }
    void PlayEvent(const std::string& name) override { events.push_back(name); }

    std::vector<TSoundImage> played;
    TSoundImage playing;
    bool lastSync = false;
    std::string lastTitle;
    int stops = 0;
    std::vector<unsigned> beeps;
    std::vector<std::string> events;
};

// A cursor that is wherever it was last put; records every placement.
class FakeCursor : public ICursor {
public:
    TPoint Pos() const override { return pos; }
    void SetPos(TPoint p) override {
        if (!canPlace)
            return;
        pos = p;
        moves.push_back(p);
    }
    bool CanPlace() const override { return canPlace; }
    bool ButtonHeld() const override { return buttonHeld; }

    TPoint pos;
    bool buttonHeld = false;
    std::vector<TPoint> moves;
    bool canPlace = true;
};

// Returns at once; records each wait and how many cursor moves preceded it.
class FakeSleeper : public ISleeper {
public:
    void Sleep(int milliseconds) override {
        waits.push_back(milliseconds);
        if (cursor)
            movesBeforeWait.push_back(cursor->moves.size());
    }

    std::vector<int> waits;
    std::vector<std::size_t> movesBeforeWait;
    const FakeCursor* cursor = nullptr;
};

// Records the documents it was asked to open, and answers as told.
class FakeShell : public IShell {
public:
    bool Open(const std::string& path) override {
        opened.push_back(path);
        return opens;
    }
    std::vector<std::string> opened;
    bool opens = true;
};

// A controller the test presses.
class FakeControllers : public IGameControllers {
public:
    void SetOnButton(TControllerButtonEvent handler) override { onButton = std::move(handler); }
    void Press(TControllerButton button, bool down = true) {
        if (onButton)
            onButton(button, down);
    }

    TControllerButtonEvent onButton;
};

// Installs fresh fakes into the running application for one test.
struct FakeServices {
    FakeServices();
    ~FakeServices();
    FakeMessageBox& messageBox;
    FakeSound& sound;
    FakeShell& shell;
    FakeCursor& cursor;
    FakeSleeper& sleeper;
    FakeControllers& controllers;
};

} // namespace orv::test
