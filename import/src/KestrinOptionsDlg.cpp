// Kestrin import.
// The options dialog's data exchange, enabling rule and stored settings. The settings are read
// each time the dialog opens and written only on OK, through one registry object per operation;
// the registry's results are not looked at, since the import goes on with the values shown.
#include "KestrinOptionsDlg.h"

#include "ImportOptions.h"

#include <KestrinResources/resource.h>
#include <LKVRegistry.h>

namespace {

constexpr const wchar_t* kSettingsKey = L"Software\\Larkvane\\Kestrin for IntelliCAD";

constexpr const wchar_t* kSurfaceTypeValue = L"Surface Type";
constexpr const wchar_t* kMeshTypeValue = L"Mesh Type";
constexpr const wchar_t* kWarningValue = L"Warning";

// Defaults when nothing is stored: meshes, as one polyface mesh, with the warning.
constexpr int kDefaultSurfaceType = 0;
constexpr int kDefaultMeshType = 0;
constexpr int kDefaultWarning = 1;

// The member values that the enabling rule tests.
constexpr int kSurfaceTypeMesh = 0;
constexpr int kMeshTypePolyfaceMesh = 0;

} // namespace

BEGIN_MESSAGE_MAP(CKestrinOptionsDlg, CDialog)
ON_BN_CLICKED(IDC_SURFACES_AS_MESH, OnOptionChanged)
ON_BN_CLICKED(IDC_SURFACES_AS_EDGE_CURVES, OnOptionChanged)
ON_CBN_SELCHANGE(IDC_MESH_TYPE, OnOptionChanged)
END_MESSAGE_MAP()

CKestrinOptionsDlg::CKestrinOptionsDlg(CWnd* pParent)
    : CDialog(IDD_KESTRIN_OPTIONS, pParent), m_bWarning(0), m_nMeshType(kNoSelection),
      m_nSurfaceType(kNoSelection) {}

CKestrinOptionsDlg::~CKestrinOptionsDlg() = default;

void CKestrinOptionsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_POLYFACE_WARNING, m_bWarning);
    DDX_CBIndex(pDX, IDC_MESH_TYPE, m_nMeshType);
    DDX_Radio(pDX, IDC_SURFACES_AS_MESH, m_nSurfaceType);
}

BOOL CKestrinOptionsDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    LKVRegistry registry;
    registry.SetKey(kSettingsKey, LKV_REGISTRY_CURRENT_USER);
    m_nSurfaceType = registry.ReadInt(kSurfaceTypeValue, kDefaultSurfaceType);
    m_nMeshType = registry.ReadInt(kMeshTypeValue, kDefaultMeshType);
    m_bWarning = registry.ReadBool(kWarningValue, kDefaultWarning);

    // Through the controls and back: a number they cannot show comes back as -1.
    UpdateData(FALSE);
    UpdateData(TRUE);
    EnableMeshControls();
    return TRUE;
}

void CKestrinOptionsDlg::OnOK() {
    UpdateData(TRUE);

    LKVRegistry registry;
    registry.SetKey(kSettingsKey, LKV_REGISTRY_CURRENT_USER);
    registry.WriteInt(kSurfaceTypeValue, m_nSurfaceType);
    registry.WriteInt(kMeshTypeValue, m_nMeshType);
    registry.WriteBool(kWarningValue, m_bWarning);

    CDialog::OnOK();
}

void CKestrinOptionsDlg::OnOptionChanged() {
    UpdateData(TRUE);
    EnableMeshControls();
}

void CKestrinOptionsDlg::EnableMeshControls() {
    const bool bMeshes = m_nSurfaceType == kSurfaceTypeMesh;
    const bool bPolyfaceMeshes = bMeshes && m_nMeshType == kMeshTypePolyfaceMesh;
    if (CWnd* pMeshType = GetDlgItem(IDC_MESH_TYPE)) {
        pMeshType->EnableWindow(bMeshes);
    }
    if (CWnd* pWarning = GetDlgItem(IDC_POLYFACE_WARNING)) {
        pWarning->EnableWindow(bPolyfaceMeshes);
    }
}
