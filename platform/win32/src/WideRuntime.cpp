// Kestrin Windows stand-in: the target run-time's _wtoi and _wsplitpath.
#include "wcrt.h"

#include <climits>
#include <cwchar>
#include <cwctype>
#include <string>

namespace {
constexpr long long kDecimalBase = 10;
} // namespace

int _wtoi(const wchar_t* str) {
    if (!str) {
        return 0;
    }
    const wchar_t* p = str;
    while (std::iswspace(static_cast<wint_t>(*p))) {
        ++p;
    }
    bool bNegative = false;
    if (*p == L'+' || *p == L'-') {
        bNegative = *p == L'-';
        ++p;
    }
    // Accumulate as a negative number: INT_MIN has no positive counterpart.
    long long value = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        value = value * kDecimalBase - (*p - L'0');
        if (value < INT_MIN) {
            return bNegative ? INT_MIN : INT_MAX;
        }
    }
    if (!bNegative) {
        return value < -static_cast<long long>(INT_MAX) ? INT_MAX : static_cast<int>(-value);
    }
    return static_cast<int>(value);
}

namespace {

// Copies part into out (capacity characters, terminator included), cutting it to fit.
void CopyPart(const std::wstring& part, wchar_t* out, std::size_t capacity) {
    if (!out) {
        return;
    }
    const std::size_t count = part.size() < capacity ? part.size() : capacity - 1;
    std::wmemcpy(out, part.c_str(), count);
    out[count] = L'\0';
}

bool IsSeparator(wchar_t c) {
    return c == L'/' || c == L'\\';
}

// A drive is a letter and a colon at the very start ("C:").
std::size_t DriveLength(const std::wstring& path) {
    const bool bLetter = !path.empty() && ((path[0] >= L'A' && path[0] <= L'Z') ||
                                           (path[0] >= L'a' && path[0] <= L'z'));
    return bLetter && path.size() >= 2 && path[1] == L':' ? 2 : 0;
}

} // namespace

void _wsplitpath(const wchar_t* path, wchar_t* drive, wchar_t* dir, wchar_t* fname, wchar_t* ext) {
    const std::wstring full = path ? path : L"";
    const std::size_t driveLength = DriveLength(full);
    std::size_t nameStart = driveLength;
    for (std::size_t i = driveLength; i < full.size(); ++i) {
        if (IsSeparator(full[i])) {
            nameStart = i + 1;
        }
    }
    const std::wstring name = full.substr(nameStart);
    const std::size_t dot = name.rfind(L'.');
    CopyPart(full.substr(0, driveLength), drive, _MAX_DRIVE);
    CopyPart(full.substr(driveLength, nameStart - driveLength), dir, _MAX_DIR);
    CopyPart(dot == std::wstring::npos ? name : name.substr(0, dot), fname, _MAX_FNAME);
    CopyPart(dot == std::wstring::npos ? L"" : name.substr(dot), ext, _MAX_EXT);
}
