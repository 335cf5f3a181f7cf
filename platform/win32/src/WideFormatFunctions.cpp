// Kestrin Windows API stand-in.
// The C run-time's bounded wide formatting functions, each with the target's result convention,
// on top of KestrinWin32::FormatWideV.
#include <KestrinWin32/WideFormat.h>
#include <wincrt.h>

#include <algorithm>
#include <cwchar>
#include <string>

namespace {

constexpr size_t kWsprintfBufferSize = 1024; // user32's documented limit for wsprintf

} // namespace

int _vsnwprintf(wchar_t* buffer, size_t count, const wchar_t* format, va_list args) {
    std::wstring text;
    if (!buffer || !KestrinWin32::FormatWideV(&text, format, args)) {
        return -1;
    }
    const size_t copied = std::min(text.size(), count);
    std::wmemcpy(buffer, text.data(), copied);
    if (text.size() < count) {
        buffer[text.size()] = L'\0';
    }
    return text.size() <= count ? static_cast<int>(text.size()) : -1;
}

int _snwprintf(wchar_t* buffer, size_t count, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = _vsnwprintf(buffer, count, format, args);
    va_end(args);
    return result;
}

int vswprintf_s(wchar_t* buffer, size_t sizeInWords, const wchar_t* format, va_list args) {
    if (!buffer || sizeInWords == 0) {
        return -1;
    }
    std::wstring text;
    if (!KestrinWin32::FormatWideV(&text, format, args) || text.size() >= sizeInWords) {
        buffer[0] = L'\0';
        return -1;
    }
    std::wmemcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}

int swprintf_s(wchar_t* buffer, size_t sizeInWords, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = vswprintf_s(buffer, sizeInWords, format, args);
    va_end(args);
    return result;
}

int WINAPI wsprintfW(LPWSTR buffer, LPCWSTR format, ...) {
    if (!buffer) {
        return 0;
    }
    va_list args;
    va_start(args, format);
    std::wstring text;
    const bool bFormatted = KestrinWin32::FormatWideV(&text, format, args);
    va_end(args);
    if (!bFormatted) {
        buffer[0] = L'\0';
        return 0;
    }
    const size_t length = std::min(text.size(), kWsprintfBufferSize - 1);
    std::wmemcpy(buffer, text.data(), length);
    buffer[length] = L'\0';
    return static_cast<int>(length);
}
