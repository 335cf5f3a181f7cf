// Kestrin host tests: typed command lines split into name and argument, and the name used for
// lookup.
#include "Session/TypedCommand.h"

#include <gtest/gtest.h>

using KestrinApp::LookupName;
using KestrinApp::ParseTypedCommand;

TEST(TypedCommand, SplitsNameFromTheRestOfTheLine) {
    const KestrinApp::TypedCommand typed = ParseTypedCommand(L"  SAVEAS  my drawings/a b.dxf  ");
    EXPECT_EQ(typed.name, L"SAVEAS");
    EXPECT_EQ(typed.argument, L"my drawings/a b.dxf"); // blanks inside a file name stay
}

TEST(TypedCommand, RemovesEnclosingQuotesOnly) {
    EXPECT_EQ(ParseTypedCommand(L"SAVEAS \"a b.dxf\"").argument, L"a b.dxf");
    EXPECT_EQ(ParseTypedCommand(L"SAVEAS a\"b\".dxf").argument, L"a\"b\".dxf");
    EXPECT_EQ(ParseTypedCommand(L"SAVEAS \"").argument, L"\"");
}

TEST(TypedCommand, BlankLineIsEmptyAndTabsSeparate) {
    EXPECT_TRUE(ParseTypedCommand(L" \t ").IsEmpty());
    const KestrinApp::TypedCommand typed = ParseTypedCommand(L"NEW\tnow");
    EXPECT_EQ(typed.name, L"NEW");
    EXPECT_EQ(typed.argument, L"now");
}

TEST(TypedCommand, LookupNameDropsUnderscoreAndDotPrefixesKeepingCase) {
    EXPECT_EQ(LookupName(L"_Kestrin"), L"Kestrin");
    EXPECT_EQ(LookupName(L"._kestrinAbout"), L"kestrinAbout");
    EXPECT_EQ(LookupName(L"Kestrin_Help"), L"Kestrin_Help"); // only leading ones go
    EXPECT_EQ(LookupName(L"_."), L"");
}
