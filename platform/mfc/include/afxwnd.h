// Kestrin MFC stand-in.
// CWnd: the framework's object for a window of the window table (winuser.h). A CWnd is attached
// to a handle for as long as it wraps it (the host's main window, a dialog while it runs); a handle
// without an object of its own gets a temporary one from FromHandle, as the target hands out for
// GetDlgItem and GetParent. Controls keep their state (text, check, list, selection, enabled) in
// their own window, so every CWnd for one handle sees the same control.
#pragma once

#include "afxmsgmap.h"
#include "afxstr.h"

class CDataExchange;

/*
Description:
  A window object.
Remarks:
  m_hWnd is the wrapped handle, null for an object attached to no window. Destroying an object
  that is still attached destroys its window, as on the target; Detach first to keep it.
*/
class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;

    HWND m_hWnd; // the wrapped window; null when none

    /// The wrapped handle; null when none.
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    /*
    Description:
      The object for a window handle.
    Returns:
      The object attached to hWnd, else a temporary object wrapping it (owned by the framework,
      valid while the window exists); null for a null handle or one that names no window.
    */
    static CWnd* FromHandle(HWND hWnd);

    /// The object attached to hWnd with Attach; null when there is none.
    static CWnd* FromHandlePermanent(HWND hWnd);

    /*
    Description:
      Attaches a window, so that FromHandle gives this object for it.
    Returns:
      FALSE when this object wraps a window already, hWndNew is null, or another object is
      attached to hWndNew.
    */
    BOOL Attach(HWND hWndNew);

    /// Detaches the window and returns its handle; null when none was attached.
    HWND Detach();

    /*
    Description:
      Enables or greys out the window.
    Returns:
      Nonzero when the window was disabled before the call.
    */
    BOOL EnableWindow(BOOL bEnable = TRUE);

    /// TRUE when the window exists and is enabled.
    BOOL IsWindowEnabled() const;

    void SetWindowText(LPCWSTR lpszString);
    void GetWindowText(CString& rString) const;

    /// WS_* and the class's own style bits; 0 for no window.
    DWORD GetStyle() const;

    /// The control id; 0 for a window that is not a control.
    int GetDlgCtrlID() const;

    /// The parent (or owner) window's object; null when there is none.
    CWnd* GetParent() const;

    /// The child control with the given id; null when there is none.
    CWnd* GetDlgItem(int nID) const;

    /// The check state of a button control (BST_*); BST_UNCHECKED for no such control.
    UINT IsDlgButtonChecked(int nIDButton) const;

    /// Sets the check state of a button control.
    void CheckDlgButton(int nIDButton, UINT nCheck);

    /*
    Description:
      Moves data between the controls and the members that DoDataExchange binds to them.
    Parameters:
      bSaveAndValidate - [in] TRUE: controls to members; FALSE: members to controls.
    Returns:
      TRUE; the stand-in's exchanges do not fail validation.
    */
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    /*
    Description:
      A WM_COMMAND for this window: the control id in the low word of wParam, the notification
      in the high word, the control's handle in lParam.
    Returns:
      TRUE when a handler of the message map ran.
    */
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

protected:
    /// Binds members to controls with the DDX_ functions; CWnd binds none.
    virtual void DoDataExchange(CDataExchange* pDX);

    DECLARE_MESSAGE_MAP()
};
