// Kestrin host interfaces.
// The module object a loadable module hands to the host: the host creates it through the DLL's
// export, calls its start (initApp) and stop (uninitApp), then deletes it. The wrapper that makes
// the DLL's module object uses the Windows API, so a target that includes this header also builds
// against the Windows headers.
#pragma once

#include "RxDynamicModule.h"
#include "RxModule.h"

/* What the module relies on:

   OdRxModule::initApp(), OdRxModule::uninitApp(), OdRxModule::deleteModule()
     Description:
       Start, stop and deletion of the module object, called by the host in that order.

   OdRxWin32Module<T, TBase>
     Description:
       Turns the module class into the object the DLL's export returns.
*/
