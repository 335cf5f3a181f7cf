// Kestrin MFC stand-in, private: the running CDialog as the user interface sees it. Actions act
// on the controls' own state the way a click does, then reach the dialog as the command or
// notification that the click sends, so that the dialog's handlers run.
#pragma once

#include "afxdialog.h"

#include "KestrinUi/DialogSession.h"

#include <vector>

namespace KestrinMfc {

/// A control made from its template entry: the pair the session reads its state from.
struct DialogControl {
    const KestrinUi::DialogItemTemplate* pItem; // in the template, which outlives the dialog
    HWND hWnd;                                  // the control's window
};

/*
Description:
  The session over one run of CDialog::DoModal.
Remarks:
  Lives inside DoModal; controls are in template order.
*/
class ModalDialogSession final : public KestrinUi::DialogSession {
public:
    ModalDialogSession(CDialog& dialog, const KestrinUi::DialogTemplate& dialogTemplate,
                       std::vector<DialogControl> controls);

    const KestrinUi::DialogTemplate& Template() const override { return m_template; }
    HWND Window() const override { return m_dialog.GetSafeHwnd(); }
    HWND Owner() const override { return ::GetParent(m_dialog.GetSafeHwnd()); }
    std::vector<KestrinUi::ControlState> Controls() const override;
    bool Click(int controlId) override;
    bool SelectComboIndex(int controlId, int index) override;
    bool Ok() override;
    bool Cancel() override;
    bool IsEnded() const override { return m_dialog.m_bEnded; }
    int Result() const override { return m_dialog.m_bEnded ? m_dialog.m_nModalResult : 0; }

private:
    // The control with the id that a user can act on now; null when none is (ended dialog,
    // IDC_STATIC, unknown id, greyed out).
    const DialogControl* ActionableControl(int controlId) const;

    // Checks the radio button and unchecks the others of its group.
    void SelectRadio(std::size_t index);

    void SendCommand(int controlId, int notification, HWND hWndControl);

    CDialog& m_dialog;
    const KestrinUi::DialogTemplate& m_template;
    std::vector<DialogControl> m_controls; // template order
};

} // namespace KestrinMfc
