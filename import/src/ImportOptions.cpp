// Kestrin import.
// Asking for the import options. The module's own framework state is current while the dialog
// runs, so that template 21000 and its combo box entries come from the module's resources and not
// from the host's; the host's state is back on every way out.
#include "ImportOptions.h"

#include "KestrinOptionsDlg.h"

bool GetImportOptions(HWND hParent, ImportOptions* pOptions) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());

    CKestrinOptionsDlg dialog(CWnd::FromHandle(hParent));
    if (dialog.DoModal() == IDCANCEL) {
        return false;
    }
    pOptions->surfaceType = static_cast<SurfaceType>(dialog.m_nSurfaceType);
    pOptions->meshType = static_cast<MeshType>(dialog.m_nMeshType);
    pOptions->bWarning = dialog.m_bWarning != 0;
    return true;
}
