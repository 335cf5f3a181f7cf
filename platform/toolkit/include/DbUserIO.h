// Kestrin drawing toolkit.
// OdDbUserIO: the user I/O of a drawing command (a command context over a database).
#pragma once

#include "Ed/EdUserIO.h"

/* Description:
     User input and output of a drawing command.
*/
class OdDbUserIO : public OdEdUserIO {
public:
    ODRX_DECLARE_MEMBERS(OdDbUserIO);
};

typedef OdSmartPtr<OdDbUserIO> OdDbUserIOPtr;
