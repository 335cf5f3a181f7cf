// Kestrin import.
// CKestrinOptionsDlg: the "Kestrin Options" dialog (template 21000). It shows the stored surface
// type, mesh type and warning flag, keeps the mesh controls enabled only while they apply, and
// stores the options on OK. A stored number the controls cannot show comes back as -1.
#pragma once

#include <afxwin.h>

/*
Description:
  The options dialog.
Remarks:
  The members hold the options between the controls and the caller: m_bWarning is bound to
  check box 201, m_nMeshType to the selection of combo box 200 (-1 for none), m_nSurfaceType to
  the radio group starting at 8000 (-1 for none).
*/
class CKestrinOptionsDlg : public CDialog {
public:
    /*
    Description:
      Builds the dialog on template 21000, with the members 0, -1 and -1.
    Parameters:
      pParent - [in] the parent window; null for none.
    */
    explicit CKestrinOptionsDlg(CWnd* pParent = nullptr);
    ~CKestrinOptionsDlg() override;

    int m_bWarning;     // 0 or 1: show the polyface mesh limit warning
    int m_nMeshType;    // MeshType value, or -1 when the combo box has no selection
    int m_nSurfaceType; // SurfaceType value, or -1 when no radio button is selected

protected:
    DECLARE_MESSAGE_MAP()

    void DoDataExchange(CDataExchange* pDX) override;

    /// Reads the stored options into the controls and applies the enabling rule.
    BOOL OnInitDialog() override;

    /// Stores the options shown, then closes the dialog with OK.
    void OnOK() override;

    /// A radio button or the combo box changed: re-reads the controls and re-applies the rule.
    afx_msg void OnOptionChanged();

private:
    // The combo box is enabled for meshes; the warning box only for polyface meshes.
    void EnableMeshControls();
};
