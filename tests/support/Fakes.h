#pragma once

#include "framework/MessageBox.h"
#include "framework/Shell.h"
#include "framework/SoundService.h"

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
    void Play(TSoundImage image, bool sync) override {
        played.push_back(image);
        lastSync = sync;
        playing = image;
    }
    void Stop() override {
        ++stops;
        playing.reset();
    }
    void MessageBeep(unsigned type) override { beeps.push_back(type); }

    std::vector<TSoundImage> played;
    TSoundImage playing;
    bool lastSync = false;
    int stops = 0;
    std::vector<unsigned> beeps;
};

// Records the documents it was asked to open.
class FakeShell : public IShell {
public:
    void Open(const std::string& path) override { opened.push_back(path); }
    std::vector<std::string> opened;
};

// Installs fresh fakes into the running application for one test.
struct FakeServices {
    FakeServices();
    ~FakeServices();
    FakeMessageBox& messageBox;
    FakeSound& sound;
    FakeShell& shell;
};

} // namespace orv::test
