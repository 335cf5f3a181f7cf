// Kestrin Windows stand-in.
// The target run-time's wide printf: swprintf_s, vswprintf_s, _scwprintf, _vscwprintf. One
// conversion is parsed at a time; numbers are formatted by the C library from a narrow copy of the
// conversion (their digits are ASCII), text and characters here, because their width of argument
// differs between the target and glibc (%s is wide on the target).
#include "wcrt.h"

#include <KestrinPosix/FileNameText.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Length modifiers of one conversion.
enum class Length : std::uint8_t {
    None,
    Char,
    Short,
    Long,
    LongLong,
    Size,
    IntMax,
    PtrDiff,
    LongDouble,
    Wide
};

struct Conversion {
    std::string flags;  // any of "-+ #0"
    int width = -1;     // -1: none
    int precision = -1; // -1: none
    Length length = Length::None;
    wchar_t type = 0;
};

bool IsFlag(wchar_t c) {
    return c == L'-' || c == L'+' || c == L' ' || c == L'#' || c == L'0';
}

// Reads a width or precision: digits, or '*' taken from the arguments (a negative one is kept
// for the caller to interpret). Leaves count unchanged when there is neither. Returns false on
// overflow.
bool ReadCount(const wchar_t*& p, va_list& args, int* count) {
    if (*p == L'*') {
        ++p;
        *count = va_arg(args, int);
        return true;
    }
    if (*p < L'0' || *p > L'9') {
        return true;
    }
    long long value = 0;
    while (*p >= L'0' && *p <= L'9') {
        value = value * 10 + (*p - L'0');
        if (value > INT_MAX) {
            return false;
        }
        ++p;
    }
    *count = static_cast<int>(value);
    return true;
}

void ReadLength(const wchar_t*& p, Length* length) {
    switch (*p) {
    case L'h':
        ++p;
        *length = (*p == L'h') ? (++p, Length::Char) : Length::Short;
        return;
    case L'l':
        ++p;
        *length = (*p == L'l') ? (++p, Length::LongLong) : Length::Long;
        return;
    case L'w':
        ++p;
        *length = Length::Wide;
        return;
    case L'L':
        ++p;
        *length = Length::LongDouble;
        return;
    case L'z':
        ++p;
        *length = Length::Size;
        return;
    case L'j':
        ++p;
        *length = Length::IntMax;
        return;
    case L't':
        ++p;
        *length = Length::PtrDiff;
        return;
    case L'I':
        if (p[1] == L'6' && p[2] == L'4') {
            p += 3;
            *length = Length::LongLong;
        } else if (p[1] == L'3' && p[2] == L'2') {
            p += 3;
            *length = Length::None;
        } else {
            ++p;
            *length = Length::Size;
        }
        return;
    default:
        return;
    }
}

// Pads text to the conversion's width: left-aligned with '-', otherwise right-aligned.
void AppendPadded(const std::wstring& text, const Conversion& conv, std::wstring* out) {
    const std::size_t width = conv.width > 0 ? static_cast<std::size_t>(conv.width) : 0;
    const std::size_t padding = text.size() < width ? width - text.size() : 0;
    const bool bLeft = conv.flags.find('-') != std::string::npos;
    if (!bLeft) {
        out->append(padding, L' ');
    }
    out->append(text);
    if (bLeft) {
        out->append(padding, L' ');
    }
}

