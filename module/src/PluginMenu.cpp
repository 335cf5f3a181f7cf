// Kestrin module.
// The module's pull-down menu. The host's "_menuload" command reads the menu file beside the
// module and registers its menu group "Kestrin"; the menu command then puts the group's
// pull-down "pop1" at position 10 of the menu bar. Both results are the host's to report.
#include "KestrinModule/HostFacingServices.h"

#include "ModuleFolder.h"

#include <HostInterfaces/HostFunctions.h>

namespace {
constexpr const wchar_t* kMenuLoadCommand = L"_menuload";
constexpr const wchar_t* kInsertPullDown = L"P10=+Kestrin.pop1";
} // namespace

void LoadPluginMenu(HINSTANCE hInstance) {
    wchar_t drive[_MAX_DRIVE] = {};
    wchar_t dir[_MAX_DIR] = {};
    GetModuleFolder(hInstance, drive, dir);

    wchar_t menuPath[_MAX_PATH] = {};
    swprintf_s(menuPath, _MAX_PATH, L"%s%sKestrin.mnu", drive, dir);

    sds_command(RTSTR, kMenuLoadCommand, RTSTR, menuPath, RTNONE);
    sds_menucmd(kInsertPullDown);
}
