// Kestrin MFC stand-in.
// Dialog data exchange: DoDataExchange binds members to controls with the DDX_ functions, and
// UpdateData runs it in one direction: FALSE pushes the members into the controls, TRUE reads
// the controls back into the members.
#pragma once

#include "afxwnd.h"

/*
Description:
  One run of data exchange over a window's controls.
Remarks:
  Made by CWnd::UpdateData for one call of DoDataExchange.
*/
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;         // the window whose controls are exchanged

    /*
    Description:
      The control with the given id.
    Returns:
      Its window handle, never null.
    Remarks:
      A missing control is a programming error (the template and the code disagree): it is
      reported on standard error with the id and the process stops, as the target's checked
      builds stop.
    */
    HWND PrepareCtrl(int nIDC);
};

/*
Description:
  Check box nIDC and value: 0 unchecked, 1 checked, 2 indeterminate (three-state boxes).
Remarks:
  Pushing a value other than 0, 1, 2 unchecks the box.
*/
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);

/*
Description:
  Combo box nIDC and the index of its selected entry; -1 for none.
Remarks:
  Pushing an index that names no entry leaves the combo box without a selection, so that
  reading it back gives -1.
*/
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

/*
Description:
  The radio group whose first button is nIDC and the index of its checked button; -1 for none.
Remarks:
  The group runs from nIDC, which must start a group (WS_GROUP), to the next control that starts
  one; its radio buttons are counted in template order, other controls inside it are passed over.
  Pushing an index that names no button of the group leaves every button unchecked.
*/
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
