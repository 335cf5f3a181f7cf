// Kestrin Windows stand-in: MultiByteToWideChar and WideCharToMultiByte over the UTF-8 coder,
// with the target's buffer conventions (size queries with a zero size, terminators counted when
// the input length is -1, failure as 0).
#include "stringapiset.h"

#include <KestrinPosix/FileNameText.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

bool IsKnownCodePage(UINT codePage) {
    return codePage == CP_ACP || codePage == CP_UTF8;
}

constexpr wchar_t kReplacement = 0xFFFD;

bool IsSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// The code page calls replace what is not valid, where file names keep it escaped.
std::wstring ReplaceSurrogates(std::wstring text) {
    std::replace_if(text.begin(), text.end(), IsSurrogate, kReplacement);
    return text;
}

// Copies a converted text to the caller's buffer, or reports its size. 0 when it does not fit.
template <typename Char>
int Deliver(const std::basic_string<Char>& converted, Char* buffer, int bufferSize) {
    if (converted.size() > static_cast<std::size_t>(INT_MAX)) {
        return 0;
    }
    const int size = static_cast<int>(converted.size());
    if (bufferSize == 0) {
        return size;
    }
    if (!buffer || bufferSize < size) {
        return 0;
    }
    std::copy(converted.begin(), converted.end(), buffer);
    return size;
}

} // namespace

int WINAPI MultiByteToWideChar(UINT CodePage, DWORD /*dwFlags*/, LPCSTR lpMultiByteStr,
                               int cbMultiByte, LPWSTR lpWideCharStr, int cchWideChar) {
    if (!IsKnownCodePage(CodePage) || !lpMultiByteStr || cbMultiByte == 0 || cbMultiByte < -1 ||
        cchWideChar < 0) {
        return 0;
    }
    const std::size_t length =
        cbMultiByte == -1 ? std::strlen(lpMultiByteStr) + 1 : static_cast<std::size_t>(cbMultiByte);
    const std::wstring converted =
        ReplaceSurrogates(kposix::FromUtf8(std::string_view(lpMultiByteStr, length)));
    return Deliver(converted, lpWideCharStr, cchWideChar);
}

int WINAPI WideCharToMultiByte(UINT CodePage, DWORD /*dwFlags*/, LPCWSTR lpWideCharStr,
                               int cchWideChar, LPSTR lpMultiByteStr, int cbMultiByte,
                               LPCSTR /*lpDefaultChar*/, BOOL* lpUsedDefaultChar) {
    if (lpUsedDefaultChar) {
        *lpUsedDefaultChar = FALSE;
    }
    if (!IsKnownCodePage(CodePage) || !lpWideCharStr || cchWideChar == 0 || cchWideChar < -1 ||
        cbMultiByte < 0) {
        return 0;
    }
    const std::size_t length =
        cchWideChar == -1 ? std::wcslen(lpWideCharStr) + 1 : static_cast<std::size_t>(cchWideChar);
    const std::string converted =
        kposix::ToUtf8(ReplaceSurrogates(std::wstring(lpWideCharStr, length)));
    return Deliver(converted, lpMultiByteStr, cbMultiByte);
}
