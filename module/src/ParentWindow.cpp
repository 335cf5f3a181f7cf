// Kestrin module.
// The host's main window through the framework's thread object.
#include "ParentWindow.h"

#include <afxwin.h>

HWND HostMainWindow() {
    CWinThread* pThread = AfxGetThread();
    CWnd* pMainWnd = pThread ? pThread->GetMainWnd() : nullptr;
    return pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr;
}
