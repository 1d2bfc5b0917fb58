// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace orv {

// Conversion between the program's UTF-8 strings and the Shift-JIS code page
// (932) of files shared with the Windows world.
//
// Neither direction ever fails or drops text:
// - Each byte that is part of no CP932 character (a stray byte, or a lead and
//   trail byte that make no character) becomes the private-use code point
//   U+F700 + byte, which converts back to the same byte, so a damaged file
//   survives a read and a write. CP932 maps nothing onto U+F700..U+F7FF.
// - A character CP932 lacks, and a byte that is not valid UTF-8, are written
//   as "?", the usual replacement of the code page.
// - A character that CP932 has under two codes (the NEC-selected IBM
//   extensions, rows ED and EE, and a few more) is kept as its raw bytes
//   when its code is not the one the writer would choose, so every byte
//   sequence reads back and writes out unchanged.
class TCp932Converter {
public:
    TCp932Converter();
    TCp932Converter(const TCp932Converter&) = delete;
    TCp932Converter& operator=(const TCp932Converter&) = delete;
    ~TCp932Converter();

    std::string ToUtf8(std::string_view bytes);
    std::string FromUtf8(std::string_view text);
    // The bytes of a UTF-8 file as the program's text, so that FromUtf8 gives
    // them back where CP932 can: characters CP932 holds are kept, every other
    // byte (no UTF-8, or a character CP932 lacks) becomes its raw code point.
    std::string FromUtf8File(std::string_view bytes);

private:
    class TIconv;
    void DecodeRun(std::string_view bytes, std::string& out);
    // Appends text in CP932 to out; false when some of it has no code.
    bool Encode(std::string_view text, std::string& out);

    // Opened on first need and kept, so that many small pieces cost one open.
    std::unique_ptr<TIconv> decoder_;
    std::unique_ptr<TIconv> encoder_;
};

// One-off conversions.
std::string Cp932ToUtf8(std::string_view bytes);
std::string Utf8ToCp932(std::string_view text);

inline constexpr char32_t kRawByteBase = 0xF700;

} // namespace orv
