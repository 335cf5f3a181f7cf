// Kestrin drawing toolkit.
// OdString: UTF-8 conversion, comparison and formatting. format() rewrites the wide format so
// that glibc's vswprintf reads %s and %c as wide arguments, as the target platform's run-time
// does; %hs/%hc and %S/%C name narrow arguments there and are rewritten accordingly.
#include "OdString.h"

#include "KestrinPosix/FileNameText.h"

#include <cwchar>
#include <cwctype>
#include <vector>

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr std::size_t kInitialFormatBuffer = 256;
// vswprintf cannot tell "too small" from an encoding failure; stop growing beyond this.
constexpr std::size_t kMaxFormatBuffer = std::size_t{1} << 28;

// Decodes one UTF-8 sequence starting at text[i]; advances i past it.
char32_t DecodeUtf8(const unsigned char* text, std::size_t length, std::size_t* i) {
    const unsigned char lead = text[*i];
    int count = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        ++*i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        count = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        count = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        count = 3;
        value = lead & 0x07;
    } else {
        ++*i;
        return kReplacementCharacter;
    }
    std::size_t j = *i + 1;
    for (int k = 0; k < count; ++k, ++j) {
        if (j >= length || (text[j] & 0xC0) != 0x80) {
            *i = j;
            return kReplacementCharacter;
        }
        value = (value << 6) | (text[j] & 0x3F);
    }
    *i = j;
    return value;
}

// Rewrites a target-platform wide format for glibc: %s/%c -> %ls/%lc, %hs/%S -> %s,
// %hc/%C -> %c. Everything else passes unchanged.
std::wstring ToGlibcFormat(const OdChar* format) {
    std::wstring out;
    for (const OdChar* p = format; *p; ++p) {
        out.push_back(*p);
        if (*p != L'%') {
            continue;
        }
        ++p;
        if (*p == L'%') {
            out.push_back(*p);
            continue;
        }
        // flags, width, precision
        while (*p && std::wcschr(L"-+ #0123456789.*", *p)) {
            out.push_back(*p++);
        }
        bool bNarrow = false;
        bool bWideLength = false;
        if (*p == L'h' && (p[1] == L's' || p[1] == L'c')) {
            bNarrow = true;
            ++p;
        } else if ((*p == L'l' || *p == L'w') && (p[1] == L's' || p[1] == L'c')) {
            bWideLength = true;
            ++p;
        }
        if (!*p) {
            break;
        }
        switch (*p) {
        case L's':
        case L'c':
            if (!bNarrow || bWideLength) {
                out.push_back(L'l');
            }
            out.push_back(*p);
            break;
        case L'S':
            out.push_back(L's');
            break;
        case L'C':
            out.push_back(L'c');
            break;
        default:
            out.push_back(*p);
            break;
        }
    }
    return out;
}

} // namespace

OdString::OdString(const OdChar* source) {
    if (source) {
        m_data = source;
    }
}

OdString::OdString(const OdChar* source, int length) {
    if (source && length > 0) {
        m_data.assign(source, static_cast<std::size_t>(length));
    }
}

OdString::OdString(const char* sourceUtf8) {
    if (!sourceUtf8) {
        return;
    }
    const auto* text = reinterpret_cast<const unsigned char*>(sourceUtf8);
    const std::size_t length = std::char_traits<char>::length(sourceUtf8);
    m_data.reserve(length);
    for (std::size_t i = 0; i < length;) {
        m_data.push_back(static_cast<OdChar>(DecodeUtf8(text, length, &i)));
    }
}

int OdString::compare(const OdChar* other) const {
    return m_data.compare(other ? other : L"");
}

int OdString::iCompare(const OdChar* other) const {
    const OdChar* a = m_data.c_str();
    const OdChar* b = other ? other : L"";
    for (;; ++a, ++b) {
        const auto ca = static_cast<OdChar>(std::towlower(static_cast<wint_t>(*a)));
        const auto cb = static_cast<OdChar>(std::towlower(static_cast<wint_t>(*b)));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
        if (ca == 0) {
            return 0;
        }
    }
}

OdString& OdString::format(const OdChar* format, ...) {
    va_list args;
    va_start(args, format);
    formatV(format, args);
    va_end(args);
    return *this;
}

OdString& OdString::formatV(const OdChar* format, va_list args) {
    const std::wstring glibcFormat = ToGlibcFormat(format ? format : L"");
    std::vector<OdChar> buffer(kInitialFormatBuffer);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        const int written = std::vswprintf(buffer.data(), buffer.size(), glibcFormat.c_str(), copy);
        va_end(copy);
        if (written >= 0) {
            m_data.assign(buffer.data(), static_cast<std::size_t>(written));
            return *this;
        }
        if (buffer.size() >= kMaxFormatBuffer) {
            m_data.clear(); // an argument that cannot be encoded
            return *this;
        }
        buffer.resize(buffer.size() * 2);
    }
}

OdString& OdString::operator+=(const OdString& other) {
    m_data += other.m_data;
    return *this;
}

OdString& OdString::operator+=(OdChar ch) {
    m_data.push_back(ch);
    return *this;
}

OdString operator+(const OdString& left, const OdString& right) {
    OdString result(left);
    result += right;
    return result;
}

std::string odStringToUtf8(const OdString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.getLength()));
    for (const OdChar* p = text.c_str(); *p; ++p) {
        const auto value = static_cast<char32_t>(*p);
        kposix::AppendUtf8(value > 0x10FFFF ? kReplacementCharacter : value, &out);
    }
    return out;
}
