// Kestrin drawing toolkit.
// OdDbCommandContext: the context of a command that runs on a drawing.
#pragma once

#include "DbDatabase.h"
#include "DbUserIO.h"
#include "Ed/EdCommandContext.h"

/* Description:
     Command context with a drawing database.
*/
class OdDbCommandContext : public OdEdCommandContext {
public:
    ODRX_DECLARE_MEMBERS(OdDbCommandContext);

    /* Description:
         Returns the drawing's database (not a counted reference: the context keeps it).
    */
    virtual OdDbDatabase* database() = 0;

    /* Description:
         Returns the user I/O as a drawing user I/O.
       Remarks:
         Raises OdError_NotThatKindOfClass when it is not one.
    */
    OdDbUserIOPtr dbUserIO() { return OdDbUserIOPtr(userIO()); }
};

typedef OdSmartPtr<OdDbCommandContext> OdDbCommandContextPtr;
