// Kestrin drawing toolkit.
// OdDbObjectIterator: walks the objects of a container (the entities of a block table record, the
// vertices of a polyline) in order. The container must outlive the iterator and not change while
// it is walked.
#pragma once

#include "DbEntity.h"

/* Description:
     Forward iterator over the objects of a container.
*/
class OdDbObjectIterator : public OdRxObject {
public:
    ODRX_DECLARE_MEMBERS(OdDbObjectIterator);

    /* Description:
         Moves to the first object.
    */
    virtual void start() = 0;

    /* Description:
         Tells whether the iterator is past the last object.
    */
    virtual bool done() const = 0;

    /* Description:
         Moves to the next object.
    */
    virtual void step() = 0;

    /* Description:
         Returns the id of the current object.
    */
    virtual OdDbObjectId objectId() const = 0;

    /* Description:
         Opens the current object as an entity (see OdDbObjectId::safeOpenObject()).
    */
    virtual OdDbEntityPtr entity(OdDb::OpenMode openMode = OdDb::kForRead) = 0;
};

typedef OdSmartPtr<OdDbObjectIterator> OdDbObjectIteratorPtr;
