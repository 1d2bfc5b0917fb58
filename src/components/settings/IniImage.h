// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orv {

// Positions of names in a list, found by the hash of the name with ASCII
// letters folded to lower case. Several names may share a hash; the caller
// tells which position really holds the name.
class TNameIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    void Add(std::string_view name, std::size_t position);
    void Clear() { positions_.clear(); }
    template <typename Holds> std::size_t Find(std::string_view name, Holds holds) const {
        const auto [first, last] = positions_.equal_range(Hash(name));
        for (auto it = first; it != last; ++it)
            if (holds(it->second))
                return it->second;
        return npos;
    }

private:
    static std::size_t Hash(std::string_view name);

    std::unordered_multimap<std::size_t, std::size_t> positions_;
};

// The memory image of a settings file: sections in the order they were first
// made, each holding its entries in the order they were first made. Names
// compare without regard to ASCII letter case; a name is there only once per
// level and keeps the spelling it was made with. Names are indexed, so that
// reading a file of a million keys takes linear time.
class TAutoIniSections {
public:
    struct TEntry {
        std::string Key;
        std::string Value;
    };
    struct TSection {
        std::string Name;
        std::vector<TEntry> Entries;
        TNameIndex KeyIndex;
    };

    const TSection* Find(std::string_view name) const;
    const std::string* FindValue(std::string_view section, std::string_view key) const;
    // Adds the section and the key when missing, else replaces the value.
    void Write(std::string_view section, std::string_view key, std::string_view value);
    void Erase(std::string_view name);
    const std::vector<TSection>& Sections() const { return sections_; }

private:
    std::size_t Position(std::string_view name) const;
    TSection& FindOrAdd(std::string_view name);

    std::vector<TSection> sections_;
    TNameIndex sectionIndex_;
};

// Reads the bytes of a settings file, as they are on disk (CP932), into
// image: lines end at CR (one LF right after is skipped), Ctrl+Z ends the
// file, ';' lines are comments, '[' lines name the current section, other
// lines are Key=Value entries. An entry outside any section or without a key
// is dropped and reported as error 4. Gives the number of lines that read as
// a comment, a header or an entry: none means the bytes are no settings.
//
// Files from other editors are read as their writer meant them: a file
// without a single CR has its lines end at LF, and a file that starts with
// the UTF-8 byte-order mark is UTF-8 text.
int ParseIniFile(std::string_view bytes, TAutoIniSections& image,
                 const std::function<void(int errNo)>& onError);
// The bytes of the settings file holding image: the comment line (when there
// is a comment), then each section's header, entries and an empty line, all
// ending in CR LF, in CP932.
std::string FormatIniFile(const TAutoIniSections& image, const std::string& comment);

// "Yes"/"No" and integer texts as the settings file holds them. Integers may
// have leading spaces and a sign, or be "$" and up to 8 hex digits taken as a
// 32-bit pattern; nothing may follow. Raises EConvertError otherwise.
int IniStrToInt(const std::string& text);

// A value as a message can show it: control characters (a NUL would end the
// message) become their visible symbols, U+2400 and on.
std::string VisibleText(std::string_view text);

} // namespace orv
