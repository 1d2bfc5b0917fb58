// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/app/Application.h"
#include "framework/controls/Forms.h"

#include <functional>
#include <string>
#include <vector>

namespace orv::test {

// Answers every modal form for the length of a test, the way a person would,
// and notes what each form looked like when it came up.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(TForm&)> answer) : answer_(std::move(answer)) {
        Application().SetModalHook([this](TForm& form) {
            ++shown;
            captions.push_back(form.Caption());
            answer_(form);
        });
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;
    ~ModalAnswer() { Application().SetModalHook(nullptr); }

    int shown = 0;
    std::vector<std::string> captions;

private:
    std::function<void(TForm&)> answer_;
};

// Presses a key on a form as the keyboard would.
inline void PressKey(TForm& form, int key) {
    form.KeyDown(key, 0);
}

} // namespace orv::test
