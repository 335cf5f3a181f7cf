// Tests of the framework's start-up for a module file (TestModule.cpp, built like the real
// module): DllMain starts the module's own application with the module's own state, resources
// are found only while that state is current, and unloading shuts the application down.
#include "support/FunctionUi.h"
#include "support/TestFolder.h"

#include "afxwin.h"
#include <KestrinPosix/FileNameText.h>

#include <gtest/gtest.h>

namespace {

constexpr UINT kModuleTemplate = 200; // in the test module's resources, not the program's

typedef AFX_MODULE_STATE* (*StateFunction)();
typedef CWinApp* (*AppFunction)();

template <class Function> Function ExportOf(HMODULE hModule, const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(hModule, name)));
}

class ModuleStartup : public ::testing::Test {
protected:
    ModuleStartup() : m_log(m_folder.File("app.log")), m_logGuard("KESTRIN_TEST_APP_LOG", m_log) {}

    static HMODULE Load() { return ::LoadLibraryW(kposix::FromUtf8(KESTRIN_TEST_MODULE).c_str()); }
    std::string Log() const { return KestrinTest::ReadFile(m_log); }

    KestrinTest::TestFolder m_folder;
    std::string m_log;
    KestrinTest::ScopedEnvironment m_logGuard;
};

} // namespace

TEST_F(ModuleStartup, DllMainStartsTheModulesApplicationWithItsOwnState) {
    AFX_MODULE_STATE* const pProgram = AfxGetModuleState();
    HMODULE hModule = Load();
    ASSERT_NE(hModule, nullptr) << kposix::ToUtf8(KestrinWin32::LastLoaderMessage());
    EXPECT_EQ(Log(), "InitInstance\n");
    EXPECT_EQ(AfxGetModuleState(), pProgram); // DllMain put the program's state back

    AFX_MODULE_STATE* pState = ExportOf<StateFunction>(hModule, "TestModuleState")();
    CWinApp* pApp = ExportOf<AppFunction>(hModule, "TestModuleApp")();
    EXPECT_EQ(pState->m_hCurrentInstanceHandle, hModule);
    EXPECT_EQ(pState->m_pCurrentWinApp, pApp);
    EXPECT_EQ(pApp->m_hInstance, hModule);
    EXPECT_STREQ(pApp->m_pszAppName, L"libmfc_test_module"); // the module file's name
    EXPECT_NE(AfxGetApp(), pApp);
    {
        AFX_MANAGE_STATE(pState);
        EXPECT_EQ(AfxGetApp(), pApp);
        EXPECT_EQ(AfxGetInstanceHandle(), hModule);
    }

    EXPECT_TRUE(::FreeLibrary(hModule));
    EXPECT_EQ(Log(), "InitInstance\nExitInstance\n");
}

TEST_F(ModuleStartup, ModuleTemplateIsFoundOnlyWhileTheModulesStateIsCurrent) {
    KestrinTest::FunctionUi ui;
    const KestrinUi::ScopedUserInterface installed(ui);
    ui.onDialog = [](KestrinUi::DialogSession& session) { session.Ok(); };
    HMODULE hModule = Load();
    ASSERT_NE(hModule, nullptr);
    AFX_MODULE_STATE* pState = ExportOf<StateFunction>(hModule, "TestModuleState")();
    {
        CDialog dialog(kModuleTemplate);
        EXPECT_EQ(dialog.DoModal(), -1); // the program's state: the program's resources
    }
    {
        AFX_MANAGE_STATE(pState);
        CDialog dialog(kModuleTemplate);
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }
    ::FreeLibrary(hModule);
}

TEST_F(ModuleStartup, FailedInitInstanceShutsDownOnceAndTheLoadFails) {
    const KestrinTest::ScopedEnvironment fail("KESTRIN_TEST_FAIL_INIT", "1");
    EXPECT_EQ(Load(), nullptr);
    EXPECT_EQ(::GetLastError(), ERROR_DLL_INIT_FAILED);
    EXPECT_EQ(Log(), "InitInstance\nExitInstance\n");
}
