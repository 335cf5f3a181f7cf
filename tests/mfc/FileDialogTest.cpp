// Tests of CFileDialog: what the user interface is asked, and how the answer is completed (made
// absolute, the default extension added only to a name without one).
#include "support/FunctionUi.h"

#include "afxdlgs.h"
#include "afxwin.h"
#include <KestrinPosix/FileNameText.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <string>

namespace {

constexpr const wchar_t* kStepFilter = L"STEP Files (*.stp, *.step)|*.stp;*.step||";

std::wstring CurrentFolder() {
    char buffer[PATH_MAX] = {};
    return kposix::FromUtf8(::getcwd(buffer, sizeof(buffer)));
}

std::wstring AnswerWith(KestrinTest::FunctionUi* pUi, const std::wstring& answer) {
    pUi->fileAnswer = answer;
    CFileDialog dialog(TRUE, L"stp", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kStepFilter);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    return dialog.GetPathName().GetString();
}

} // namespace

TEST(FileDialog, AsksTheUserInterfaceWithTheParsedFilterAndFlags) {
    KestrinTest::FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    CWnd owner;
    owner.Attach(::CreateWindowExW(0, L"Frame", L"Host", WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, nullptr,
                                   nullptr, nullptr, nullptr));
    CFileDialog dialog(TRUE, L"stp", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kStepFilter,
                       &owner);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialog.GetPathName().IsEmpty());
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const KestrinUi::FileDialogRequest& request = ui.fileRequests[0];
    EXPECT_EQ(request.owner, owner.GetSafeHwnd());
    EXPECT_TRUE(request.bOpenFileDialog);
    EXPECT_EQ(request.defaultExtension, L"stp");
    EXPECT_EQ(request.flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters[0].description, L"STEP Files (*.stp, *.step)");
    EXPECT_EQ(request.filters[0].patterns, (std::vector<std::wstring>{L"*.stp", L"*.step"}));
}

TEST(FileDialog, RelativeAnswerIsMadeAbsoluteAndGetsTheDefaultExtension) {
    KestrinTest::FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    EXPECT_EQ(AnswerWith(&ui, L"parts/bracket"), CurrentFolder() + L"/parts/bracket.stp");
    EXPECT_EQ(AnswerWith(&ui, L"Ünïcode part.step"), CurrentFolder() + L"/Ünïcode part.step");
}

TEST(FileDialog, AbsoluteAnswerWithAnExtensionIsKeptAsItIs) {
    KestrinTest::FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    EXPECT_EQ(AnswerWith(&ui, L"/data/my.parts/part.igs"), L"/data/my.parts/part.igs");
    // A dot in a folder name is no extension of the file.
    EXPECT_EQ(AnswerWith(&ui, L"/data/my.parts/part"), L"/data/my.parts/part.stp");
}

TEST(FileDialog, NameAndExtensionOfTheAnswer) {
    KestrinTest::FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    ui.fileAnswer = L"/data/part.step";
    CFileDialog dialog(TRUE, L"stp");
    dialog.DoModal();
    EXPECT_STREQ(dialog.GetFileName(), L"part.step");
    EXPECT_STREQ(dialog.GetFileExt(), L"step");
}

TEST(FileDialog, EmptyAnswerIsACancel) {
    KestrinTest::FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    ui.fileAnswer = L"";
    CFileDialog dialog(TRUE, L"stp");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}
