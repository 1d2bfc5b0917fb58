// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>

namespace orv {

// A hidden receiver of posted messages on the window thread. Post may be
// called from any thread; messages arrive in order, one delivery per post,
// never merged. Messages still queued when the receiver is destroyed are
// dropped.
class TMessageWindow {
public:
    using Handler = std::function<void(int message)>;

    explicit TMessageWindow(Handler handler);
    TMessageWindow(const TMessageWindow&) = delete;
    TMessageWindow& operator=(const TMessageWindow&) = delete;
    ~TMessageWindow();

    // Thread-safe as long as the receiver outlives the call.
    void Post(int message) const;

private:
    class Receiver;
    std::unique_ptr<Receiver> receiver_;
};

} // namespace orv
