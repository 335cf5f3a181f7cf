// The test dialogs' data exchange and handlers; template 100 is in the test module's resources
// (TestDialogTemplate.cpp).
#include "TestDialog.h"

#include <KestrinPosix/FileNameText.h>

#include <stdexcept>

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
ON_BN_CLICKED(IDC_TEST_RADIO_SECOND, OnSecondClicked)
ON_CBN_SELCHANGE(IDC_TEST_COMBO, OnComboChanged)
ON_BN_CLICKED(IDC_TEST_THROW, OnThrow)
END_MESSAGE_MAP()

void CTestDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_TEST_CHECK, m_bCheck);
    DDX_CBIndex(pDX, IDC_TEST_COMBO, m_nCombo);
    DDX_Radio(pDX, IDC_TEST_RADIO_FIRST, m_nRadio);
}

void CTestDlg::OnOK() {
    ++m_nOkCalls;
    CDialog::OnOK();
}

void CTestDlg::OnSecondClicked() {
    ++m_nSecondClicks;
    UpdateData(TRUE);
    m_nRadioAtChange = m_nRadio;
}

void CTestDlg::OnComboChanged() {
    ++m_nComboChanges;
    if (CWnd* pCheck = GetDlgItem(IDC_TEST_CHECK)) {
        pCheck->EnableWindow(FALSE);
    }
}

void CTestDlg::OnThrow() {
    throw std::runtime_error("handler failed");
}

BEGIN_MESSAGE_MAP(CDerivedTestDlg, CTestDlg)
ON_BN_CLICKED(IDC_TEST_RADIO_FIRST, OnFirstClicked)
END_MESSAGE_MAP()

void CDerivedTestDlg::OnFirstClicked() {
    ++m_nFirstClicks;
}

namespace {

HMODULE LoadTestModule() {
    return ::LoadLibraryW(kposix::FromUtf8(KESTRIN_TEST_MODULE).c_str());
}

AFX_MODULE_STATE* StateOf(HMODULE hModule) {
    typedef AFX_MODULE_STATE* (*StateFunction)();
    const auto state = reinterpret_cast<StateFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(hModule, "TestModuleState")));
    return state ? state() : nullptr;
}

} // namespace

TestModuleLibrary::TestModuleLibrary() : m_hModule(LoadTestModule()) {}

TestModuleLibrary::~TestModuleLibrary() {
    if (m_hModule) {
        ::FreeLibrary(m_hModule);
    }
}

TestModuleResources::TestModuleResources() : m_state(StateOf(m_library.Handle())) {}
