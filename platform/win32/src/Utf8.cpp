// Kestrin Windows stand-in: UTF-8 coding of wide text, done here rather than through the C
// library's locale, which is "C" (ASCII only) unless a program sets one.
#include "Utf8.h"

#include <cstdint>

namespace KestrinWin {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

} // namespace

std::wstring WideFromUtf8(const std::string& bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        char32_t value = 0;
        char32_t smallest = 0; // overlong forms below this are invalid
        if (lead < 0x80) {
            value = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            value = lead & 0x1F;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            value = lead & 0x0F;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            value = lead & 0x07;
            smallest = 0x10000;
        } else {
            text.push_back(static_cast<wchar_t>(kReplacement));
            ++i;
            continue;
        }
        std::size_t next = i + 1;
        bool bValid = true;
        for (int k = 0; k < extra; ++k, ++next) {
            if (next >= bytes.size() || !IsContinuation(static_cast<unsigned char>(bytes[next]))) {
                bValid = false;
                break;
            }
            value = (value << 6) | (static_cast<unsigned char>(bytes[next]) & 0x3F);
        }
        if (bValid && (value < smallest || value > kMaxCodePoint ||
                       (value >= kSurrogateFirst && value <= kSurrogateLast))) {
            bValid = false;
        }
        text.push_back(static_cast<wchar_t>(bValid ? value : kReplacement));
        i = next;
    }
    return text;
}

std::string Utf8FromWide(const std::wstring& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t c : text) {
        auto value = static_cast<char32_t>(static_cast<std::uint32_t>(c));
        if (value > kMaxCodePoint || (value >= kSurrogateFirst && value <= kSurrogateLast)) {
            value = kReplacement;
        }
        if (value < 0x80) {
            bytes.push_back(static_cast<char>(value));
        } else if (value < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (value >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        } else if (value < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (value >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (value >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((value >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        }
    }
    return bytes;
}

} // namespace KestrinWin
