// Kestrin MFC stand-in.
// CWinThread and CWinApp: the thread object whose main window owns the dialogs of a module, and
// the application object of a program or MFC DLL. A module's application object is registered
// with the module's own state: a DLL's with the DLL's state by its start-up, an object made by
// the program (or on the stack or heap) with the state that is current when it is made.
#pragma once

#include "afxstate.h"
#include "afxwnd.h"

/*
Description:
  A thread object. m_pMainWnd is the main window, null when there is none.
Remarks:
  The host sets the main window of its own application object (see CWinApp) so that the
  module's commands find the window to own their dialogs.
*/
class CWinThread : public CCmdTarget {
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd; // the main window, not owned; null for none

    /// m_pMainWnd.
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }

    /// Called once when the thread or application starts; FALSE stops it. CWinThread's is FALSE.
    virtual BOOL InitInstance();

    /// Called once when it stops; the result is the exit code. CWinThread's returns 0.
    virtual int ExitInstance();

    DECLARE_MESSAGE_MAP()
};

/*
Description:
  An application object: one per module, a module-wide object in a DLL.
Remarks:
  Made by the program: registered with the state current at construction (the program's,
  unless a DLL's state is current). Made as a module-wide object of a DLL that links
  mfc_module: registered with the DLL's state by its start-up, before InitInstance. The
  destructor unregisters it.
*/
class CWinApp : public CWinThread {
public:
    /*
    Parameters:
      lpszAppName - [in] the application's name; null takes the module file's name without its
                    folder and extension at start-up.
    */
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCWSTR m_pszAppName;             // the application's name; null until known
    HINSTANCE m_hInstance;            // the module's instance handle, set at start-up
    AFX_MODULE_STATE* m_pModuleState; // the state this application is registered with, or null

    /// CWinApp's InitInstance returns TRUE.
    BOOL InitInstance() override;

    /// CWinApp's ExitInstance returns 0.
    int ExitInstance() override;

    DECLARE_MESSAGE_MAP()

private:
    CString m_strAppName; // storage of m_pszAppName
    friend BOOL AfxWinInit(HINSTANCE, HINSTANCE, LPWSTR, int);
};

/*
Description:
  MFC's start-up for a module, on the current module state: records the instance and resource
  handles and gives the application object its handle and name.
Parameters:
  hInstance     - [in] the module's handle.
  hPrevInstance - [in] unused, null.
  lpCmdLine     - [in] unused, may be null.
  nCmdShow      - [in] unused.
Returns:
  TRUE.
*/
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);

/// MFC's termination for the current module state: forgets the handles AfxWinInit recorded.
void AfxWinTerm();

/*
Description:
  Used by mfc_module's DllMain: registers with pState the application object that was made
  (and not yet registered) inside the module hInstance, if there is one.
Returns:
  The application object, null when the module made none.
*/
CWinApp* AfxClaimModuleApp(AFX_MODULE_STATE* pState, HINSTANCE hInstance);
