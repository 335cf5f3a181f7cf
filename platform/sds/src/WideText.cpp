// Kestrin host stand-in: wide text helpers. UTF-8 is encoded and decoded here rather than through
// the C library, whose multibyte conversions follow the process locale.
#include "WideText.h"

#include <cstdint>
#include <cwctype>

namespace KestrinHost {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

void AppendUtf8(char32_t cp, std::string* out) {
    if (cp > kMaxCodePoint || (cp >= kSurrogateFirst && cp <= kSurrogateLast)) {
        cp = kReplacement;
    }
    if (cp < 0x80) {
        out->push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Length of the sequence that a lead byte starts and the smallest code point it may encode
// (a smaller one is an overlong form); 0 for a byte that cannot start a sequence.
int SequenceLength(std::uint8_t lead, char32_t* minimum, char32_t* bits) {
    if (lead < 0x80) {
        *minimum = 0;
        *bits = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        *minimum = 0x80;
        *bits = lead & 0x1F;
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        *minimum = 0x800;
        *bits = lead & 0x0F;
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        *minimum = 0x10000;
        *bits = lead & 0x07;
        return 4;
    }
    return 0;
}

} // namespace

std::wstring UpperCase(const std::wstring& text) {
    std::wstring upper(text);
    for (wchar_t& c : upper) {
        c = static_cast<wchar_t>(std::towupper(static_cast<std::wint_t>(c)));
    }
    return upper;
}

bool EqualsNoCase(const std::wstring& a, const std::wstring& b) {
    return UpperCase(a) == UpperCase(b);
}

std::wstring Trimmed(const std::wstring& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) {
        ++first;
    }
    while (last > first && IsBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

std::string Utf8FromWide(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        AppendUtf8(static_cast<char32_t>(c), &out);
    }
    return out;
}

std::wstring WideFromUtf8(const std::string& bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t minimum = 0;
        char32_t cp = 0;
        const int length = SequenceLength(static_cast<std::uint8_t>(bytes[i]), &minimum, &cp);
        bool bValid = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
        for (int k = 1; bValid && k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + static_cast<std::size_t>(k)]);
            bValid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        bValid = bValid && cp >= minimum && cp <= kMaxCodePoint &&
                 !(cp >= kSurrogateFirst && cp <= kSurrogateLast);
        if (bValid) {
            out.push_back(static_cast<wchar_t>(cp));
            i += static_cast<std::size_t>(length);
        } else {
            out.push_back(static_cast<wchar_t>(kReplacement));
            ++i; // resynchronise on the next byte
        }
    }
    return out;
}

} // namespace KestrinHost
