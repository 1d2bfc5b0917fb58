// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IniImage.h"

#include "components/ComponentTexts.h"

#include "framework/core/CodePage.h"
#include "framework/texts/Exceptions.h"

#include <cstdint>

namespace orv {
namespace {

constexpr char kCtrlZ = 0x1A;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

// Calls fn for every line of text: end ends a line; a CR swallows one LF
// right after it, so that a lone LF in a CR file is part of the line.
template <typename Fn> void ForEachLine(std::string_view text, char end, Fn fn) {
    while (!text.empty()) {
        const std::size_t at = text.find(end);
        fn(text.substr(0, at));
        if (at == std::string_view::npos)
            return;
        text.remove_prefix(at + 1);
        if (end == '\r' && !text.empty() && text.front() == '\n')
            text.remove_prefix(1);
    }
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
    if (c <= '9')
        return c - '0';
    return LowerAscii(c) - 'a' + 10;
}

bool ParseHex(std::string_view digits, int& result) {
    if (digits.empty() || digits.size() > 8)
        return false;
    std::uint32_t value = 0;
    for (const char c : digits) {
        if (!IsHexDigit(c))
            return false;
        value = value << 4 | static_cast<std::uint32_t>(HexValue(c));
    }
    result = static_cast<int>(value); // the 32-bit pattern: $FFFFFFFF is -1
    return true;
}

bool ParseDecimal(std::string_view text, int& result) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return false;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
        if (value > limit)
            return false;
    }
    result = static_cast<int>(negative ? -value : value);
    return true;
}

} // namespace

// --- The memory image ---------------------------------------------------

// FNV-1a over the folded bytes: names that compare equal hash equal.
std::size_t TNameIndex::Hash(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211ULL;
    return static_cast<std::size_t>(hash);
}

void TNameIndex::Add(std::string_view name, std::size_t position) {
    positions_.emplace(Hash(name), position);
}

std::size_t TAutoIniSections::Position(std::string_view name) const {
    return sectionIndex_.Find(name,
                              [&](std::size_t at) { return SameName(sections_[at].Name, name); });
}

const TAutoIniSections::TSection* TAutoIniSections::Find(std::string_view name) const {
    const std::size_t at = Position(name);
    return at == TNameIndex::npos ? nullptr : &sections_[at];
}

const std::string* TAutoIniSections::FindValue(std::string_view section,
                                               std::string_view key) const {
    const TSection* found = Find(section);
    if (!found)
        return nullptr;
    const std::size_t at = found->KeyIndex.Find(
        key, [&](std::size_t i) { return SameName(found->Entries[i].Key, key); });
    return at == TNameIndex::npos ? nullptr : &found->Entries[at].Value;
}

TAutoIniSections::TSection& TAutoIniSections::FindOrAdd(std::string_view name) {
    if (const std::size_t at = Position(name); at != TNameIndex::npos)
        return sections_[at];
    sectionIndex_.Add(name, sections_.size());
    return sections_.emplace_back(TSection{std::string(name), {}, {}});
}

void TAutoIniSections::Write(std::string_view section, std::string_view key,
                             std::string_view value) {
    TSection& found = FindOrAdd(section);
    auto& entries = found.Entries;
    const std::size_t at =
        found.KeyIndex.Find(key, [&](std::size_t i) { return SameName(entries[i].Key, key); });
    if (at != TNameIndex::npos) {
        entries[at].Value = value;
        return;
    }
    found.KeyIndex.Add(key, entries.size());
    entries.push_back({std::string(key), std::string(value)});
}

// Rare (a whole section goes), so the positions after it are simply indexed
// anew.
void TAutoIniSections::Erase(std::string_view name) {
    const std::size_t at = Position(name);
    if (at == TNameIndex::npos)
        return;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(at));
    sectionIndex_.Clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        sectionIndex_.Add(sections_[i].Name, i);
}

// --- The file format ----------------------------------------------------

int ParseIniFile(std::string_view bytes, TAutoIniSections& image,
                 const std::function<void(int errNo)>& onError) {
    // The structure is found in the raw bytes: Ctrl+Z, CR, LF, ';', '[' and
    // '=' are never the second byte of a CP932 character. Only the pieces are
    // converted. A header loses its last byte, not character, so a name that
    // ends in a damaged byte reads back the same after a save.
    bytes = bytes.substr(0, bytes.find(kCtrlZ));
    const bool utf8 = bytes.starts_with(kUtf8Bom);
    if (utf8)
        bytes.remove_prefix(kUtf8Bom.size());
    // An editor that writes LF alone: without one CR the file would be a
    // single line, and every setting would be lost.
    const char end = bytes.find('\r') == std::string_view::npos ? '\n' : '\r';
    TCp932Converter codePage;
    const auto text = [&](std::string_view piece) {
        return utf8 ? codePage.FromUtf8File(piece) : codePage.ToUtf8(piece);
    };
    std::string section;
    int recognised = 0;
    ForEachLine(bytes, end, [&](std::string_view line) {
        if (line.empty())
            return;
        if (line.front() == ';') {
            ++recognised;
            return;
        }
        if (line.front() == '[') {
            ++recognised;
            section = text(line.substr(1, line.size() < 2 ? 0 : line.size() - 2));
            return;
        }
        const std::size_t equals = line.find('=');
        if (section.empty() || equals == 0 || equals == std::string_view::npos) {
            if (onError)
                onError(4);
            return;
        }
        ++recognised;
        image.Write(section, text(line.substr(0, equals)), text(line.substr(equals + 1)));
    });
    return recognised;
}

std::string FormatIniFile(const TAutoIniSections& image, const std::string& comment) {
    std::string text;
    if (!comment.empty())
        text += ";" + comment + "\r\n";
    for (const auto& section : image.Sections()) {
        text += "[" + section.Name + "]\r\n";
        for (const auto& entry : section.Entries) {
            text += entry.Key;
            text += '=';
            text += entry.Value;
            text += "\r\n";
        }
        text += "\r\n";
    }
    return Utf8ToCp932(text);
}

int IniStrToInt(const std::string& text) {
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    int value = 0;
    const bool ok = !rest.empty() && rest.front() == '$' ? ParseHex(rest.substr(1), value)
                                                         : ParseDecimal(rest, value);
    if (!ok)
        throw EConvertError(Format(ComponentTexts::NotAnInteger, {VisibleText(text)}));
    return value;
}

std::string VisibleText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
            continue;
        }
        // U+2400 + byte (U+2421 for DEL), three bytes of UTF-8.
        const unsigned symbol = byte == 0x7F ? 0x2421 : 0x2400 + byte;
        shown += static_cast<char>(0xE0 | (symbol >> 12));
        shown += static_cast<char>(0x80 | ((symbol >> 6) & 0x3F));
        shown += static_cast<char>(0x80 | (symbol & 0x3F));
    }
    return shown;
}

} // namespace orv
