// Kestrin drawing toolkit.
// OdDbObjectId: names a database-resident object for as long as its database lives. Opening the
// object through the id gives a counted pointer; the object stays open until that pointer (and
// every other pointer taken while it was open) is released.
#pragma once

#include "DbHandle.h"
#include "SmartPtr.h"

class OdDbObject;
class OdDbDatabase;
typedef OdSmartPtr<OdDbObject> OdDbObjectPtr;

namespace OdDb {
/* Description:
     How an object is open.
*/
enum OpenMode { kNotOpen = -1, kForRead = 0, kForWrite = 1, kForNotify = 2 };
} // namespace OdDb

/* Description:
     Identifier of a database-resident object.
   Remarks:
     Cheap to copy. The null id (kNull) names no object.
*/
class OdDbObjectId {
public:
    static const OdDbObjectId kNull;

    OdDbObjectId() = default;

    bool isNull() const { return m_pObject == nullptr; }
    bool operator==(const OdDbObjectId& other) const { return m_pObject == other.m_pObject; }
    bool operator!=(const OdDbObjectId& other) const { return m_pObject != other.m_pObject; }
    bool operator<(const OdDbObjectId& other) const;

    /* Description:
         Returns the database of the object; null for the null id.
    */
    OdDbDatabase* database() const;

    /* Description:
         Returns the object's handle; the null handle for the null id.
    */
    OdDbHandle getHandle() const;

    /* Description:
         Opens the object.
       Parameters:
         openMode     - [in] kForRead or kForWrite.
         openErasedOne - [in] whether erased objects may be opened (objects are never erased in
                         this toolkit, so it has no effect).
       Returns:
         A counted pointer; the object is open until the last pointer taken meanwhile goes.
       Remarks:
         Raises OdError: eNullObjectId for the null id; eWasOpenForWrite when the object is open
         for write, or open at all and openMode is kForWrite; eInvalidInput for other modes.
    */
    OdDbObjectPtr safeOpenObject(OdDb::OpenMode openMode = OdDb::kForRead,
                                 bool openErasedOne = false) const;

    /* Description:
         Like safeOpenObject(), but answers an empty pointer instead of raising.
    */
    OdDbObjectPtr openObject(OdDb::OpenMode openMode = OdDb::kForRead,
                             bool openErasedOne = false) const;

private:
    friend class OdDbObject;
    friend class OdDbIdAccess;
    explicit OdDbObjectId(OdDbObject* pObject) : m_pObject(pObject) {}
    OdDbObject* m_pObject = nullptr; // the object itself; null for kNull
};
