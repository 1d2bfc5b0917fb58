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
class TCp932Converter {
public:
    TCp932Converter();
    TCp932Converter(const TCp932Converter&) = delete;
    TCp932Converter& operator=(const TCp932Converter&) = delete;
    ~TCp932Converter();

    std::string ToUtf8(std::string_view bytes);
    std::string FromUtf8(std::string_view text);

private:
    // Opened on first need and kept, so that many small pieces cost one open.
    class TIconv;
    std::unique_ptr<TIconv> decoder_;
    std::unique_ptr<TIconv> encoder_;
};

// One-off conversions.
std::string Cp932ToUtf8(std::string_view bytes);
std::string Utf8ToCp932(std::string_view text);

inline constexpr char32_t kRawByteBase = 0xF700;

} // namespace orv
