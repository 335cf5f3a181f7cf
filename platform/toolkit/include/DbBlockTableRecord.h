// Kestrin drawing toolkit.
// OdDbBlockTableRecord: a block of entities; the database's model space is one. Appending an
// entity makes the record its owner and the entity database-resident, with a new handle. Entities
// stay in append order.
#pragma once

#include "DbEntity.h"
#include "DbObjectIterator.h"

#include <vector>

/* Description:
     A block table record (model space or paper space).
*/
class OdDbBlockTableRecord : public OdDbObject {
public:
    ODRX_DECLARE_MEMBERS(OdDbBlockTableRecord);

    ~OdDbBlockTableRecord() override;

    /* Description:
         Returns the record's name ("*Model_Space", "*Paper_Space").
    */
    const OdString& getName() const { return m_name; }

    /* Description:
         Appends an entity.
       Parameters:
         pEntity - [in] a new entity that belongs to no database.
       Returns:
         The entity's new id; the null id when the entity was not added.
       Remarks:
         The record must be open for write. Raises OdError: eNotOpenForWrite when it is not,
         eNullEntityPointer for null, eAlreadyInDb when the entity already has an owner. The
         record holds a counted reference to the entity from then on: the entity belongs to the
         database and lives as long as it.
    */
    OdDbObjectId appendOdDbEntity(OdDbEntity* pEntity);

    /* Description:
         Returns an iterator over the entities in append order.
    */
    OdDbObjectIteratorPtr newIterator() const;

    /* Description:
         Returns the number of entities.
    */
    unsigned int numEntities() const { return static_cast<unsigned int>(m_entities.size()); }

    /* Description:
         Returns entity i (0-based, below numEntities()) without opening it, for readers of the
         whole record (file writers) that must not change open states.
    */
    const OdDbEntity* entityAt(unsigned int i) const { return m_entities[i].get(); }

protected:
    OdDbBlockTableRecord() = default;
    void subSetDatabase(OdDbDatabase* pDatabase) override;

private:
    friend class OdDbDatabase;
    friend class OdDbIdAccess;
    OdString m_name;
    std::vector<OdDbEntityPtr> m_entities; // in append order; each owned by this record
};

typedef OdSmartPtr<OdDbBlockTableRecord> OdDbBlockTableRecordPtr;
