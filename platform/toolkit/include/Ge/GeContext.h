// Kestrin drawing toolkit.
// OdGeContext: the geometry library's global settings; gTol is the default tolerance of every
// geometric query that takes an OdGeTol.
#pragma once

#include "Ge/GeTol.h"

/* Description:
     Global geometry settings.
*/
struct OdGeContext {
    /* Description:
         The default tolerance (equalPoint and equalVector 1e-10).
       Remarks:
         Shared by the whole process; the toolkit never changes it.
    */
    static OdGeTol gTol;
};
