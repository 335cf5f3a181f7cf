// Kestrin drawing toolkit.
// OdEdCommandContext: what the host hands to a command's execute(): the user I/O and, for drawing
// commands (OdDbCommandContext), the drawing.
#pragma once

#include "Ed/EdUserIO.h"

/* Description:
     The context of one command run.
   Remarks:
     Owned by the host; valid for the duration of execute().
*/
class OdEdCommandContext : public OdRxObject {
public:
    ODRX_DECLARE_MEMBERS(OdEdCommandContext);

    /* Description:
         Returns the user I/O of the run (not a counted reference: the context keeps it).
    */
    virtual OdEdUserIO* userIO() = 0;

    /* Description:
         Returns the database the command works on, null when none.
    */
    virtual OdRxObject* baseDatabase() = 0;
};

typedef OdSmartPtr<OdEdCommandContext> OdEdCommandContextPtr;
