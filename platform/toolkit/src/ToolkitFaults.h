// Kestrin drawing toolkit (private).
// The toolkit's side of the test-support switches: one inline flag test per call while no fault
// is planted; the counting lives in ToolkitTestHooks.cpp.
#pragma once

#include "ToolkitTestHooks.h"

#include <atomic>

namespace odtk {

extern bool g_bSetterFaultPlanted;            // any setter fault planted
extern bool g_bAppendFaultPlanted;            // an append fault planted
extern int g_nOpenCount;                      // successful safeOpenObject() calls
extern std::atomic<bool> g_bChunkWriterFault; // read by the DXF writer's threads

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

/* Description:
     Called by each thread of the ordered DXF output before it makes its chunk writer; raises
     std::bad_alloc while that fault is planted.
*/
void CheckChunkWriterFault();

} // namespace odtk
