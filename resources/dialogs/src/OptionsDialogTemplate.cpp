// Kestrin resources: dialog template 21000, "Kestrin Options". Positions are dialog units. The
// label "Import surfaces as" stands beside the "Mesh" radio button; the mesh-type label with its
// combo box and the warning check box sit indented under it; "Edge curves" comes below them, then
// the etched line and the OK and Cancel buttons. The radio group runs from "Mesh" to the next
// control that starts a group (the "Mesh type" label), so it holds exactly the two radio buttons.
#include "OptionsDialogTemplate.h"

#include "KestrinResources/resource.h"

#include <winuser.h>

namespace {

using KestrinUi::DialogItemTemplate;
using KestrinUi::WindowClass;

// Every control is a visible child of the dialog.
constexpr DWORD kControl = WS_CHILD | WS_VISIBLE;

// The combo box's list, in mesh-type order (Polyface Mesh = 0 ... Points = 3).
const wchar_t* const kMeshTypeEntries[] = {L"Polyface Mesh", L"3D Faces", L"Lines", L"Points"};
constexpr int kMeshTypeEntryCount = sizeof(kMeshTypeEntries) / sizeof(kMeshTypeEntries[0]);

const DialogItemTemplate kOptionsItems[] = {
    {IDC_SURFACES_AS_MESH,
     WindowClass::Button,
     kControl | BS_AUTORADIOBUTTON | WS_GROUP,
     L"Mesh",
     {71, 7, 33, 10},
     nullptr,
     0},
    {IDC_SURFACES_AS_EDGE_CURVES,
     WindowClass::Button,
     kControl | BS_AUTORADIOBUTTON,
     L"Edge curves",
     {70, 55, 56, 10},
     nullptr,
     0},
    {IDC_MESH_TYPE,
     WindowClass::ComboBox,
     kControl | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
     L"",
     {123, 20, 68, 93},
     kMeshTypeEntries,
     kMeshTypeEntryCount},
    {IDC_POLYFACE_WARNING,
     WindowClass::Button,
     kControl | BS_AUTOCHECKBOX | WS_TABSTOP,
     L"Display polyface mesh limit warning",
     {84, 37, 126, 10},
     nullptr,
     0},
    {IDOK,
     WindowClass::Button,
     kControl | BS_DEFPUSHBUTTON | WS_TABSTOP,
     L"&OK",
     {54, 84, 50, 14},
     nullptr,
     0},
    {IDCANCEL,
     WindowClass::Button,
     kControl | BS_PUSHBUTTON | WS_TABSTOP,
     L"&Cancel",
     {112, 84, 50, 14},
     nullptr,
     0},
    {IDC_STATIC,
     WindowClass::Static,
     kControl | SS_LEFT | WS_GROUP,
     L"Mesh type",
     {84, 22, 34, 8},
     nullptr,
     0},
    {IDC_STATIC, WindowClass::Static, kControl | SS_ETCHEDHORZ, L"", {7, 74, 203, 1}, nullptr, 0},
    {IDC_STATIC,
     WindowClass::Static,
     kControl | SS_LEFT | WS_GROUP,
     L"Import surfaces as",
     {7, 7, 58, 8},
     nullptr,
     0},
};

} // namespace

const KestrinUi::DialogTemplate kOptionsDialogTemplate = {
    DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    L"Kestrin Options",
    L"MS Sans Serif",
    8,
    {0, 0, 217, 105},
    kOptionsItems,
    sizeof(kOptionsItems) / sizeof(kOptionsItems[0]),
};
