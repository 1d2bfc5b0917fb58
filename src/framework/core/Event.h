// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace orv {

class TObject;

// Names one handler of one event; 0 names none. Tokens of different events
// may be equal, so a token is only ever handed back to its own event.
using TEventToken = std::uint64_t;

// Removes its handler when it goes, unless the event went first.
class TEventSubscription {
public:
    TEventSubscription() = default;
    explicit TEventSubscription(std::function<void()> remove) : remove_(std::move(remove)) {}
    TEventSubscription(TEventSubscription&& other) noexcept
        : remove_(std::exchange(other.remove_, {})) {}
    TEventSubscription& operator=(TEventSubscription&& other) noexcept {
        if (this != &other) {
            Reset();
            remove_ = std::exchange(other.remove_, {});
        }
        return *this;
    }
    TEventSubscription(const TEventSubscription&) = delete;
    TEventSubscription& operator=(const TEventSubscription&) = delete;
    ~TEventSubscription() { Reset(); }

    void Reset() {
        if (auto remove = std::exchange(remove_, {}))
            remove();
    }

private:
    std::function<void()> remove_;
};

// An event with any number of handlers, each added on its own and removed
// by its token, whatever the order in which their owners go. Raising it
// calls the most recently added handler first and the first added last.
//
// A handler may add and remove handlers, itself included, and destroy the
// event while it runs: the raise goes on over the handlers there were when
// it began, skipping those removed meanwhile; one added meanwhile first sees
// the next raise.
template <typename... Args> class TEvent {
public:
    using THandler = std::function<void(Args...)>;

    TEvent() = default;
    TEvent(const TEvent&) = delete;
    TEvent& operator=(const TEvent&) = delete;
    ~TEvent() {
        for (const auto& entry : state_->entries)
            entry->removed = true;
    }

    TEventToken Add(THandler handler) {
        const TEventToken token = ++state_->lastToken;
        state_->entries.push_back(std::make_shared<TEntry>(TEntry{token, std::move(handler)}));
        return token;
    }
    // False when the token names no handler of this event (any more).
    bool Remove(TEventToken token) { return RemoveFrom(*state_, token); }

    // Adds a handler for as long as the subscription lives.
    [[nodiscard]] TEventSubscription Subscribe(THandler handler) {
        const TEventToken token = Add(std::move(handler));
        return TEventSubscription([state = std::weak_ptr<TState>(state_), token] {
            if (const auto alive = state.lock())
                RemoveFrom(*alive, token);
        });
    }

    bool Empty() const { return state_->entries.empty(); }

    void operator()(Args... args) const {
        const std::vector<std::shared_ptr<TEntry>> snapshot = state_->entries;
        for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
            if (!(*it)->removed && (*it)->handler)
                (*it)->handler(args...);
    }

private:
    struct TEntry {
        TEventToken token = 0;
        THandler handler;
        bool removed = false;
    };
    struct TState {
        std::vector<std::shared_ptr<TEntry>> entries;
        TEventToken lastToken = 0;
    };

    static bool RemoveFrom(TState& state, TEventToken token) {
        auto& entries = state.entries;
        for (auto it = entries.begin(); it != entries.end(); ++it)
            if ((*it)->token == token) {
                (*it)->removed = true;
                entries.erase(it);
                return true;
            }
        return false;
    }

    // Shared with the subscriptions, which may outlive the event.
    std::shared_ptr<TState> state_ = std::make_shared<TState>();
};

// An event whose handlers get the sender only.
using TNotifyEvents = TEvent<TObject*>;

} // namespace orv
