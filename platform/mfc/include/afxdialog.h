// Kestrin MFC stand-in.
// CDialog: a modal dialog built from a dialog template in the resources of the current module
// state. DoModal makes the dialog's window and its controls from the template, runs
// OnInitDialog, then hands the running dialog to the installed user interface, whose clicks and
// selections arrive as the commands and notifications the dialog's message map routes. OK and
// Cancel end it through OnOK and OnCancel, as a person's Enter and Escape do.
#pragma once

#include "afxwnd.h"

namespace KestrinMfc {
class ModalDialogSession;
} // namespace KestrinMfc

/*
Description:
  A dialog.
Remarks:
  The object outlives its window: the window exists only while DoModal runs, so controls are
  there for OnInitDialog, the handlers, OnOK and OnCancel, and GetDlgItem finds nothing before
  or after.
*/
class CDialog : public CWnd {
public:
    /*
    Parameters:
      nIDTemplate - [in] the id of the dialog template (RT_DIALOG) in the resources.
      pParentWnd  - [in] the owner window; null for a dialog without owner.
    */
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    /*
    Description:
      Runs the dialog modally.
    Returns:
      The result it ended with (IDOK, IDCANCEL, or EndDialog's value); -1 when the template is
      not in the resources of the current module state (AfxGetResourceHandle).
    Remarks:
      An exception from the dialog's code passes to the caller; the window is gone either way.
      A user interface that returns while the dialog runs ends it as Cancel.
    */
    virtual INT_PTR DoModal();

    /*
    Description:
      Called when the window and its controls exist, before the user sees them. CDialog's
      pushes the members into the controls (UpdateData(FALSE)).
    Returns:
      TRUE to leave the focus to the framework.
    */
    virtual BOOL OnInitDialog();

    /// Ends the dialog: DoModal returns nResult once the current handler returns.
    void EndDialog(int nResult);

protected:
    /// OK: reads the controls into the members and ends the dialog with IDOK.
    virtual void OnOK();

    /// Cancel: ends the dialog with IDCANCEL, storing nothing.
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

    UINT m_nIDHelp;     // the template id
    CWnd* m_pParentWnd; // the owner, not owned; null for none

private:
    friend class KestrinMfc::ModalDialogSession;

    bool m_bEnded;      // EndDialog was called during this DoModal
    int m_nModalResult; // EndDialog's value
};
