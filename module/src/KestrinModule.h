// Kestrin module.
// The module object: LKVKestrinModule holds the three command objects by value and implements
// start and stop; the toolkit's Windows module wrapper adds the reference count (which never
// frees the object), the instance handle, deletion and the module file's name. At most one module
// object exists at a time, reached through g_pModule.
#pragma once

#include "KestrinCommands.h"

#include <HostInterfaces/ToolkitModule.h>

/*
Description:
  The module class.
Remarks:
  Abstract: add reference, release, system data, delete module and module name come from
  OdRxWin32Module. The command objects live exactly as long as the module object; stop must
  have taken them out of the command stack before the object is deleted.
*/
class LKVKestrinModule : public OdRxModule {
public:
    /*
    Description:
      Start: loads the module's menu and adds "Kestrin", "KestrinHelp" and "KestrinAbout", in
      that order, to the host's command stack.
    Remarks:
      Runs with the module's own framework state current; whatever the command stack raises
      goes to the host.
    */
    void initApp() override;

    /*
    Description:
      Stop: removes the three commands, in the same order, by group and global name. The menu
      stays loaded.
    */
    void uninitApp() override;

protected:
    LKVKestrinModule() = default;

private:
    OdStaticRxObject<LKVKestrin_Kestrin> m_KestrinCommand;           // made first
    OdStaticRxObject<LKVKestrin_KestrinHelp> m_KestrinHelpCommand;   // made second
    OdStaticRxObject<LKVKestrin_KestrinAbout> m_KestrinAboutCommand; // made last, destroyed first
};

/// The module object as the DLL's export creates it.
typedef OdRxWin32Module<LKVKestrinModule, LKVKestrinModule> KestrinModuleObject;

/// The module object; null while there is none.
extern LKVKestrinModule* g_pModule;
