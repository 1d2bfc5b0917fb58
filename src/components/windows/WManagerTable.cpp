// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window manager's entries and the hash table from window handles to them.

#include "WManager.h"

namespace orv {

// Every attached window moves to a slot in a table of the new size, also a
// second window of an entry (two open windows with one caption); the entry
// keeps naming the window it named.
void TWindowManager::Rehash(std::size_t size) {
    std::vector<THashSlot> old(size);
    old.swap(hash_);
    for (std::size_t s = 0; s < old.size(); ++s) {
        const THashSlot slot = old[s];
        if (slot.Entry <= 0)
            continue;
        const int now = HashInsert(slot.Window, slot.Entry);
        if (TWindowEntry& entry = Entry(slot.Entry); entry.HashSlot == static_cast<int>(s))
            entry.HashSlot = now;
    }
}

int TWindowManager::FindOrAddEntry(const std::string& name) {
    for (int e = 1; e <= Count(); ++e)
        if (Entry(e).Name == name)
            return e;
    if (Count() >= entryMax_)
        return 0;
    entries_.emplace_back().Name = name;
    return Count();
}

int TWindowManager::AttachWindow(THandle window, const std::string& name) {
    const int countBefore = Count();
    const int e = FindOrAddEntry(name);
    if (e < 1)
        return 0;
    Entry(e).HashSlot = HashInsert(window, e);
    return Count() == countBefore ? e : 0;
}

// Linear probing from the handle's home slot. With every slot taken the
// window is not attached (-1).
int TWindowManager::HashInsert(THandle window, int entry) {
    const std::size_t size = hash_.size();
    std::size_t s = window % size;
    for (std::size_t tried = 0; tried < size; ++tried, s = (s + 1) % size)
        if (hash_[s].Entry <= 0) {
            hash_[s] = {entry, window};
            return static_cast<int>(s);
        }
    return -1;
}

// A freed slot keeps its window, so a lookup starting there still finds it;
// its Entry of 0 then says the window is not attached.
int TWindowManager::HashLookup(THandle window) const {
    const std::size_t size = hash_.size();
    const std::size_t home = window % size;
    std::size_t s = home;
    while (hash_[s].Window != window) {
        s = (s + 1) % size;
        if (s == home || hash_[s].Entry == 0)
            return -1;
    }
    return static_cast<int>(s);
}

void TWindowManager::HashRemove(THandle window) {
    const int s = HashLookup(window);
    if (s < 0)
        return;
    THashSlot& slot = hash_[static_cast<std::size_t>(s)];
    if (slot.Entry > 0)
        Entry(slot.Entry).HashSlot = -1;
    slot.Entry = 0;
}

int TWindowManager::EntryOf(THandle window) const {
    if (window == kNoWindow)
        return 0;
    const int s = HashLookup(window);
    return s < 0 ? 0 : hash_[static_cast<std::size_t>(s)].Entry;
}

} // namespace orv
