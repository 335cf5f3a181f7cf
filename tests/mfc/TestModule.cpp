// A small module file for the framework's start-up tests, built like the real module: it links
// mfc_module (DllMain and its own module state) and carries a resource table with dialog templates
// 200 and 100 (TestDialogTemplate.cpp). Its application object appends "InitInstance" /
// "ExitInstance" to the file that $KESTRIN_TEST_APP_LOG names, and InitInstance fails when
// $KESTRIN_TEST_FAIL_INIT is set.
#include "TestDialog.h"

#include "afxwin.h"

#include "KestrinUi/DialogTemplate.h"
#include "KestrinUi/ResourceTable.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Log(const char* event) {
    const char* path = std::getenv("KESTRIN_TEST_APP_LOG");
    if (!path) {
        return;
    }
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\n", event);
        std::fclose(file);
    }
}

class CTestModuleApp : public CWinApp {
public:
    BOOL InitInstance() override {
        CWinApp::InitInstance();
        Log("InitInstance");
        return std::getenv("KESTRIN_TEST_FAIL_INIT") ? FALSE : TRUE;
    }
    int ExitInstance() override {
        Log("ExitInstance");
        return CWinApp::ExitInstance();
    }
};

CTestModuleApp theApp;

const KestrinUi::DialogItemTemplate kItems[] = {
    {IDOK,
     KestrinUi::WindowClass::Button,
     WS_CHILD | BS_DEFPUSHBUTTON,
     L"OK",
     {5, 5, 40, 14},
     nullptr,
     0},
};

const KestrinUi::DialogTemplate kModuleDialog = {
    WS_POPUP | WS_CAPTION, L"Module dialog", L"MS Sans Serif", 8, {0, 0, 100, 40}, kItems, 1};

const KestrinUi::ResourceEntry kEntries[] = {
    {KestrinUi::kDialogResourceType, 200, &kModuleDialog},
    {KestrinUi::kDialogResourceType, IDD_TEST, &kTestDialogTemplate},
};

} // namespace

KESTRIN_RESOURCE_TABLE = {kEntries, sizeof(kEntries) / sizeof(kEntries[0])};

/// The module's own framework state, which tests cannot reach otherwise (it is hidden).
extern "C" __attribute__((visibility("default"))) AFX_MODULE_STATE* TestModuleState() {
    return AfxGetStaticModuleState();
}

/// The module's application object.
extern "C" __attribute__((visibility("default"))) CWinApp* TestModuleApp() {
    return &theApp;
}
