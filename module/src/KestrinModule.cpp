// Kestrin module.
// Start and stop of the module object. Start switches to the module's own framework state, whose
// instance handle names the module file (for its menu); stop needs no resources and does not
// switch. The command stack reference is released on every way out, exceptions included.
#include "KestrinModule.h"

#include "KestrinModule/HostFacingServices.h"

#include <afxwin.h>

void LKVKestrinModule::initApp() {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    LoadPluginMenu(AfxGetInstanceHandle());

    OdEdCommandStackPtr pCommandStack = odedRegCmds();
    pCommandStack->addCommand(&m_KestrinCommand);
    pCommandStack->addCommand(&m_KestrinHelpCommand);
    pCommandStack->addCommand(&m_KestrinAboutCommand);
}

void LKVKestrinModule::uninitApp() {
    OdEdCommandStackPtr pCommandStack = odedRegCmds();
    pCommandStack->removeCmd(kKestrinCommandGroup, kKestrinCommandName);
    pCommandStack->removeCmd(kKestrinCommandGroup, kKestrinHelpCommandName);
    pCommandStack->removeCmd(kKestrinCommandGroup, kKestrinAboutCommandName);
}
