// Copyright (c) Kestrin developers.
//
// UTF-8 coding of wide text, done here rather than through the C library's locale, which is "C"
// (ASCII only) unless a program sets one. Bytes that are not UTF-8 are kept as lone surrogates
// U+DC80 + byte, so that any file name survives the round trip.
#include "KestrinPosix/FileNameText.h"

#include <cstdint>

namespace kposix {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;
constexpr char32_t kEscapeFirst = 0xDC80; // U+DC80 + byte stands for a byte that is not UTF-8
constexpr char32_t kEscapeLast = 0xDCFF;
constexpr unsigned kEscapeByteBase = 0x80; // escaped bytes are 0x80..0xFF; ASCII is always valid

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one sequence at bytes[i]; returns its length, 0 when it is not valid UTF-8.
std::size_t DecodeOne(std::string_view bytes, std::size_t i, char32_t* value) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t extra = 0;
    char32_t smallest = 0; // overlong forms below this are invalid
    if (lead < 0x80) {
        *value = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        *value = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        *value = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        *value = lead & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (i + extra >= bytes.size()) {
        return 0;
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto byte = static_cast<unsigned char>(bytes[i + k]);
        if (!IsContinuation(byte)) {
            return 0;
        }
        *value = (*value << 6) | (byte & 0x3F);
    }
    if (*value < smallest || *value > kMaxCodePoint ||
        (*value >= kSurrogateFirst && *value <= kSurrogateLast)) {
        return 0;
    }
    return extra + 1;
}

} // namespace

std::wstring FromUtf8(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t value = 0;
        const std::size_t length = DecodeOne(bytes, i, &value);
        if (length == 0) {
            value = kEscapeFirst + (static_cast<unsigned char>(bytes[i]) - kEscapeByteBase);
            ++i;
        } else {
            i += length;
        }
        text.push_back(static_cast<wchar_t>(value));
    }
    return text;
}

void AppendUtf8(char32_t value, std::string* bytes) {
    if (value < 0x80) {
        bytes->push_back(static_cast<char>(value));
    } else if (value < 0x800) {
        bytes->push_back(static_cast<char>(0xC0 | (value >> 6)));
        bytes->push_back(static_cast<char>(0x80 | (value & 0x3F)));
    } else if (value < 0x10000) {
        bytes->push_back(static_cast<char>(0xE0 | (value >> 12)));
        bytes->push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
        bytes->push_back(static_cast<char>(0x80 | (value & 0x3F)));
    } else {
        bytes->push_back(static_cast<char>(0xF0 | (value >> 18)));
        bytes->push_back(static_cast<char>(0x80 | ((value >> 12) & 0x3F)));
        bytes->push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
        bytes->push_back(static_cast<char>(0x80 | (value & 0x3F)));
    }
}

std::string ToUtf8(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t c : text) {
        auto value = static_cast<char32_t>(static_cast<std::uint32_t>(c));
        if (value >= kEscapeFirst && value <= kEscapeLast) {
            bytes.push_back(static_cast<char>(value - kEscapeFirst + kEscapeByteBase));
            continue;
        }
        if (value > kMaxCodePoint || (value >= kSurrogateFirst && value <= kSurrogateLast)) {
            value = kReplacement;
        }
        AppendUtf8(value, &bytes);
    }
    return bytes;
}

} // namespace kposix
