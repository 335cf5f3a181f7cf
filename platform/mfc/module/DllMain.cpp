// Kestrin MFC stand-in, linked into each MFC DLL.
// The DLL's entry point: MFC's start-up when the DLL is loaded (AfxWinInit, then the
// application's InitInstance) and its termination before it is unloaded (ExitInstance, then
// AfxWinTerm), both with the DLL's own module state current. The loader (LoadLibraryW,
// FreeLibrary) calls it.
#include "afxwin.h"

#include <cstdio>
#include <exception>

namespace {

BOOL StartUp(HINSTANCE hInstance) {
    AFX_MODULE_STATE* pState = AfxGetStaticModuleState();
    CWinApp* pApp = AfxClaimModuleApp(pState, hInstance);
    AfxWinInit(hInstance, nullptr, nullptr, 0);
    if (pApp && !pApp->InitInstance()) {
        // Terminated here, so that the DLL_PROCESS_DETACH that follows a failed start finds
        // nothing left to stop.
        pApp->ExitInstance();
        AfxWinTerm();
        return FALSE;
    }
    return TRUE;
}

void Terminate() {
    CWinApp* pApp = AfxGetStaticModuleState()->m_pCurrentWinApp;
    if (pApp) {
        pApp->ExitInstance();
    }
    AfxWinTerm();
}

} // namespace

extern "C" __attribute__((visibility("default"))) BOOL WINAPI DllMain(HINSTANCE hInstance,
                                                                      DWORD dwReason, LPVOID) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    // An exception must not cross into the loader: it counts as a failed start-up.
    try {
        if (dwReason == DLL_PROCESS_ATTACH) {
            return StartUp(hInstance);
        }
        if (dwReason == DLL_PROCESS_DETACH) {
            Terminate();
        }
        return TRUE;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "MFC DLL start-up or termination failed: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "MFC DLL start-up or termination failed\n");
    }
    return FALSE;
}
