// Kestrin drawing toolkit.
// Test support, not for modules: switches that make the toolkit fail the way a real host can, so
// that tests reach every failure path of code that uses the toolkit. A class descriptor can be
// made missing, appendOdDbEntity() can return the null id, and a chosen setter can raise on its
// n-th call. All switches are off by default and cost one flag test per call when off.
#pragma once

#include "DbObjectId.h"
#include "OdResult.h"
#include "RxClass.h"

/* Description:
     The entity operations that a fault can be planted in.
*/
enum class OdToolkitSetter : OdUInt8 {
    PointSetPosition,
    LineSetStartPoint,
    LineSetEndPoint,
    CircleSetCenter,
    CircleSetRadius,
    CircleSetNormal,
    ArcSetCenter,
    ArcSetRadius,
    ArcSetNormal,
    ArcSetStartAngle,
    ArcSetEndAngle,
    SplineSetNurbsData,
    PolylineAppendVertex,
    PolylineMakeClosed,
    PolylineVertexSetPosition,
    PolyFaceMeshAppendVertex,
    PolyFaceMeshAppendFaceRecord,
    PolyFaceMeshVertexSetPosition,
    FaceRecordSetVertexAt,
    FaceSetVertexAt,
    Count
};

/* Description:
     The switches. Static: they act on the whole process.
   Remarks:
     Counting starts when a fault is planted. reset() (or a Scope going) turns everything off.
*/
class OdToolkitTestHooks {
public:
    /* Description:
         Makes desc() of a class answer null (or answer again).
       Parameters:
         descriptor - [in] the class's descriptor, from ClassName::rxClassObject().
         missing    - [in] true to hide it.
    */
    static void setClassMissing(OdRxClass& descriptor, bool missing);

    /* Description:
         Makes a setter raise OdError(code) on its nthCall-th call from now (1 = the next
         call); the calls before and after it behave normally. The failing call changes nothing.
    */
    static void failSetterOnCall(OdToolkitSetter setter, int nthCall,
                                 OdResult code = eInvalidInput);

    /* Description:
         Makes appendOdDbEntity() return the null id (adding nothing) on its nthCall-th call
         from now, or on every call when nthCall is 0.
    */
    static void failAppendOnCall(int nthCall);

    /* Description:
         Makes every thread of the DXF writer's ordered output fail to get its chunk buffers
         (std::bad_alloc), as when memory runs out, or lets them get them again.
       Remarks:
         Only a drawing of several chunks, written on several threads, has such threads.
    */
    static void failChunkWriters(bool fail);

    /* Description:
         Returns the number of successful OdDbObjectId::safeOpenObject() calls since the last
         reset().
    */
    static int openCount();

    /* Description:
         Returns how the object of id is open, without opening it; kNotOpen for the null id.
    */
    static OdDb::OpenMode openMode(const OdDbObjectId& id);

    /* Description:
         Turns every switch off and zeroes the counters.
    */
    static void reset();

    /* Description:
         Calls reset() when it comes and when it goes, so that a test starts with the counters
         at zero whatever ran before it in the process, and leaves no switch on.
    */
    class Scope {
    public:
        Scope() { reset(); }
        ~Scope() { reset(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };
};
