// Kestrin host program: wide text conversions. The window system's conversion keeps bytes that
// are not UTF-8 (escaped, as in file names), so a path typed by the user reaches the file system
// unchanged.
#include "app/WideText.h"

#include "KestrinWin32/Utf8.h"

namespace KestrinApp {

std::string ToUtf8(const std::wstring& text) {
    return KestrinWin32::ToUtf8(text);
}

std::wstring FromUtf8(const std::string& text) {
    return KestrinWin32::FromUtf8(text);
}

std::wstring Trimmed(const std::wstring& text) {
    const wchar_t* const blanks = L" \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::wstring::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::wstring ToUpperAscii(std::wstring text) {
    for (wchar_t& ch : text) {
        if (ch >= L'a' && ch <= L'z') {
            ch = static_cast<wchar_t>(ch - L'a' + L'A');
        }
    }
    return text;
}

} // namespace KestrinApp
