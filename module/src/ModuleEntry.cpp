// Kestrin module.
// The two functions the host finds by name in the module file: the toolkit interface version the
// module is built for, and the creation of the module object. A second creation while the object
// exists hands back the same object and leaves the caller's handle alone; after deleteModule()
// a creation makes a fresh one.
#include "KestrinModule.h"

namespace {
// The toolkit interface the module is built for: 2.5.1.0.
constexpr int kApiVersionMajor = 2;
constexpr int kApiVersionMinor = 5;
constexpr int kApiVersionBuild = 1;
constexpr int kApiVersionRevision = 0;
} // namespace

extern "C" OdRxModule* odrxCreateModuleObject(HINSTANCE& hModule) {
    if (g_pModule) {
        return g_pModule;
    }
    LKVKestrinModule* pModule = KestrinModuleObject::createModule(hModule, &g_pModule);
    hModule = nullptr; // the module object holds the handle now
    g_pModule = pModule;
    return g_pModule;
}

extern "C" void odrxGetAPIVersion(int& nMajorVersion, int& nMinorVersion, int& nMajorBuild,
                                  int& nMinorBuild) {
    nMajorVersion = kApiVersionMajor;
    nMinorVersion = kApiVersionMinor;
    nMajorBuild = kApiVersionBuild;
    nMinorBuild = kApiVersionRevision;
}
