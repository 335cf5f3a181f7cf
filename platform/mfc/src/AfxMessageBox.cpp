// Kestrin MFC stand-in: AfxMessageBox, through the window system's MessageBoxW, owned by the main
// window of the current thread object and captioned with the current application's name.
#include "afxmsgbox.h"

#include "afxthread.h"

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT /*nIDHelp*/) {
    CWnd* pMainWnd = AfxGetMainWnd();
    return ::MessageBoxW(pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr, lpszText, AfxGetAppName(),
                         nType);
}
