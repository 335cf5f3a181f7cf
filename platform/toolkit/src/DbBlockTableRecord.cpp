// Kestrin drawing toolkit.
// OdDbBlockTableRecord: model space and paper space. The record holds a counted reference to each
// appended entity; entities still held elsewhere when the record goes are detached.
#include "DbBlockTableRecord.h"

#include "DbObjectIteratorImpl.h"
#include "ToolkitFaults.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbBlockTableRecord, OdDbObject, new OdDbBlockTableRecord, "BLOCK_RECORD")

OdDbBlockTableRecord::~OdDbBlockTableRecord() {
    for (const OdDbEntityPtr& pEntity : m_entities) {
        detachIfShared(pEntity.get());
    }
}

OdDbObjectId OdDbBlockTableRecord::appendOdDbEntity(OdDbEntity* pEntity) {
    assertWriteEnabled();
    if (!pEntity) {
        throw OdError(eNullEntityPointer);
    }
    requireAdoptable(pEntity);
    if (odtk::AppendFaultDue()) {
        return OdDbObjectId::kNull;
    }
    m_entities.emplace_back(pEntity);
    adoptOwnedObject(pEntity);
    return pEntity->objectId();
}

OdDbObjectIteratorPtr OdDbBlockTableRecord::newIterator() const {
    return odtkNewListIterator(this, m_entities);
}

void OdDbBlockTableRecord::subSetDatabase(OdDbDatabase* pDatabase) {
    for (const OdDbEntityPtr& pEntity : m_entities) {
        setDatabaseOf(pEntity.get(), pDatabase);
    }
}
