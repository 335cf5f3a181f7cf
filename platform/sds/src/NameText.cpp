// Kestrin host stand-in: case folding and trimming of names.
#include "KestrinHost/NameText.h"

namespace KestrinHost {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

} // namespace

std::wstring UpperCase(const std::wstring& text) {
    std::wstring upper(text);
    for (wchar_t& c : upper) {
        if (c >= L'a' && c <= L'z') {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        }
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

} // namespace KestrinHost
