// Tests of LKVGUIUtils::About: the title and owner reach the user interface as they were given.
#include "support/FunctionUi.h"

#include "LKVGUIUtils.h"
#include "windows.h"

#include <gtest/gtest.h>

TEST(About, ShowsTheTitleOwnedByTheParentOrByNone) {
    KestrinTest::FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    HWND hParent = ::CreateWindowExW(0, L"Frame", L"Host", WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, nullptr,
                                     nullptr, nullptr, nullptr);
    LKVGUIUtils::About(CString(L"Kestrin for Bricscad 10 version 1.0"), hParent);
    LKVGUIUtils::About(CString(L"Kestrin for Bricscad ???? version 1.0"), nullptr);
    ASSERT_EQ(ui.abouts.size(), 2u);
    EXPECT_EQ(ui.abouts[0].owner, hParent);
    EXPECT_EQ(ui.abouts[0].title, L"Kestrin for Bricscad 10 version 1.0");
    EXPECT_EQ(ui.abouts[1].owner, nullptr);
    ::DestroyWindow(hParent);
}
