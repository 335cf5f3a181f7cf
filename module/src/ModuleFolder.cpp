// Kestrin module.
// The module file's folder, from the path the loader reports for the module's instance handle.
#include "ModuleFolder.h"

void GetModuleFolder(HINSTANCE hInstance, wchar_t (&drive)[_MAX_DRIVE], wchar_t (&dir)[_MAX_DIR]) {
    wchar_t modulePath[MAX_PATH] = {};
    ::GetModuleFileNameW(hInstance, modulePath, MAX_PATH);
    _wsplitpath(modulePath, drive, dir, nullptr, nullptr);
}
