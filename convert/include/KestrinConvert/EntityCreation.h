// Kestrin entity conversion.
// What every conversion of a translated object shares: making a new entity of a toolkit class
// through its class descriptor, appending a finished entity to the model space of the drawing,
// appending a vertex to a 3D polyline, and the failure text that a contained toolkit failure
// leaves behind. Toolkit failures (OdError and its subclasses) are contained per object: an add
// operation releases what it holds and returns false, so an import always goes on with the next
// object. Every other exception passes through.
#pragma once

#include <HostInterfaces/ToolkitDatabase.h>
#include <HostInterfaces/ToolkitEntities.h>
#include <HostInterfaces/ToolkitGeometry.h>
#include <HostInterfaces/ToolkitObjects.h>

/* Description:
     Makes a new entity of toolkit class T that belongs to no database.
   Returns:
     A handle holding the only reference to the new object: the object is destroyed when the
     handle (and every copy) goes, unless it was appended to a database meanwhile.
   Remarks:
     Raises OdError(eNotInitializedYet), result code 117, when T has no class descriptor;
     OdError_NotThatKindOfClass when the descriptor makes an object that is not a T; and
     OdError(eNullObjectPointer) when it makes no object at all (an abstract class).
*/
template <class T> OdSmartPtr<T> CreateEntity() {
    const OdRxClass* pClass = T::desc();
    if (pClass == nullptr) {
        throw OdError(eNotInitializedYet);
    }
    OdRxObjectPtr pObject = pClass->create();
    if (pObject.isNull()) {
        throw OdError(eNullObjectPointer);
    }
    // The typed conversion holds its own reference; the untyped one goes with pObject.
    return OdSmartPtr<T>(pObject);
}

/* Description:
     Appends an entity to the model space of a database.
   Parameters:
     pDatabase - [in] the drawing; the operation holds its own reference for its whole run.
     pEntity   - [in] a finished entity that belongs to no database.
   Returns:
     true when the entity got an object id; false when the append gave the null id or a toolkit
     call raised OdError. The failure text (LastConversionFailure) then says why.
   Remarks:
     No OdError leaves it. Model space is opened for write for this one append and closed again
     before the operation returns, whatever the outcome.
*/
bool AppendToModelSpace(OdDbDatabasePtr pDatabase, OdDbEntityPtr pEntity);

/* Description:
     Adds one vertex at the end of a 3D polyline's vertex list.
   Parameters:
     pPolyline - [in] the polyline; it need not be in a database yet.
     point     - [in] the vertex position, world coordinates.
   Returns:
     true.
   Remarks:
     Contains nothing: an OdError from making, placing or appending the vertex passes to the
     caller, which contains it.
*/
bool AppendPolylineVertex(OdDb3dPolylinePtr pPolyline, const OdGePoint3d& point);

/* Description:
     The text of the last toolkit failure that a conversion contained.
   Returns:
     The description of the last contained OdError, or "Unable to add object to database" when
     the last failure was an append that gave the null id; empty when nothing has failed since
     the start or the last ClearConversionFailure().
   Remarks:
     One text for the whole module, kept for whoever wants to show why an object was not
     converted; the import command itself reports no per-object failures. Successful
     conversions leave it as it is.
*/
const OdString& LastConversionFailure();

/* Description:
     Empties the failure text, e.g. at the start of an import.
*/
void ClearConversionFailure();
