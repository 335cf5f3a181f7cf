// Tests of module states in the program: the guard that makes a state current and puts the
// previous one back on every way out, handles and the application read through the current state,
// and AfxMessageBox's owner and caption.
#include "support/FunctionUi.h"

#include "afxwin.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A state of a module other than the program, made current by the tests.
AFX_MODULE_STATE& OtherState() {
    static AFX_MODULE_STATE state(TRUE);
    return state;
}

void ThrowInsideGuard(AFX_MODULE_STATE* pState) {
    AFX_MANAGE_STATE(pState);
    EXPECT_EQ(AfxGetModuleState(), pState);
    throw std::runtime_error("left by an exception");
}

HWND MakeWindow(const wchar_t* title) {
    return ::CreateWindowExW(0, L"Frame", title, WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, nullptr, nullptr,
                             nullptr, nullptr);
}

} // namespace

TEST(ModuleStateGuard, RestoresThePreviousStateOnReturnAndOnException) {
    AFX_MODULE_STATE* const pProgram = AfxGetModuleState();
    {
        AFX_MANAGE_STATE(&OtherState());
        EXPECT_EQ(AfxGetModuleState(), &OtherState());
        {
            AFX_MANAGE_STATE(pProgram); // nested: back to the program's, then to the other
            EXPECT_EQ(AfxGetModuleState(), pProgram);
        }
        EXPECT_EQ(AfxGetModuleState(), &OtherState());
    }
    EXPECT_EQ(AfxGetModuleState(), pProgram);
    EXPECT_THROW(ThrowInsideGuard(&OtherState()), std::runtime_error);
    EXPECT_EQ(AfxGetModuleState(), pProgram);
}

TEST(ModuleState, HandlesAndResourcesComeFromTheCurrentState) {
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandleW(nullptr));
    EXPECT_EQ(AfxGetResourceHandle(), ::GetModuleHandleW(nullptr));
    AFX_MANAGE_STATE(&OtherState());
    EXPECT_EQ(AfxGetInstanceHandle(), nullptr); // a DLL's state before its start-up
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
}

TEST(ApplicationObject, MadeByTheProgramBelongsToItsStateWithItsMainWindow) {
    EXPECT_EQ(AfxGetThread(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    {
        CWinApp app(L"Host");
        CWnd mainWindow;
        mainWindow.Attach(MakeWindow(L"Host window"));
        app.m_pMainWnd = &mainWindow;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(AfxGetThread(), &app);
        EXPECT_EQ(AfxGetMainWnd(), &mainWindow);
        EXPECT_STREQ(AfxGetAppName(), L"Host");
        {
            // Another module's state knows nothing of the program's main window: a command must
            // read it before it switches.
            AFX_MANAGE_STATE(&OtherState());
            EXPECT_EQ(AfxGetMainWnd(), nullptr);
        }
        app.m_pMainWnd = nullptr;
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}

TEST(AfxMessageBox, OwnedByTheMainWindowAndCaptionedWithTheApplicationName) {
    KestrinTest::FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    CWinApp app(L"Kestrin");
    CWnd mainWindow;
    mainWindow.Attach(MakeWindow(L"Host window"));
    app.m_pMainWnd = &mainWindow;
    EXPECT_EQ(AfxMessageBox(L"The mesh contains 40000 vertices", MB_OK), IDOK);
    app.m_pMainWnd = nullptr;
    EXPECT_EQ(AfxMessageBox(L"no main window"), IDOK);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].owner, mainWindow.GetSafeHwnd());
    EXPECT_EQ(ui.boxes[0].caption, L"Kestrin");
    EXPECT_EQ(ui.boxes[0].text, L"The mesh contains 40000 vertices");
    EXPECT_EQ(ui.boxes[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(ui.boxes[1].owner, nullptr);
}

TEST(Window, AttachedObjectsDestroyTheirWindowTemporariesDoNot) {
    HWND hKept = MakeWindow(L"kept");
    CWnd* pTemporary = CWnd::FromHandle(hKept);
    ASSERT_NE(pTemporary, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hKept), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    HWND hOwned = MakeWindow(L"owned");
    {
        CWnd owner;
        EXPECT_TRUE(owner.Attach(hOwned));
        EXPECT_FALSE(owner.Attach(hKept));
        EXPECT_EQ(CWnd::FromHandle(hOwned), &owner);
    }
    EXPECT_FALSE(::IsWindow(hOwned));
    EXPECT_TRUE(::IsWindow(hKept));
    ::DestroyWindow(hKept);
}
