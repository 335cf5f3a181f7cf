// Kestrin drawing toolkit.
// OdDbDatabase: a drawing. A new database holds model space and paper space (block table
// records) on the single layer "0"; entities appended to model space belong to it. Handles are
// given in increasing order from handseed(), so the next free handle is always known, also before
// a file's header is written.
#pragma once

#include "DbBlockTableRecord.h"

/* Description:
     A drawing database.
   Remarks:
     Create one with OdDbDatabase::createObject() (or desc()->create()). The database owns its
     records and through them every resident object; objects still referenced when the database
     goes are detached from it (they then belong to no database).
*/
class OdDbDatabase : public OdRxObject {
public:
    ODRX_DECLARE_MEMBERS(OdDbDatabase);

    ~OdDbDatabase() override;

    /* Description:
         Returns the id of the model-space block table record.
    */
    OdDbObjectId getModelSpaceId() const;

    /* Description:
         Returns the id of the paper-space block table record.
    */
    OdDbObjectId getPaperSpaceId() const;

    /* Description:
         Returns the next handle that the database will give; greater than every handle given.
    */
    OdDbHandle handseed() const { return m_nextHandle; }

    /* Description:
         Handle values below this one are reserved for the fixed records of a drawing file
         (tables, their records, dictionaries) that are not database objects here.
    */
    static constexpr OdUInt64 kFirstObjectHandle = 0x100;

protected:
    OdDbDatabase();

private:
    friend class OdDbObject;
    OdUInt64 allocateHandle() { return m_nextHandle++; }

    OdUInt64 m_nextHandle = kFirstObjectHandle; // > every handle given
    OdDbBlockTableRecordPtr m_pModelSpace;
    OdDbBlockTableRecordPtr m_pPaperSpace;
};

typedef OdSmartPtr<OdDbDatabase> OdDbDatabasePtr;
