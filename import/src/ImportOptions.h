// Kestrin import.
// The three import options the user confirms before every import, and the dialog call that asks
// for them. The numbers are the same in the dialog, in the stored settings and in the import;
// either may be -1 (kNoSelection) when the dialog showed no selection for it.
#pragma once

#include <windows.h>

/// How the translation library returns surfaces.
enum class SurfaceType : int {
    Mesh = 0,       // as meshes
    EdgeCurves = 1, // as their edge curves
};

/// Which entities a mesh becomes.
enum class MeshType : int {
    PolyfaceMesh = 0, // one polyface mesh (3D faces beyond its size limit)
    Faces3d = 1,      // one 3D face per mesh face
    Lines = 2,        // one line per mesh edge
    Points = 3,       // one point per mesh vertex
};

/// The value of an option whose control showed no selection.
constexpr int kNoSelection = -1;

/// The options of one import.
struct ImportOptions {
    SurfaceType surfaceType = SurfaceType::Mesh;
    MeshType meshType = MeshType::PolyfaceMesh;
    bool bWarning = true; // show the polyface mesh limit warning
};

/*
Description:
  Shows the "Kestrin Options" dialog, primed from the stored settings.
Parameters:
  hParent  - [in] the host's main window; null for a dialog without parent.
  pOptions - [out] on OK, the options as shown when OK was pressed; untouched on Cancel.
Returns:
  false on Cancel, true otherwise.
Remarks:
  OK stores the options (CKestrinOptionsDlg::OnOK); Cancel stores nothing.
*/
bool GetImportOptions(HWND hParent, ImportOptions* pOptions);
