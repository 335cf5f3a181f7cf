// Kestrin host program: wide text conversions. The toolkit's string does the UTF-8 work, so the
// host and the toolkit decode text the same way.
#include "app/WideText.h"

#include "OdString.h"

namespace KestrinApp {

std::string ToUtf8(const std::wstring& text) {
    return odStringToUtf8(OdString(text.c_str(), static_cast<int>(text.size())));
}

std::wstring FromUtf8(const std::string& text) {
    return OdString(text.c_str()).c_str();
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
