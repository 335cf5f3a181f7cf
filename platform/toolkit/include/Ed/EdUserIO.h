// Kestrin drawing toolkit.
// OdEdUserIO: the command line as a command sees it: text written to the user.
#pragma once

#include "RxObject.h"

/* Description:
     User input and output of a command.
*/
class OdEdUserIO : public OdRxObject {
public:
    ODRX_DECLARE_MEMBERS(OdEdUserIO);

    /* Description:
         Writes text on the command line as given (the text carries its own line breaks).
    */
    virtual void putString(const OdString& string) = 0;
};

typedef OdSmartPtr<OdEdUserIO> OdEdUserIOPtr;
