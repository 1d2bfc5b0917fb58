#include "CodePage.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace orv {
namespace {

// One iconv conversion descriptor, closed when it goes.
class TIconv {
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

} // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    TIconv iconv("UTF-8", "CP932");
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    while (!bytes.empty()) {
        iconv.Convert(bytes, out);
        if (bytes.empty())
            break;
        AppendUtf8(out, kRawByteBase + static_cast<unsigned char>(bytes[0]));
        bytes.remove_prefix(1);
    }
    return out;
}

std::string Utf8ToCp932(std::string_view text) {
    TIconv iconv("CP932", "UTF-8");
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        iconv.Convert(text, out);
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

} // namespace orv
