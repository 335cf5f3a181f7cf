// Kestrin import.
// One run of the import command, in its fixed order: drawing check, file dialog, options dialog,
// translation, conversion, count. The locals are declared in the order they are taken, so that
// on every way out (returns and exceptions alike) the geometry set goes first, then the file
// dialog, the user I/O, the database and the command context.
#include "KestrinImport/ImportCommand.h"
#include "KestrinImport/TranslatedGeometrySet.h"

#include "CommandLineOutput.h"
#include "ImportOptions.h"

#include "KestrinConvert/CurveConversion.h"
#include "KestrinConvert/MeshConversion.h"
#include "KestrinModule/HostFacingServices.h"

#include <HostInterfaces/ToolkitDatabase.h>
#include <Quarnel.h>
#include <afxdlgs.h>
#include <afxwin.h>

namespace {

constexpr const wchar_t* kNoDrawingText = L"This command needs an active drawing";
constexpr const wchar_t* kCancelledText = L"Failure [Command cancelled]\n";
constexpr const wchar_t* kFailureFormat = L"Failure [%s]\n";
constexpr const wchar_t* kSuccessFormat = L"Successfully imported %d objects\n";

constexpr const wchar_t* kStepExtension = L"stp";
constexpr const wchar_t* kStepFilter = L"STEP Files (*.stp, *.step)|*.stp;*.step||";
// The framework's default flags of a file dialog.
constexpr DWORD kFileDialogFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

// The translation library's last argument, which the module always gives as 0.
constexpr int kTranslationReserved = 0;

void AddMesh(const ON_Mesh& mesh, const ImportOptions& options, const OdDbDatabasePtr& pDatabase) {
    switch (options.meshType) {
    case MeshType::PolyfaceMesh:
        AddPolyFaceMesh(mesh, pDatabase, options.bWarning);
        break;
    case MeshType::Faces3d:
        AddMeshAs3dFaces(mesh, pDatabase);
        break;
    case MeshType::Lines:
        AddMeshEdges(mesh, pDatabase);
        break;
    case MeshType::Points:
        AddMeshVertices(mesh, pDatabase);
        break;
    default: // no mesh type selected: the mesh is passed over
        break;
    }
}

// Hands every object to its add operation, in the fixed order; each call contains its own
// failures, so the walk always reaches the end.
void ConvertGeometry(const TranslatedGeometrySet& geometry, const ImportOptions& options,
                     const OdDbDatabasePtr& pDatabase) {
    for (int i = 0; i < geometry.points.Count(); ++i) {
        AddPoint(geometry.points[i], pDatabase);
    }
    for (int i = 0; i < geometry.lines.Count(); ++i) {
        AddLine(geometry.lines[i], pDatabase);
    }
    for (int i = 0; i < geometry.polylines.Count(); ++i) {
        AddPolyline(geometry.polylines[i], pDatabase);
    }
    for (int i = 0; i < geometry.circles.Count(); ++i) {
        AddCircle(geometry.circles[i], pDatabase);
    }
    for (int i = 0; i < geometry.arcs.Count(); ++i) {
        AddArc(geometry.arcs[i], pDatabase);
    }
    for (int i = 0; i < geometry.nurbsCurves.Count(); ++i) {
        AddCurve(geometry.nurbsCurves[i], pDatabase);
    }
    for (int i = 0; i < geometry.meshes.Count(); ++i) {
        AddMesh(geometry.meshes[i], options, pDatabase);
    }
}

} // namespace

bool RunImport(OdEdCommandContext* pCommandContext, HWND hParent) {
    if (!pCommandContext) {
        ::MessageBoxW(hParent, kNoDrawingText, g_szProductTitle, MB_ICONWARNING);
        return false;
    }

    // Class-testing casts: a context of another kind raises, and that is the host's to report.
    OdDbCommandContextPtr pDbContext(pCommandContext);
    OdDbDatabasePtr pDatabase(pDbContext->database());
    OdDbUserIOPtr pUserIO = pDbContext->dbUserIO();

    CFileDialog fileDialog(TRUE, kStepExtension, nullptr, kFileDialogFlags, kStepFilter,
                           CWnd::FromHandle(hParent));
    if (fileDialog.DoModal() == IDCANCEL) {
        PrintToCommandLine(pUserIO, kCancelledText);
        return false;
    }

    ImportOptions options;
    if (!GetImportOptions(hParent, &options)) {
        PrintToCommandLine(pUserIO, kCancelledText);
        return false;
    }

    TranslatedGeometrySet geometry;
    if (!Quarnel::FileToGeometry(fileDialog.GetPathName(), geometry.points, geometry.lines,
                                 geometry.polylines, geometry.circles, geometry.arcs,
                                 geometry.nurbsCurves, geometry.meshes,
                                 static_cast<int>(options.surfaceType), kTranslationReserved)) {
        PrintToCommandLine(pUserIO, kFailureFormat, Quarnel::GetError().GetString());
        return false;
    }

    ConvertGeometry(geometry, options, pDatabase);
    PrintToCommandLine(pUserIO, kSuccessFormat, geometry.ObjectCount());
    return true;
}
