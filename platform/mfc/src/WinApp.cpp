// Kestrin MFC stand-in: CWinThread, CWinApp and the framework's start-up and termination for a
// module. An application object that lies in a DLL's own storage is made while the DLL loads,
// before its start-up knows the DLL's state; it waits in a list until that start-up
// (AfxClaimModuleApp) takes it. Any other application object belongs to the state current when it
// is made.
#include "afxthread.h"

#include <algorithm>
#include <vector>

namespace {

// The loaded object whose storage holds the address; null for the stack and the heap.
HMODULE ModuleContaining(const void* address) {
    HMODULE hModule = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         static_cast<LPCWSTR>(address), &hModule);
    return hModule;
}

// The file name without folder and extension: the name of an application that gives none.
CString ModuleTitle(HINSTANCE hInstance) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(hInstance, path, MAX_PATH);
    wchar_t fname[_MAX_FNAME] = {};
    _wsplitpath(path, nullptr, nullptr, fname, nullptr);
    return CString(fname);
}

std::vector<CWinApp*>& UnclaimedApps() {
    static std::vector<CWinApp*> apps;
    return apps;
}

void Register(AFX_MODULE_STATE* pState, CWinApp* pApp) {
    pApp->m_pModuleState = pState;
    pState->m_pCurrentWinApp = pApp;
    pState->m_pCurrentWinThread = pApp;
    pState->m_lpszCurrentAppName = pApp->m_pszAppName;
}

void UnregisterFrom(AFX_MODULE_STATE* pState, CWinApp* pApp) {
    pApp->m_pModuleState = nullptr;
    if (pState->m_pCurrentWinApp == pApp) {
        pState->m_pCurrentWinApp = nullptr;
        pState->m_lpszCurrentAppName = nullptr;
    }
    if (pState->m_pCurrentWinThread == pApp) {
        pState->m_pCurrentWinThread = nullptr;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CWinThread, CCmdTarget)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

CWinThread::CWinThread() : m_pMainWnd(nullptr) {}

CWinThread::~CWinThread() = default;

BOOL CWinThread::InitInstance() {
    return FALSE;
}

int CWinThread::ExitInstance() {
    return 0;
}

CWinApp::CWinApp(LPCWSTR lpszAppName)
    : m_pszAppName(nullptr), m_hInstance(nullptr), m_pModuleState(nullptr),
      m_strAppName(lpszAppName) {
    if (lpszAppName) {
        m_pszAppName = m_strAppName.GetString();
    }
    const HMODULE hOwner = ModuleContaining(this);
    if (hOwner && hOwner != ::GetModuleHandleW(nullptr)) {
        UnclaimedApps().push_back(this);
    } else {
        Register(AfxGetModuleState(), this);
        m_hInstance = AfxGetModuleState()->m_hCurrentInstanceHandle;
    }
}

CWinApp::~CWinApp() {
    auto& unclaimed = UnclaimedApps();
    unclaimed.erase(std::remove(unclaimed.begin(), unclaimed.end(), this), unclaimed.end());
    // A DLL's termination has let go of its application already (its state may be gone by
    // now); any other state still holds it.
    if (m_pModuleState) {
        UnregisterFrom(m_pModuleState, this);
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

CWinApp* AfxClaimModuleApp(AFX_MODULE_STATE* pState, HINSTANCE hInstance) {
    auto& unclaimed = UnclaimedApps();
    const auto it = std::find_if(unclaimed.begin(), unclaimed.end(), [&](CWinApp* pApp) {
        return ModuleContaining(pApp) == hInstance;
    });
    if (it == unclaimed.end()) {
        return nullptr;
    }
    CWinApp* pApp = *it;
    unclaimed.erase(it);
    Register(pState, pApp);
    return pApp;
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPWSTR, int) {
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_hCurrentInstanceHandle = hInstance;
    pState->m_hCurrentResourceHandle = hInstance;
    CWinApp* pApp = pState->m_pCurrentWinApp;
    if (pApp) {
        pApp->m_hInstance = hInstance;
        if (!pApp->m_pszAppName) {
            pApp->m_strAppName = ModuleTitle(hInstance);
            pApp->m_pszAppName = pApp->m_strAppName.GetString();
        }
        pState->m_lpszCurrentAppName = pApp->m_pszAppName;
    }
    return TRUE;
}

void AfxWinTerm() {
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (pState->m_bDLL && pState->m_pCurrentWinApp) {
        UnregisterFrom(pState, pState->m_pCurrentWinApp);
    }
    pState->m_hCurrentInstanceHandle = nullptr;
    pState->m_hCurrentResourceHandle = nullptr;
}
