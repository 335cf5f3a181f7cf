// The dialog the framework tests run: template 100 in the test module's resources (the program
// has none, as the host has none), with a radio group of three buttons that has a combo box inside
// it, a check box, OK, Cancel and a button whose handler throws. The derived dialog adds a handler
// of its own to the message map.
#pragma once

#include "KestrinUi/DialogTemplate.h"
#include "afxwin.h"

constexpr UINT IDD_TEST = 100;
constexpr int IDC_TEST_CHECK = 10;
constexpr int IDC_TEST_COMBO = 11;
constexpr int IDC_TEST_RADIO_FIRST = 12;  // radio index 0
constexpr int IDC_TEST_RADIO_SECOND = 13; // radio index 1
constexpr int IDC_TEST_RADIO_THIRD = 14;  // radio index 2, after the combo box
constexpr int IDC_TEST_THROW = 15;

class CTestDlg : public CDialog {
public:
    explicit CTestDlg(CWnd* pParent = nullptr) : CDialog(IDD_TEST, pParent) {}

    int m_bCheck = 0;
    int m_nCombo = -1;
    int m_nRadio = -1;

    int m_nSecondClicks = 0; // BN_CLICKED of the second radio button
    int m_nComboChanges = 0; // CBN_SELCHANGE of the combo box
    int m_nOkCalls = 0;
    int m_nRadioAtChange = -2; // m_nRadio read back in the last handler

protected:
    DECLARE_MESSAGE_MAP()

    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    afx_msg void OnSecondClicked();
    afx_msg void OnComboChanged();
    afx_msg void OnThrow();
};

class CDerivedTestDlg : public CTestDlg {
public:
    int m_nFirstClicks = 0;

protected:
    DECLARE_MESSAGE_MAP()

    afx_msg void OnFirstClicked();
};

/// Template 100, in the test module.
extern const KestrinUi::DialogTemplate kTestDialogTemplate;

/// The test module loaded for one test, unloaded after.
class TestModuleLibrary {
public:
    TestModuleLibrary();
    ~TestModuleLibrary();
    TestModuleLibrary(const TestModuleLibrary&) = delete;
    TestModuleLibrary& operator=(const TestModuleLibrary&) = delete;
    HMODULE Handle() const { return m_hModule; }

private:
    HMODULE m_hModule; // null when it did not load
};

/// The test module loaded and its framework state current, so that template 100 is found.
class TestModuleResources {
public:
    TestModuleResources();

private:
    TestModuleLibrary m_library; // made first, freed last
    AFX_MAINTAIN_STATE2 m_state; // the module's state, until the guard ends
};
