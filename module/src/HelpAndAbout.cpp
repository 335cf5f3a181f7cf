// Kestrin module.
// The help file and the about box. The help file is always Kestrin_Bricscad.chm beside the module
// file, whatever the host release; the shell's opener shows it. Both rebuild the product title
// first, since it is the caption of the help error box and the title of the about box.
#include "KestrinModule/HostFacingServices.h"

#include "ModuleFolder.h"

#include <LKVGUIUtils.h>
#include <afxwin.h>

namespace {

constexpr const wchar_t* kHelpHostName = L"Bricscad";
constexpr const wchar_t* kHelpError = L"Error displaying help file";

// ShellExecuteW reports success with a value greater than this.
constexpr INT_PTR kShellExecuteLastError = 32;

} // namespace

void ShowHelp(HINSTANCE hInstance, HWND hParent) {
    BuildProductTitle();

    wchar_t drive[_MAX_DRIVE] = {};
    wchar_t dir[_MAX_DIR] = {};
    GetModuleFolder(hInstance, drive, dir);

    wchar_t helpPath[_MAX_PATH] = {};
    swprintf_s(helpPath, _MAX_PATH, L"%s%sKestrin_%s.chm", drive, dir, kHelpHostName);

    const HINSTANCE hResult = ::ShellExecuteW(nullptr, L"open", helpPath, L"", nullptr, SW_SHOW);
    if (reinterpret_cast<INT_PTR>(hResult) <= kShellExecuteLastError) {
        ::MessageBoxW(hParent, kHelpError, g_szProductTitle, MB_ICONWARNING);
    }
}

void ShowAbout(HWND hParent) {
    BuildProductTitle();
    LKVGUIUtils::About(CString(g_szProductTitle), hParent);
}