// Formats one number with the C library from a narrow copy of the conversion.
template <typename T>
bool AppendNumber(const Conversion& conv, const char* lengthText, T value, std::wstring* out) {
    std::string spec = "%" + conv.flags;
    if (conv.width >= 0) {
        spec += std::to_string(conv.width);
    }
    if (conv.precision >= 0) {
        spec += "." + std::to_string(conv.precision);
    }
    spec += lengthText;
    spec += static_cast<char>(conv.type);
    const int size = std::snprintf(nullptr, 0, spec.c_str(), value);
    if (size < 0) {
        return false;
    }
    std::string digits(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(&digits[0], digits.size(), spec.c_str(), value);
    digits.resize(static_cast<std::size_t>(size));
    out->append(digits.begin(), digits.end()); // ASCII only
    return true;
}

bool AppendSigned(const Conversion& conv, va_list& args, std::wstring* out) {
    switch (conv.length) {
    case Length::Char:
        return AppendNumber(conv, "hh", static_cast<signed char>(va_arg(args, int)), out);
    case Length::Short:
        return AppendNumber(conv, "h", static_cast<short>(va_arg(args, int)), out);
    case Length::Long:
        return AppendNumber(conv, "l", va_arg(args, long), out);
    case Length::LongLong:
        return AppendNumber(conv, "ll", va_arg(args, long long), out);
    case Length::Size:
    case Length::PtrDiff:
        return AppendNumber(conv, "t", va_arg(args, std::ptrdiff_t), out);
    case Length::IntMax:
        return AppendNumber(conv, "j", va_arg(args, std::intmax_t), out);
    default:
        return AppendNumber(conv, "", va_arg(args, int), out);
    }
}

bool AppendUnsigned(const Conversion& conv, va_list& args, std::wstring* out) {
    switch (conv.length) {
    case Length::Char:
        return AppendNumber(conv, "hh", static_cast<unsigned char>(va_arg(args, unsigned)), out);
    case Length::Short:
        return AppendNumber(conv, "h", static_cast<unsigned short>(va_arg(args, unsigned)), out);
    case Length::Long:
        return AppendNumber(conv, "l", va_arg(args, unsigned long), out);
    case Length::LongLong:
        return AppendNumber(conv, "ll", va_arg(args, unsigned long long), out);
    case Length::Size:
    case Length::PtrDiff:
        return AppendNumber(conv, "z", va_arg(args, std::size_t), out);
    case Length::IntMax:
        return AppendNumber(conv, "j", va_arg(args, std::uintmax_t), out);
    default:
        return AppendNumber(conv, "", va_arg(args, unsigned), out);
    }
}

bool AppendFloating(const Conversion& conv, va_list& args, std::wstring* out) {
    if (conv.length == Length::LongDouble) {
        return AppendNumber(conv, "L", va_arg(args, long double), out);
    }
    return AppendNumber(conv, "", va_arg(args, double), out);
}

// %s: wide unless h (or S) makes it narrow; precision counts characters.
void AppendText(const Conversion& conv, bool bNarrow, va_list& args, std::wstring* out) {
    std::wstring text;
    if (bNarrow) {
        const char* narrow = va_arg(args, const char*);
        text = narrow ? kposix::FromUtf8(narrow) : L"(null)";
    } else {
        const wchar_t* wide = va_arg(args, const wchar_t*);
        text = wide ? wide : L"(null)";
    }
    if (conv.precision >= 0 && text.size() > static_cast<std::size_t>(conv.precision)) {
        text.resize(static_cast<std::size_t>(conv.precision));
    }
    AppendPadded(text, conv, out);
}

void AppendCharacter(const Conversion& conv, bool bNarrow, va_list& args, std::wstring* out) {
    const int value = va_arg(args, int); // char and wchar_t arrive promoted
    const wchar_t c = bNarrow ? static_cast<wchar_t>(static_cast<unsigned char>(value))
                              : static_cast<wchar_t>(value);
    AppendPadded(std::wstring(1, c), conv, out);
}

// The target prints pointers as fixed-width upper-case hexadecimal.
void AppendPointer(const Conversion& conv, va_list& args, std::wstring* out) {
    const auto value = reinterpret_cast<std::uintptr_t>(va_arg(args, void*));
    constexpr int kHexDigits = static_cast<int>(sizeof(void*) * 2);
    wchar_t digits[kHexDigits + 1] = {};
    std::uintptr_t rest = value;
    for (int i = kHexDigits - 1; i >= 0; --i) {
        digits[i] = L"0123456789ABCDEF"[rest & 0xF];
        rest >>= 4;
    }
    AppendPadded(digits, conv, out);
}

bool AppendConversion(const Conversion& conv, va_list& args, std::wstring* out) {
    const bool bNarrowText = conv.length == Length::Short || conv.length == Length::Char;
    switch (conv.type) {
    case L'd':
    case L'i':
        return AppendSigned(conv, args, out);
    case L'u':
    case L'o':
    case L'x':
    case L'X':
        return AppendUnsigned(conv, args, out);
    case L'e':
    case L'E':
    case L'f':
    case L'F':
    case L'g':
    case L'G':
    case L'a':
    case L'A':
        return AppendFloating(conv, args, out);
    case L's':
        AppendText(conv, bNarrowText, args, out);
        return true;
    case L'S':
        AppendText(conv, conv.length != Length::Long && conv.length != Length::Wide, args, out);
        return true;
    case L'c':
        AppendCharacter(conv, bNarrowText, args, out);
        return true;
    case L'C':
        AppendCharacter(conv, conv.length != Length::Long && conv.length != Length::Wide, args,
                        out);
        return true;
    case L'p':
        AppendPointer(conv, args, out);
        return true;
    default: // %n is refused as on the target; anything else is no conversion
        return false;
    }
}

// Formats the whole format into out. Returns false on an invalid format.
bool FormatInto(const wchar_t* format, va_list args, std::wstring* out) {
    if (!format) {
        return false;
    }
    va_list rest;
    va_copy(rest, args);
    bool bValid = true;
    for (const wchar_t* p = format; *p && bValid;) {
        if (*p != L'%') {
            out->push_back(*p++);
            continue;
        }
        ++p;
        if (*p == L'%') {
            out->push_back(*p++);
            continue;
        }
        Conversion conv;
        while (IsFlag(*p)) {
            conv.flags.push_back(static_cast<char>(*p++));
        }
        const bool bStarWidth = *p == L'*';
        bValid = ReadCount(p, rest, &conv.width);
        if (bStarWidth && conv.width < 0) {
            conv.flags.push_back('-'); // a negative '*' width means left alignment
            conv.width = conv.width == INT_MIN ? INT_MAX : -conv.width;
        }
        if (bValid && *p == L'.') {
            ++p;
            conv.precision = 0; // a lone '.' means precision 0
            bValid = ReadCount(p, rest, &conv.precision);
            if (conv.precision < 0) {
                conv.precision = -1; // a negative '*' precision means none
            }
        }
        ReadLength(p, &conv.length);
        conv.type = *p;
        if (!bValid || conv.type == 0) {
            bValid = false;
            break;
        }
        ++p;
        bValid = AppendConversion(conv, rest, out);
    }
    va_end(rest);
    return bValid;
}

} // namespace

int vswprintf_s(wchar_t* buffer, std::size_t sizeOfBuffer, const wchar_t* format, va_list args) {
    if (!buffer || sizeOfBuffer == 0) {
        return -1;
    }
    std::wstring text;
    if (!FormatInto(format, args, &text) || text.size() >= sizeOfBuffer) {
        buffer[0] = L'\0';
        return -1;
    }
    std::wmemcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}

int swprintf_s(wchar_t* buffer, std::size_t sizeOfBuffer, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = vswprintf_s(buffer, sizeOfBuffer, format, args);
    va_end(args);
    return result;
}

int _vscwprintf(const wchar_t* format, va_list args) {
    std::wstring text;
    if (!FormatInto(format, args, &text) || text.size() > static_cast<std::size_t>(INT_MAX)) {
        return -1;
    }
    return static_cast<int>(text.size());
}

int _scwprintf(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = _vscwprintf(format, args);
    va_end(args);
    return result;
}
