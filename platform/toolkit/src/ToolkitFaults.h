// Kestrin drawing toolkit (private).
// The toolkit's side of the test-support switches: one inline flag test per call while no fault
// is planted; the counting lives in ToolkitTestHooks.cpp.
#pragma once

#include "ToolkitTestHooks.h"

namespace odtk {

extern bool g_bSetterFaultPlanted; // any setter fault planted
extern bool g_bAppendFaultPlanted; // an append fault planted
extern int g_nOpenCount;           // successful safeOpenObject() calls

void CountSetterCall(OdToolkitSetter setter); // raises when the planted call is reached
bool CountAppendCallFails();

/* Description:
     Called first by every setter that can carry a planted fault; raises OdError on the
     planted call.
*/
inline void CheckSetterFault(OdToolkitSetter setter) {
    if (g_bSetterFaultPlanted) {
        CountSetterCall(setter);
    }
}

/* Description:
     Tells whether this appendOdDbEntity() call is to return the null id.
*/
inline bool AppendFaultDue() {
    return g_bAppendFaultPlanted && CountAppendCallFails();
}

} // namespace odtk
