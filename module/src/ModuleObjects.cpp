// Kestrin module.
// The module-wide objects, defined here in one place because their order matters: the
// application object is made first when the module file is loaded, then the host name table; the
// framework's start-up for the module then calls theApp.InitInstance(). At unload the framework
// shuts down first, then these are destroyed in reverse. The product title and the module pointer
// are plain data, zero from the start.
#include "HostNames.h"
#include "KestrinApp.h"
#include "KestrinModule.h"

#include "KestrinModule/HostFacingServices.h"

CKestrinApp theApp;

const CString g_hostNames[kHostVersionCount] = {
    L"Bricscad ????", // kHostVersionUnknown
    L"Bricscad 8",    // kHostVersionBricscad8
    L"Bricscad 9",    // kHostVersionBricscad9
    L"Bricscad 10",   // kHostVersionBricscad10
};

wchar_t g_szProductTitle[kProductTitleSize] = {};

LKVKestrinModule* g_pModule = nullptr;
