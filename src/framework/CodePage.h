#pragma once

#include <string>
#include <string_view>

namespace orv {

// Conversion between the program's UTF-8 strings and the Shift-JIS code page
// (932) of files shared with the Windows world.
//
// Neither direction ever fails or drops text:
// - A CP932 byte that starts no valid character becomes the private-use code
//   point U+F700 + byte, and that code point converts back to the same byte,
//   so a damaged file survives a read and a write unchanged. CP932 itself
//   maps nothing onto U+F700..U+F7FF.
// - A character CP932 lacks, and a byte that is not valid UTF-8, are written
//   as "?", the usual replacement of the code page.
std::string Cp932ToUtf8(std::string_view bytes);
std::string Utf8ToCp932(std::string_view text);

inline constexpr char32_t kRawByteBase = 0xF700;

} // namespace orv
