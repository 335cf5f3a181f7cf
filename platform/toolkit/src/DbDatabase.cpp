// Kestrin drawing toolkit.
// OdDbDatabase: a new drawing with its model space and paper space records. Their handles are
// the first object handles, before any entity's.
#include "DbDatabase.h"

#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbDatabase, OdRxObject, OdRxObjectImpl<OdDbDatabase>::createObject(), "")

namespace {
constexpr char kModelSpaceName[] = "*Model_Space";
constexpr char kPaperSpaceName[] = "*Paper_Space";
} // namespace

OdDbDatabase::OdDbDatabase()
    : m_pModelSpace(new OdDbBlockTableRecord), m_pPaperSpace(new OdDbBlockTableRecord) {
    m_pModelSpace->m_name = OdString(kModelSpaceName);
    m_pPaperSpace->m_name = OdString(kPaperSpaceName);
    m_pModelSpace->setDatabase(this);
    m_pPaperSpace->setDatabase(this);
}

OdDbDatabase::~OdDbDatabase() {
    // Records still held elsewhere outlive the database: they and their entities leave it.
    for (OdDbBlockTableRecord* pRecord : {m_pModelSpace.get(), m_pPaperSpace.get()}) {
        if (pRecord->numRefs() > 1) {
            pRecord->setDatabase(nullptr);
        }
    }
}

OdDbObjectId OdDbDatabase::getModelSpaceId() const {
    return m_pModelSpace->objectId();
}

OdDbObjectId OdDbDatabase::getPaperSpaceId() const {
    return m_pPaperSpace->objectId();
}
