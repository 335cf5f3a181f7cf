// Kestrin MFC stand-in.
// CFileDialog: the open and save-as file dialogs. DoModal hands the request (filter, default
// extension, flags, owner) to the installed user interface; the answer is completed as the
// target's dialog completes what the user typed: made absolute and given the default extension.
#pragma once

#include "afxwnd.h"
#include "commdlg.h"

/*
Description:
  A file dialog.
Remarks:
  Single selection only. The dialog does not insist that the file exists unless
  OFN_FILEMUSTEXIST is given; that check is the user interface's.
*/
class CFileDialog : public CWnd {
public:
    /*
    Parameters:
      bOpenFileDialog - [in] TRUE for an open dialog, FALSE for save as.
      lpszDefExt      - [in] extension without the dot, added to a name that has none; null for
    none. lpszFileName    - [in] the initial file name; null for none. dwFlags         - [in] OFN_*
    flags. lpszFilter      - [in] "Description|patterns|...||"; null for all files. pParentWnd -
    [in] the owner; null for a dialog without owner.
    */
    explicit CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt = nullptr,
                         LPCWSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCWSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    ~CFileDialog() override;

    /*
    Description:
      Shows the dialog.
    Returns:
      IDOK with a path chosen, IDCANCEL when the user cancelled (or answered with an empty name).
    */
    virtual INT_PTR DoModal();

    /*
    Description:
      The chosen file's full path.
    Returns:
      The answer made absolute against the current folder at DoModal, with ".<default
      extension>" added when its file name has no extension; empty before an IDOK.
    */
    CString GetPathName() const;

    /// The chosen file's name with its extension, without the folder.
    CString GetFileName() const;

    /// The chosen file's extension without the dot; empty when it has none.
    CString GetFileExt() const;

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;   // without the dot; empty for none
    CString m_strFileName; // the initial name
    DWORD m_dwFlags;       // OFN_*
    CString m_strFilter;   // as given; empty for all files
    CWnd* m_pParentWnd;    // not owned; null for none
    CString m_strPathName; // the completed answer; empty until an IDOK
};
