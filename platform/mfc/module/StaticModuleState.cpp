// Kestrin MFC stand-in, linked into each MFC DLL.
// The DLL's own module state. Compiled with hidden symbols, so that each DLL that links this
// library has its own state and AfxGetStaticModuleState in one DLL never means another's.
#include "afxwin.h"

namespace {

AFX_MODULE_STATE g_moduleState(TRUE); // filled in by the DLL's start-up in DllMain

} // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState() {
    return &g_moduleState;
}
