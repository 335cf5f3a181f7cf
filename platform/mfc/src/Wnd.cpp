// Kestrin MFC stand-in: CWnd over the window table. Attached objects are found through a map
// from handle to object; temporary objects for other handles are made on demand and dropped once
// their window is gone (window handles are never reused, so a stale one can never find a newer
// window's object).
#include "afxwnd.h"

#include "afxdd.h"

#include <map>
#include <memory>

namespace {

std::map<HWND, CWnd*>& PermanentObjects() {
    static std::map<HWND, CWnd*> s_objects;
    return s_objects;
}

std::map<HWND, std::unique_ptr<CWnd>>& TemporaryObjects() {
    static std::map<HWND, std::unique_ptr<CWnd>> s_objects;
    return s_objects;
}

void DropStaleTemporaries() {
    auto& temporaries = TemporaryObjects();
    for (auto it = temporaries.begin(); it != temporaries.end();) {
        it = ::IsWindow(it->first) ? std::next(it) : temporaries.erase(it);
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(nullptr) {}

CWnd::~CWnd() {
    if (m_hWnd && PermanentObjects().count(m_hWnd) != 0) {
        ::DestroyWindow(Detach());
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    const auto found = PermanentObjects().find(hWnd);
    return found == PermanentObjects().end() ? nullptr : found->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd || !::IsWindow(hWnd)) {
        return nullptr;
    }
    if (CWnd* pPermanent = FromHandlePermanent(hWnd)) {
        return pPermanent;
    }
    DropStaleTemporaries();
    std::unique_ptr<CWnd>& pTemporary = TemporaryObjects()[hWnd];
    if (!pTemporary) {
        pTemporary = std::make_unique<CWnd>();
        pTemporary->m_hWnd = hWnd; // wraps without attaching: its destruction leaves the window
    }
    return pTemporary.get();
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (m_hWnd || !hWndNew || FromHandlePermanent(hWndNew)) {
        return FALSE;
    }
    m_hWnd = hWndNew;
    PermanentObjects()[hWndNew] = this;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd) {
        PermanentObjects().erase(hWnd);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}

void CWnd::SetWindowText(LPCWSTR lpszString) {
    ::SetWindowTextW(m_hWnd, lpszString);
}

void CWnd::GetWindowText(CString& rString) const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    LPWSTR buffer = rString.GetBuffer(length + 1);
    ::GetWindowTextW(m_hWnd, buffer, length + 1);
    rString.ReleaseBuffer();
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE));
}

int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}

CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    return static_cast<UINT>(::SendMessageW(::GetDlgItem(m_hWnd, nIDButton), BM_GETCHECK, 0, 0));
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    ::SendMessageW(::GetDlgItem(m_hWnd, nIDButton), BM_SETCHECK, nCheck, 0);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

void CWnd::DoDataExchange(CDataExchange* /*pDX*/) {}
