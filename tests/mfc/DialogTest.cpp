// Tests of CDialog through the user interface: data exchange in both directions with the -1
// cases, the message map routing clicks and selections to the handlers of the dialog and its
// base, greyed-out controls refusing actions, and every way a dialog can end.
#include "TestDialog.h"
#include "support/FunctionUi.h"

#include <gtest/gtest.h>

#include <stdexcept>

using KestrinTest::ControlOf;
using KestrinTest::FunctionUi;

TEST(DialogDataExchange, MembersReachTheControlsAndComeBackOnOk) {
    FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    const TestModuleResources resources;
    CTestDlg dialog;
    dialog.m_bCheck = 1;
    dialog.m_nCombo = 2;
    dialog.m_nRadio = 2; // the third button: the combo box inside the group is passed over
    ui.onDialog = [](KestrinUi::DialogSession& session) {
        EXPECT_TRUE(session.Click(IDC_TEST_RADIO_SECOND));
        EXPECT_TRUE(session.SelectComboIndex(IDC_TEST_COMBO, 0));
        EXPECT_TRUE(session.Ok());
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);

    EXPECT_TRUE(ControlOf(ui.controlsShown, IDC_TEST_CHECK).bChecked);
    EXPECT_EQ(ControlOf(ui.controlsShown, IDC_TEST_COMBO).selectedIndex, 2);
    EXPECT_EQ(ControlOf(ui.controlsShown, IDC_TEST_COMBO).entries,
              (std::vector<std::wstring>{L"Alpha", L"Beta", L"Gamma"}));
    EXPECT_TRUE(ControlOf(ui.controlsShown, IDC_TEST_RADIO_THIRD).bChecked);
    EXPECT_FALSE(ControlOf(ui.controlsShown, IDC_TEST_RADIO_FIRST).bChecked);

    EXPECT_EQ(dialog.m_nRadio, 1);
    EXPECT_EQ(dialog.m_nCombo, 0);
    EXPECT_EQ(dialog.m_bCheck, 1);
    EXPECT_EQ(dialog.m_nOkCalls, 1);
}

TEST(DialogDataExchange, ValuesTheControlsCannotShowComeBackAsNone) {
    FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    const TestModuleResources resources;
    CTestDlg dialog;
    dialog.m_bCheck = 5;
    dialog.m_nCombo = 7;
    dialog.m_nRadio = 3;
    ui.onDialog = [](KestrinUi::DialogSession& session) { session.Ok(); };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_bCheck, 0);
    EXPECT_EQ(dialog.m_nCombo, -1);
    EXPECT_EQ(dialog.m_nRadio, -1);
    for (const KestrinUi::ControlState& control : ui.controlsShown) {
        EXPECT_FALSE(control.bChecked) << control.id;
    }
}

TEST(DialogMessageMap, RoutesClicksAndSelectionsAfterTheControlChanged) {
    FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    const TestModuleResources resources;
    CTestDlg dialog;
    ui.onDialog = [](KestrinUi::DialogSession& session) {
        session.Click(IDC_TEST_RADIO_SECOND);
        session.SelectComboIndex(IDC_TEST_COMBO, 1);
        session.Cancel();
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_nSecondClicks, 1);
    EXPECT_EQ(dialog.m_nRadioAtChange, 1); // the automatic button had changed before the handler
    EXPECT_EQ(dialog.m_nComboChanges, 1);
    EXPECT_EQ(dialog.m_nOkCalls, 0);
}

TEST(DialogMessageMap, DerivedMapAddsHandlersAndKeepsTheBaseOnes) {
    FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    const TestModuleResources resources;
    CDerivedTestDlg dialog;
    ui.onDialog = [](KestrinUi::DialogSession& session) {
        session.Click(IDC_TEST_RADIO_FIRST);
        session.Click(IDC_TEST_RADIO_SECOND);
        session.Ok();
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nFirstClicks, 1);
    EXPECT_EQ(dialog.m_nSecondClicks, 1);
    EXPECT_EQ(dialog.m_nOkCalls, 1);
}

TEST(DialogSession, GreyedOutUnknownAndStaticControlsRefuseActions) {
    FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    const TestModuleResources resources;
    CTestDlg dialog;
    ui.onDialog = [](KestrinUi::DialogSession& session) {
        EXPECT_TRUE(session.SelectComboIndex(IDC_TEST_COMBO, 1)); // its handler greys the check box
        EXPECT_FALSE(ControlOf(session.Controls(), IDC_TEST_CHECK).bEnabled);
        EXPECT_FALSE(session.Click(IDC_TEST_CHECK));
        EXPECT_FALSE(session.Click(IDC_STATIC));
        EXPECT_FALSE(session.Click(999));
        EXPECT_FALSE(session.SelectComboIndex(IDC_TEST_COMBO, 3));
        EXPECT_FALSE(session.SelectComboIndex(IDC_TEST_COMBO, -1));
        EXPECT_FALSE(session.SelectComboIndex(IDC_TEST_CHECK, 0));
        EXPECT_TRUE(session.Ok());
        EXPECT_FALSE(session.Ok());
        EXPECT_FALSE(session.Cancel());
        EXPECT_EQ(session.Result(), IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_bCheck, 0); // the disabled check box kept its value
}

TEST(DialogModal, UserInterfaceThatLeavesTheDialogRunningEndsItAsCancel) {
    FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    const TestModuleResources resources;
    CTestDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_nOkCalls, 0);
}

TEST(DialogModal, WindowLivesOnlyWhileItRunsAndHasTheGivenOwner) {
    FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    const TestModuleResources resources;
    CWnd owner;
    owner.Attach(::CreateWindowExW(0, L"Frame", L"Host", WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, nullptr,
                                   nullptr, nullptr, nullptr));
    CTestDlg dialog(&owner);
    HWND hDialog = nullptr;
    ui.onDialog = [&](KestrinUi::DialogSession& session) {
        hDialog = session.Window();
        EXPECT_EQ(dialog.GetSafeHwnd(), hDialog);
        EXPECT_EQ(CWnd::FromHandle(hDialog), &dialog);
        EXPECT_NE(dialog.GetDlgItem(IDC_TEST_CHECK), nullptr);
        session.Cancel();
    };
    EXPECT_EQ(dialog.GetDlgItem(IDC_TEST_CHECK), nullptr);
    dialog.DoModal();
    EXPECT_EQ(ui.dialogOwner, owner.GetSafeHwnd());
    EXPECT_FALSE(::IsWindow(hDialog));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(hDialog), nullptr);

    ui.onDialog = nullptr;
    CTestDlg unowned;
    unowned.DoModal();
    EXPECT_EQ(ui.dialogOwner, nullptr);
}

TEST(DialogModal, ExceptionFromAHandlerLeavesDoModalAndTheWindowIsGone) {
    FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    const TestModuleResources resources;
    CTestDlg dialog;
    HWND hDialog = nullptr;
    ui.onDialog = [&](KestrinUi::DialogSession& session) {
        hDialog = session.Window();
        session.Click(IDC_TEST_THROW);
    };
    EXPECT_THROW(dialog.DoModal(), std::runtime_error);
    EXPECT_FALSE(::IsWindow(hDialog));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST(DialogModal, TemplateMissingFromTheCurrentResourcesFailsWithMinusOne) {
    FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    CDialog dialog(IDD_TEST); // the program's state: the test module's template is not seen
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(ui.controlsShown.empty());
}
