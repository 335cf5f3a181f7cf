// Tests of the target's wide printf rules: %s takes a wide string, %hs/%S a narrow (UTF-8) one,
// numbers follow the C rules, and invalid formats or short buffers fail as -1.
#include "wcrt.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Formatted(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    wchar_t buffer[256] = {};
    const int length = vswprintf_s(buffer, 256, format, args);
    va_end(args);
    return length < 0 ? L"<error>" : std::wstring(buffer);
}

} // namespace

TEST(WideFormat, PercentSTakesWideString) {
    EXPECT_EQ(Formatted(L"%s %s version %d.%d", L"Kestrin for", L"Bricscad 10", 1, 0),
              L"Kestrin for Bricscad 10 version 1.0");
    EXPECT_EQ(Formatted(L"%ls|%ws", L"a", L"b"), L"a|b");
}

TEST(WideFormat, NarrowConversionsDecodeUtf8) {
    EXPECT_EQ(Formatted(L"%hs/%S", "Gr\xC3\xBC\xC3\x9F", "x"), L"Gr\u00FC\u00DF/x");
    EXPECT_EQ(Formatted(L"%c%hc%C", L'\u00E9', 'a', 'b'), L"\u00E9ab");
}

TEST(WideFormat, WidthPrecisionAndFlags) {
    EXPECT_EQ(Formatted(L"[%5s][%-5s][%.2s]", L"ab", L"ab", L"abcdef"), L"[   ab][ab   ][ab]");
    EXPECT_EQ(Formatted(L"[%*d][%-*d]", 4, 7, 4, 7), L"[   7][7   ]");
    EXPECT_EQ(Formatted(L"[%*d]", -3, 5), L"[5  ]");
    EXPECT_EQ(Formatted(L"%05.1f|%+d|%x|%X|%o|%%", 3.14159, 5, 255, 255, 8),
              L"003.1|+5|ff|FF|10|%");
    EXPECT_EQ(Formatted(L"%lld %I64d %zu %hd", -5LL, 6LL, static_cast<std::size_t>(7), 65537),
              L"-5 6 7 1");
}

TEST(WideFormat, NullStringsShowAsNull) {
    EXPECT_EQ(Formatted(L"%s", static_cast<const wchar_t*>(nullptr)), L"(null)");
}

TEST(WideFormat, InvalidFormatsAreRefused) {
    int written = 0;
    EXPECT_EQ(Formatted(L"%n", &written), L"<error>");
    EXPECT_EQ(Formatted(L"trailing %"), L"<error>");
    EXPECT_EQ(Formatted(L"%y", 1), L"<error>");
    EXPECT_EQ(_scwprintf(nullptr), -1);
}

TEST(WideFormat, TextThatDoesNotFitLeavesEmptyBuffer) {
    wchar_t buffer[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(swprintf_s(buffer, 4, L"%s", L"abcd"), -1);
    EXPECT_EQ(buffer[0], L'\0');
    EXPECT_EQ(swprintf_s(buffer, 4, L"%s", L"abc"), 3);
    EXPECT_STREQ(buffer, L"abc");
    EXPECT_EQ(_scwprintf(L"%d-%s", 123, L"ab"), 6);
}
