// Kestrin MFC stand-in.
// Module state. Each module that uses MFC (the program and every MFC DLL) has one
// AFX_MODULE_STATE: its instance handle, the handle its resources are looked up in, and its
// application object. One state is current at a time; the program's is current unless a module
// makes its own current for the duration of a call (AFX_MANAGE_STATE), which is how MFC knows
// whose resources and whose application a call means.
#pragma once

#include "windows.h"

class CWinApp;
class CWinThread;
class CWnd;

/*
Description:
  The MFC state of one module.
Remarks:
  The program's state is made by the mfc library; a DLL's state is made by mfc_module, which is
  linked into the DLL, and is filled in by the DLL's start-up (its DllMain): until then its
  handles are null. Not copyable: states are compared and made current by address.
*/
class AFX_MODULE_STATE {
public:
    // constexpr, so that a module's own state is ready before any of the module's objects is made.
    explicit constexpr AFX_MODULE_STATE(BOOL bDLL)
        : m_pCurrentWinApp(nullptr), m_pCurrentWinThread(nullptr),
          m_hCurrentInstanceHandle(nullptr), m_hCurrentResourceHandle(nullptr),
          m_lpszCurrentAppName(nullptr), m_bDLL(bDLL) {}
    AFX_MODULE_STATE(const AFX_MODULE_STATE&) = delete;
    AFX_MODULE_STATE& operator=(const AFX_MODULE_STATE&) = delete;

    CWinApp* m_pCurrentWinApp;          // the module's application object, null for none
    CWinThread* m_pCurrentWinThread;    // the thread object AfxGetThread reports
    HINSTANCE m_hCurrentInstanceHandle; // the module's own handle
    HINSTANCE m_hCurrentResourceHandle; // where its resources are looked up (usually the same)
    LPCWSTR m_lpszCurrentAppName;       // the application's name, null before start-up
    BOOL m_bDLL;                        // TRUE for a DLL's state, FALSE for the program's
};

/*
Description:
  The module state that is current now.
Returns:
  Never null: the program's own state when no module has made its own current.
*/
AFX_MODULE_STATE* AfxGetModuleState();

/*
Description:
  Makes a module state current.
Parameters:
  pNewState - [in] the state; null makes the program's state current.
Returns:
  The state that was current before.
*/
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pNewState);

/*
Description:
  The calling module's own state.
Remarks:
  Defined in mfc_module, so each DLL that links it gets its own state; the program, which does
  not, has none of its own besides AfxGetModuleState's default.
*/
AFX_MODULE_STATE* AfxGetStaticModuleState();

/*
Description:
  Makes a module state current for its lifetime and puts the previous one back when it ends,
  however the scope is left (return or exception).
*/
class AFX_MAINTAIN_STATE2 {
public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pNewState)
        : m_pPrevModuleState(AfxSetModuleState(pNewState)) {}
    ~AFX_MAINTAIN_STATE2() { AfxSetModuleState(m_pPrevModuleState); }
    AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
    AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

private:
    AFX_MODULE_STATE* m_pPrevModuleState; // restored by the destructor
};

#define AFX_STATE_CONCAT_(a, b) a##b
#define AFX_STATE_CONCAT(a, b) AFX_STATE_CONCAT_(a, b)

/// Makes p the current module state until the end of the enclosing scope. The guard's name is
/// made unique per line, so that nested scopes may each switch without shadowing.
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 AFX_STATE_CONCAT(_ctlState, __LINE__)(p)

/// The current module state's instance handle.
HINSTANCE AfxGetInstanceHandle();

/// The handle resources are looked up in: the current module state's resource handle.
HINSTANCE AfxGetResourceHandle();

/// Sets the current module state's resource handle.
void AfxSetResourceHandle(HINSTANCE hInstResource);

/// The current module state's application object; null when it has none.
CWinApp* AfxGetApp();

/// The current module state's thread object; null when it has none.
CWinThread* AfxGetThread();

/// The main window of AfxGetThread(); null when there is no thread object or no main window.
CWnd* AfxGetMainWnd();

/// The current module state's application name; null before start-up.
LPCWSTR AfxGetAppName();
