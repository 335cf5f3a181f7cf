// Kestrin MFC stand-in: the framework's exception classes.
#include "afx.h"

#include <cwchar>

namespace {

BOOL CopyMessage(const wchar_t* message, LPWSTR lpszError, UINT nMaxError) {
    if (!lpszError || nMaxError == 0) {
        return FALSE;
    }
    std::wcsncpy(lpszError, message, nMaxError - 1);
    lpszError[nMaxError - 1] = L'\0';
    return TRUE;
}

} // namespace

BOOL CException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext) {
        *pnHelpContext = 0;
    }
    if (lpszError && nMaxError > 0) {
        lpszError[0] = L'\0';
    }
    return FALSE;
}

BOOL CInvalidArgException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError,
                                           UINT* pnHelpContext) const {
    if (pnHelpContext) {
        *pnHelpContext = 0;
    }
    return CopyMessage(L"Invalid argument.", lpszError, nMaxError);
}

void AfxThrowInvalidArgException() {
    throw new CInvalidArgException;
}
