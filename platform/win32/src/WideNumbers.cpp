// Kestrin Windows API stand-in.
// _wtoi: the decimal integer at the start of a wide string, as the target's run-time reads it.
#include <wincrt.h>

#include <climits>
#include <cwctype>

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
    // Accumulate negatively so that INT_MIN itself is reachable without overflow.
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        value = value * 10 + (*p - L'0');
        if (value > kLimit) {
            value = kLimit; // saturated; the rest of the digits changes nothing
        }
    }
    if (bNegative) {
        return static_cast<int>(-value);
    }
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}
