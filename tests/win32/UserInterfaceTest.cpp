// Tests of message boxes through the installed user interface: what reaches the interface, the
// answers MessageBoxW lets through, and the default interface used when none is installed.
#include "KestrinUi/UserInterface.h"
#include "windows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the boxes it is shown and answers with a fixed button.
class RecordingUi final : public KestrinUi::UserInterface {
public:
    explicit RecordingUi(int answer) : m_answer(answer) {}
    int ShowMessageBox(const KestrinUi::MessageBoxRequest& request) override {
        m_boxes.push_back(request);
        return m_answer;
    }
    void RunModalDialog(KestrinUi::DialogSession& session) override { session.Cancel(); }
    std::optional<std::wstring> ShowFileDialog(const KestrinUi::FileDialogRequest&) override {
        return std::nullopt;
    }
    void ShowAbout(const KestrinUi::AboutRequest&) override {}

    std::vector<KestrinUi::MessageBoxRequest> m_boxes;

private:
    int m_answer;
};

} // namespace

TEST(MessageBox, ReachesInstalledInterfaceWithOwnerTextCaptionAndType) {
    RecordingUi ui(IDOK);
    const KestrinUi::ScopedUserInterface installed(ui);
    HWND owner = CreateWindowExW(0, L"Frame", L"Host", WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, nullptr,
                                 nullptr, nullptr, nullptr);
    EXPECT_EQ(MessageBoxW(owner, L"Error displaying help file", L"Title", MB_ICONWARNING), IDOK);
    ASSERT_EQ(ui.m_boxes.size(), 1u);
    EXPECT_EQ(ui.m_boxes[0].owner, owner);
    EXPECT_EQ(ui.m_boxes[0].text, L"Error displaying help file");
    EXPECT_EQ(ui.m_boxes[0].caption, L"Title");
    EXPECT_EQ(ui.m_boxes[0].type, MB_ICONWARNING);
    DestroyWindow(owner);
}

TEST(MessageBox, NullCaptionReadsErrorAndNullTextEmpty) {
    RecordingUi ui(IDOK);
    const KestrinUi::ScopedUserInterface installed(ui);
    MessageBoxW(nullptr, nullptr, nullptr, MB_OK);
    ASSERT_EQ(ui.m_boxes.size(), 1u);
    EXPECT_EQ(ui.m_boxes[0].caption, L"Error");
    EXPECT_EQ(ui.m_boxes[0].text, L"");
}

TEST(MessageBox, AnswerThatIsNotAButtonOfTheBoxBecomesTheDecliningOne) {
    RecordingUi ui(IDYES);
    const KestrinUi::ScopedUserInterface installed(ui);
    EXPECT_EQ(MessageBoxW(nullptr, L"t", L"c", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxW(nullptr, L"t", L"c", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxW(nullptr, L"t", L"c", MB_YESNO), IDYES);
}

TEST(MessageBox, DefaultInterfaceDeclinesWithoutAsking) {
    ASSERT_EQ(&KestrinUi::CurrentUserInterface(), &KestrinUi::DefaultUserInterface());
    EXPECT_EQ(MessageBoxW(nullptr, L"Proceed?", L"c", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, L"Proceed?", L"c", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxW(nullptr, L"Note", L"c", MB_OK | MB_ICONWARNING), IDOK);
}

TEST(MessageBox, ScopedInterfaceReinstatesThePreviousOne) {
    RecordingUi outer(IDOK);
    RecordingUi inner(IDOK);
    const KestrinUi::ScopedUserInterface outerInstalled(outer);
    {
        const KestrinUi::ScopedUserInterface innerInstalled(inner);
        EXPECT_EQ(&KestrinUi::CurrentUserInterface(), &inner);
    }
    EXPECT_EQ(&KestrinUi::CurrentUserInterface(), &outer);
}

TEST(MessageBoxButtons, DefaultButtonFollowsDefButtonBits) {
    EXPECT_EQ(KestrinUi::DefaultMessageBoxAnswer(MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(KestrinUi::DefaultMessageBoxAnswer(MB_OK | MB_DEFBUTTON3), IDOK);
    EXPECT_EQ(KestrinUi::MessageBoxButtons(MB_RETRYCANCEL), (std::vector<int>{IDRETRY, IDCANCEL}));
}

TEST(WindowTable, DestroyedHandlesAreNoWindowsAndChildrenGoWithTheirParent) {
    HWND frame =
        CreateWindowExW(0, L"Frame", L"Host", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_DISABLED, 0, 0, 0, 0, frame,
                                 reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
    EXPECT_EQ(GetDlgItem(frame, IDOK), child);
    EXPECT_EQ(GetDlgCtrlID(child), IDOK);
    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_TRUE(EnableWindow(child, TRUE)); // was disabled
    EXPECT_TRUE(IsWindowEnabled(child));
    wchar_t text[3] = {};
    EXPECT_EQ(GetWindowTextW(frame, text, 3), 2);
    EXPECT_STREQ(text, L"Ho");
    EXPECT_TRUE(DestroyWindow(frame));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(
        CreateWindowExW(0, L"Button", L"", WS_CHILD, 0, 0, 0, 0, frame, nullptr, nullptr, nullptr),
        nullptr);
}
