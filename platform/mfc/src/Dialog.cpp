// Kestrin MFC stand-in: CDialog. The template is looked up in the resources of the current module
// state, so a module's dialog is found only while the module's own state is current. The dialog's
// window and its controls live for one DoModal and are destroyed on every way out of it.
#include "afxdialog.h"

#include "ModalDialogSession.h"

#include "KestrinUi/UserInterface.h"
#include "afxstate.h"

#include <vector>

namespace {

constexpr const wchar_t* kDialogClass = L"#32770"; // the target's class of dialog windows
constexpr INT_PTR kNoTemplate = -1;                // DoModal's result when it cannot start

const KestrinUi::DialogTemplate* FindDialogTemplate(HINSTANCE hResources, UINT nIDTemplate) {
    HRSRC hResource = ::FindResourceW(hResources, MAKEINTRESOURCEW(nIDTemplate), RT_DIALOG);
    return static_cast<const KestrinUi::DialogTemplate*>(
        ::LockResource(::LoadResource(hResources, hResource)));
}

// The dialog's window with its controls, attached to the dialog object while it exists.
class DialogWindow {
public:
    DialogWindow(CDialog& dialog, const KestrinUi::DialogTemplate& dialogTemplate, HWND hOwner)
        : m_dialog(dialog) {
        const KestrinUi::DialogRect& frame = dialogTemplate.position;
        m_hWnd = ::CreateWindowExW(0, kDialogClass, dialogTemplate.caption,
                                   dialogTemplate.style & ~WS_CHILD, frame.x, frame.y, frame.cx,
                                   frame.cy, hOwner, nullptr, nullptr, nullptr);
        for (int i = 0; i < dialogTemplate.itemCount; ++i) {
            const KestrinUi::DialogItemTemplate& item = dialogTemplate.items[i];
            HWND hControl = ::CreateWindowExW(
                0, KestrinUi::WindowClassName(item.windowClass), item.text, item.style | WS_CHILD,
                item.position.x, item.position.y, item.position.cx, item.position.cy, m_hWnd,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), nullptr, nullptr);
            for (int k = 0; k < item.entryCount; ++k) {
                ::SendMessageW(hControl, CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(item.entries[k]));
            }
            m_controls.push_back({&item, hControl});
        }
        m_dialog.Attach(m_hWnd);
    }
    ~DialogWindow() {
        m_dialog.Detach();
        ::DestroyWindow(m_hWnd); // and its controls
    }
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    const std::vector<KestrinMfc::DialogControl>& Controls() const { return m_controls; }

private:
    CDialog& m_dialog;
    HWND m_hWnd;
    std::vector<KestrinMfc::DialogControl> m_controls; // template order
};

} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd), m_bEnded(false), m_nModalResult(0) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    const KestrinUi::DialogTemplate* pTemplate =
        FindDialogTemplate(AfxGetResourceHandle(), m_nIDHelp);
    if (!pTemplate) {
        return kNoTemplate;
    }
    m_bEnded = false;
    m_nModalResult = 0;
    const DialogWindow window(*this, *pTemplate,
                              m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr);
    OnInitDialog();
    if (!m_bEnded) {
        KestrinMfc::ModalDialogSession session(*this, *pTemplate, window.Controls());
        KestrinUi::CurrentUserInterface().RunModalDialog(session);
        if (!m_bEnded) {
            session.Cancel();
        }
        if (!m_bEnded) { // an OnCancel that does not end the dialog cannot keep it open here
            EndDialog(IDCANCEL);
        }
    }
    return m_nModalResult;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    m_bEnded = true;
    m_nModalResult = nResult;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
