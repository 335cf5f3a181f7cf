// Copyright (c) Kestrin developers.
//
// A small strict UTF-8 codec: overlong forms, surrogates and values past U+10FFFF are rejected.
#include "TextEncoding.h"

namespace quarnel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;

bool IsValid(char32_t c) {
    return c <= kMaxCodePoint && (c < kSurrogateFirst || c > kSurrogateLast);
}

void Append(char32_t c, std::string* out) {
    if (!IsValid(c)) {
        c = kReplacement;
    }
    if (c < 0x80) {
        out->push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (c >> 6)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (c >> 12)));
        out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (c >> 18)));
        out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace

std::string ToUtf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        Append(static_cast<char32_t>(c), &out);
    }
    return out;
}

std::wstring FromUtf8(const std::string& text) {
    std::wstring out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80    ? 1
                           : lead >= 0xF0 ? 4
                           : lead >= 0xE0 ? 3
                           : lead >= 0xC0 ? 2
                                          : 0;
        const char32_t minimum = length == 4   ? 0x10000
                                 : length == 3 ? 0x800
                                 : length == 2 ? 0x80
                                               : 0;
        char32_t c = length <= 1 ? lead : lead & (0x3F >> (length - 1));
        bool ok = length > 0 && i + static_cast<std::size_t>(length) <= text.size() && lead < 0xF8;
        for (int k = 1; ok && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            ok = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        ok = ok && c >= minimum && IsValid(c);
        out.push_back(static_cast<wchar_t>(ok ? c : kReplacement));
        i += ok ? static_cast<std::size_t>(length) : 1;
    }
    return out;
}

} // namespace quarnel
