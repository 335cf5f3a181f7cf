// Kestrin toolkit tests: OdString conversion, comparison and target-style formatting.
#include "OdString.h"

#include <gtest/gtest.h>

TEST(OdString, FormatPercentSTakesWideStrings) {
    OdString text;
    text.format(L"Failure [%s]\n", L"Command cancelled");
    EXPECT_EQ(text, OdString(L"Failure [Command cancelled]\n"));
    text.format(L"%s %s version %d.%d", L"Kestrin for", L"Bricscad 10", 1, 0);
    EXPECT_EQ(text, OdString(L"Kestrin for Bricscad 10 version 1.0"));
}

TEST(OdString, FormatNarrowAndLiteralConversions) {
    OdString text;
    text.format(L"%hs|%S|%ls|%c|%%s|%5.2f", "narrow", "upper", L"wide", L'x', 3.14159);
    EXPECT_EQ(text, OdString(L"narrow|upper|wide|x|%s| 3.14"));
}

TEST(OdString, FormatGrowsForLongText) {
    const std::wstring longText(5000, L'a');
    OdString text;
    text.format(L"<%s>", longText.c_str());
    EXPECT_EQ(text.getLength(), 5002);
}

TEST(OdString, Utf8RoundTrip) {
    const OdString text("Grüße ∑ 𝄞");
    EXPECT_EQ(text.getLength(), 9);
    EXPECT_EQ(odStringToUtf8(text), std::string("Grüße ∑ 𝄞"));
    EXPECT_EQ(OdString("\xff"
                       "a")
                  .getLength(),
              2); // invalid byte -> U+FFFD
    EXPECT_EQ(OdString(static_cast<const char*>(nullptr)).getLength(), 0);
}

TEST(OdString, CaseInsensitiveCompare) {
    EXPECT_EQ(OdString(L"KestrinHelp").iCompare(L"kestrinhelp"), 0);
    EXPECT_LT(OdString(L"abc").iCompare(L"ABD"), 0);
    EXPECT_NE(OdString(L"Kestrin").iCompare(L"KestrinAbout"), 0);
    EXPECT_NE(OdString(L"Kestrin").compare(L"kestrin"), 0);
}
