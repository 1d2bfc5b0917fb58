// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/core/CodePage.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace orv {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
    // Only called for U+F700..U+F7FF: always three bytes.
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

// The raw byte a U+F7xx sequence at the front of text stands for, or -1.
int RawByteAt(std::string_view text) {
    if (text.size() < 3 || static_cast<unsigned char>(text[0]) != 0xEF)
        return -1;
    const auto b1 = static_cast<unsigned char>(text[1]);
    const auto b2 = static_cast<unsigned char>(text[2]);
    if ((b1 & 0xFC) != 0x9C || (b2 & 0xC0) != 0x80)
        return -1;
    return ((b1 & 0x03) << 6) | (b2 & 0x3F);
}

// Length of the (possibly invalid) UTF-8 sequence at the front, at least 1.
std::size_t SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (lead >= 0x80 && lead < 0xC0)
        return 1;
    std::size_t i = 1;
    while (i < length && i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
        ++i;
    return i;
}

bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool IsTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// How many bytes at the front of bytes, which do not decode, to keep raw. A
// lead and trail byte that make no character are kept as a pair: were the
// lead kept alone, the next character could be written back with a different
// first byte (CP932 has two codes for some) that the lead would then take as
// its trail, and the text would change on the next read.
std::size_t UndecodableLength(std::string_view bytes) {
    const auto first = static_cast<unsigned char>(bytes[0]);
    if (bytes.size() >= 2 && IsLeadByte(first) && IsTrailByte(static_cast<unsigned char>(bytes[1])))
        return 2;
    return 1;
}

// Length of the complete UTF-8 sequence at the front, 0 when it is none.
// Overlong forms and surrogates pass here; the encoder refuses them.
std::size_t CompleteSequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 0;
    return length;
}

bool IsAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

// One iconv conversion descriptor, closed when it goes.
class TCp932Converter::TIconv {
public:
    TIconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;
    ~TIconv() { iconv_close(cd_); }

    // Converts as much of in as converts, appending to out; stops at the
    // first sequence that does not and leaves in pointing at it.
    void Convert(std::string_view& in, std::string& out) {
        char buffer[4096];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data()); // iconv's signature; it does not write
            std::size_t srcLeft = in.size();
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t result = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            const int error = errno;
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (result != static_cast<std::size_t>(-1))
                return;
            if (error != E2BIG) {
                iconv(cd_, nullptr, nullptr, nullptr, nullptr); // back to the initial state
                return;
            }
        }
    }

private:
    iconv_t cd_;
};

TCp932Converter::TCp932Converter() = default;
TCp932Converter::~TCp932Converter() = default;

// Both code pages agree on ASCII (CP932 keeps '\\' and '~'), the common case.
std::string TCp932Converter::ToUtf8(std::string_view bytes) {
    if (IsAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    DecodeRun(bytes, out);
    if (FromUtf8(out) == bytes)
        return out;
    // A character under the code the writer does not choose: character by
    // character (stepping as the decoder does), such codes are kept raw.
    out.clear();
    std::string piece;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const bool pair = IsLeadByte(first) && i + 1 < bytes.size() &&
                          IsTrailByte(static_cast<unsigned char>(bytes[i + 1]));
        const std::string_view code = bytes.substr(i, pair ? 2 : 1);
        piece.clear();
        DecodeRun(code, piece);
        if (FromUtf8(piece) == code)
            out += piece;
        else
            for (const char c : code)
                AppendUtf8(out, kRawByteBase + static_cast<unsigned char>(c));
        i += code.size();
    }
    return out;
}

void TCp932Converter::DecodeRun(std::string_view bytes, std::string& out) {
    if (!decoder_)
        decoder_ = std::make_unique<TIconv>("UTF-8", "CP932");
    while (!bytes.empty()) {
        decoder_->Convert(bytes, out);
        if (bytes.empty())
            break;
        const std::size_t raw = UndecodableLength(bytes);
        for (std::size_t i = 0; i < raw; ++i)
            AppendUtf8(out, kRawByteBase + static_cast<unsigned char>(bytes[i]));
        bytes.remove_prefix(raw);
    }
}

bool TCp932Converter::Encode(std::string_view text, std::string& out) {
    if (!encoder_)
        encoder_ = std::make_unique<TIconv>("CP932", "UTF-8");
    encoder_->Convert(text, out);
    return text.empty();
}

std::string TCp932Converter::FromUtf8File(std::string_view bytes) {
    if (std::string coded; Encode(bytes, coded) && ToUtf8(coded) == bytes)
        return std::string(bytes); // all of it CP932 can hold: the common case
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const auto first = static_cast<unsigned char>(bytes[0]);
        if (first < 0x80) {
            out += bytes[0];
            bytes.remove_prefix(1);
            continue;
        }
        const std::size_t length = CompleteSequenceLength(bytes);
        const std::string_view character = bytes.substr(0, length);
        std::string coded;
        if (length > 0 && Encode(character, coded) && ToUtf8(coded) == character) {
            out += character;
            bytes.remove_prefix(length);
            continue;
        }
        AppendUtf8(out, kRawByteBase + first);
        bytes.remove_prefix(1);
    }
    return out;
}

std::string TCp932Converter::FromUtf8(std::string_view text) {
    if (IsAscii(text))
        return std::string(text);
    if (!encoder_)
        encoder_ = std::make_unique<TIconv>("CP932", "UTF-8");
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        encoder_->Convert(text, out);
        if (text.empty())
            break;
        if (const int raw = RawByteAt(text); raw >= 0) {
            out += static_cast<char>(raw);
            text.remove_prefix(3);
        } else {
            out += '?';
            text.remove_prefix(SequenceLength(text));
        }
    }
    return out;
}

std::string Cp932ToUtf8(std::string_view bytes) {
    return TCp932Converter().ToUtf8(bytes);
}

std::string Utf8ToCp932(std::string_view text) {
    return TCp932Converter().FromUtf8(text);
}

} // namespace orv
