// Kestrin MFC stand-in: dialog data exchange over the controls' own state, through the messages
// that the controls answer (BM_GETCHECK, CB_SETCURSEL, ...), as the target's exchange functions do.
#include "afxdd.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace {

constexpr int kNoButtonChecked = -1; // DDX_Radio's value for a group without a checked button

// A template and code that disagree are the program's error, not the user's.
[[noreturn]] void FailExchange(const char* what, int nIDC) {
    std::fprintf(stderr, "dialog data exchange: %s (control %d)\n", what, nIDC);
    std::abort();
}

bool IsRadioButton(HWND hWnd) {
    wchar_t className[16] = {};
    ::GetClassNameW(hWnd, className, static_cast<int>(sizeof(className) / sizeof(className[0])));
    const DWORD type = static_cast<DWORD>(::GetWindowLongW(hWnd, GWL_STYLE)) & BS_TYPEMASK;
    return std::wcscmp(className, L"Button") == 0 &&
           (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

bool StartsGroup(HWND hWnd) {
    return (static_cast<DWORD>(::GetWindowLongW(hWnd, GWL_STYLE)) & WS_GROUP) != 0;
}

} // namespace

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC) : nullptr;
    if (!hWndCtrl) {
        FailExchange("no such control", nIDC);
    }
    return hWndCtrl;
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0));
        return;
    }
    const bool bKnown =
        value == BST_UNCHECKED || value == BST_CHECKED || value == BST_INDETERMINATE;
    ::SendMessageW(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(bKnown ? value : BST_UNCHECKED), 0);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        index = static_cast<int>(::SendMessageW(hWndCtrl, CB_GETCURSEL, 0, 0));
        return;
    }
    // -1 (and any index past the list) becomes no selection, as the combo box itself decides.
    ::SendMessageW(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!StartsGroup(hWndCtrl)) {
        FailExchange("a radio group must start at a control with WS_GROUP", nIDC);
    }
    if (pDX->m_bSaveAndValidate) {
        value = kNoButtonChecked;
    }
    int iButton = 0;
    do {
        if (IsRadioButton(hWndCtrl)) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                    value = iButton;
                }
            } else {
                ::SendMessageW(hWndCtrl, BM_SETCHECK,
                               iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl && !StartsGroup(hWndCtrl));
}
