// Kestrin MFC stand-in: the program's module state, the current state of each thread, and the
// calls that read the current state.
#include "afxthread.h"

namespace {

// The program's state: current whenever no DLL's state is made current. Its handles are the
// program's own from the start, since the program's start-up happens before main.
AFX_MODULE_STATE& ProgramState() {
    static AFX_MODULE_STATE* const pState = [] {
        static AFX_MODULE_STATE state(FALSE);
        state.m_hCurrentInstanceHandle = ::GetModuleHandleW(nullptr);
        state.m_hCurrentResourceHandle = state.m_hCurrentInstanceHandle;
        return &state;
    }();
    return *pState;
}

thread_local AFX_MODULE_STATE* t_pCurrentState = nullptr; // null: the program's state

} // namespace

AFX_MODULE_STATE* AfxGetModuleState() {
    return t_pCurrentState ? t_pCurrentState : &ProgramState();
}

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pNewState) {
    AFX_MODULE_STATE* previous = AfxGetModuleState();
    t_pCurrentState = pNewState;
    return previous;
}

HINSTANCE AfxGetInstanceHandle() {
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

CWinApp* AfxGetApp() {
    return AfxGetModuleState()->m_pCurrentWinApp;
}

CWinThread* AfxGetThread() {
    return AfxGetModuleState()->m_pCurrentWinThread;
}

CWnd* AfxGetMainWnd() {
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->GetMainWnd() : nullptr;
}

LPCWSTR AfxGetAppName() {
    return AfxGetModuleState()->m_lpszCurrentAppName;
}
