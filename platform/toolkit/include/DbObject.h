// Kestrin drawing toolkit.
// OdDbObject: the base of everything a database holds. A database object is counted; once it is
// database-resident, its owner (model space, or a polyline for its vertices) holds one reference
// and the object is closed whenever that is the only reference left. Handles are given when the
// object enters its database and never change.
#pragma once

#include "DbObjectId.h"
#include "RxObject.h"

class OdDbDxfFiler;

/* Description:
     Base class of database objects.
   Remarks:
     A new object belongs to no database and may be changed freely. Once resident, it may be
     changed only while open for write (see assertWriteEnabled()).
*/
class OdDbObject : public OdRxObject {
public:
    ODRX_DECLARE_MEMBERS(OdDbObject);

    ~OdDbObject() override = default;

    void addRef() override;
    /* Description:
         Releases one reference: deletes the object at 0, and closes a resident object when
         only its owner's reference is left.
    */
    void release() override;
    long numRefs() const override { return m_nRefCounter; }

    /* Description:
         Returns the object's id; the null id until it is database-resident.
    */
    OdDbObjectId objectId() const;

    /* Description:
         Returns the id of the owner (model space, or the polyline of a vertex); null when the
         object has no owner or the owner is not resident.
    */
    OdDbObjectId ownerId() const;

    /* Description:
         Returns the database that holds the object; null when not resident.
    */
    OdDbDatabase* database() const { return m_pDatabase; }

    /* Description:
         Returns the object's handle; the null handle until resident.
    */
    OdDbHandle getDbHandle() const { return m_handle; }

    /* Description:
         Tells whether the object is database-resident.
    */
    bool isDBRO() const { return m_pDatabase != nullptr; }

    /* Description:
         Returns how the object is open; kNotOpen for closed resident objects and for objects
         that belong to no database.
    */
    OdDb::OpenMode openMode() const { return static_cast<OdDb::OpenMode>(m_openMode); }
    bool isWriteEnabled() const { return !isDBRO() || m_openMode == OdDb::kForWrite; }
    bool isReadEnabled() const { return !isDBRO() || m_openMode != OdDb::kNotOpen; }

    /* Description:
         Raises OdError(eNotOpenForWrite) unless isWriteEnabled().
    */
    void assertWriteEnabled() const;

    /* Description:
         Writes the object's DXF group codes, after the record's type name, handle and owner.
       Remarks:
         Called for many objects at once on several threads while a drawing is saved, each
         thread with a filer of its own. An override (isDxfWritable() and dxfRecordCount() too)
         therefore only reads: the object's own members and those of the objects it owns,
         through pointers it already holds. It changes nothing, not even a reference count
         (no smart pointers taken or dropped), and opens no object through its id.
    */
    virtual void dxfOutFields(OdDbDxfFiler* pFiler) const;

    /* Description:
         Tells whether a drawing file can carry the object as it is; false for an object whose
         data was never set and has no file form (a spline without curve data).
    */
    virtual bool isDxfWritable() const { return true; }

    /* Description:
         Returns how many DXF records dxfOutFields() writes with the object's own: 1, or more for
         an object that writes the objects it owns after it.
    */
    virtual unsigned int dxfRecordCount() const { return 1; }

protected:
    OdDbObject() = default;

    /* Description:
         Raises OdError unless pChild can become an object owned by this one: eNullObjectPointer
         for null, eAlreadyInDb when it has an owner or a database.
    */
    static void requireAdoptable(const OdDbObject* pChild);

    /* Description:
         Takes pChild, which this object already holds a counted reference to, as an owned
         object: sets its owner and, when this object is resident, makes the child resident in
         the same database (open for write while others hold it).
    */
    void adoptOwnedObject(OdDbObject* pChild);

    /* Description:
         Detaches an owned object that outlives its owner: it then belongs to no database.
    */
    static void detachIfShared(OdDbObject* pChild);

    /* Description:
         Takes the next handle of pDatabase, for records that are not objects (SEQEND).
    */
    static OdUInt64 allocateHandle(OdDbDatabase* pDatabase);

    /* Description:
         Called when the object enters its database (pDatabase non-null, after its own handle
         is given) or leaves it (null). Owners pass it on to the objects they own.
    */
    virtual void subSetDatabase(OdDbDatabase* pDatabase);

    /* Description:
         Makes the object resident in pDatabase, or detaches it when null.
    */
    void setDatabase(OdDbDatabase* pDatabase);

    /* Description:
         setDatabase() of an owned object, for owners passing residency on.
    */
    static void setDatabaseOf(OdDbObject* pChild, OdDbDatabase* pDatabase) {
        pChild->setDatabase(pDatabase);
    }

private:
    friend class OdDbBlockTableRecord;
    friend class OdDbDatabase;
    friend class OdDbObjectId;

    OdRefCounter m_nRefCounter = 0;
    OdInt8 m_openMode = OdDb::kNotOpen;  // an OdDb::OpenMode
    OdDbDatabase* m_pDatabase = nullptr; // null until resident
    OdDbObject* m_pOwner = nullptr;      // holds a counted reference to this object
    OdUInt64 m_handle = 0;               // given on entering the database
};
