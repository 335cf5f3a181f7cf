// Kestrin drawing toolkit.
// OdRxModule: the object a loadable module hands to its host. The host calls initApp() once after
// creating it (the module's start), uninitApp() before unloading (stop), then deleteModule().
#pragma once

#include "RxObject.h"

/* Description:
     A module loaded by the host.
   Remarks:
     Virtual operations after those of OdRxObject, in slot order: sysData, deleteModule,
     initApp, uninitApp, moduleName.
*/
class OdRxModule : public OdRxObject {
public:
    ODRX_DECLARE_MEMBERS(OdRxModule);

    /* Description:
         Returns the module's system handle (on the target, the DLL's instance handle).
    */
    virtual void* sysData() = 0;

    /* Description:
         Destroys the module object; the host calls it last, after uninitApp().
    */
    virtual void deleteModule() = 0;

    /* Description:
         Starts the module: registers its commands and services.
    */
    virtual void initApp() = 0;

    /* Description:
         Stops the module: removes what initApp() registered.
    */
    virtual void uninitApp() = 0;

    /* Description:
         Returns the full path of the module file.
    */
    virtual OdString moduleName() const = 0;
};

typedef OdSmartPtr<OdRxModule> OdRxModulePtr;
