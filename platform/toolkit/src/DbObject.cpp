// Kestrin drawing toolkit.
// OdDbObject: counting, residency and open state; OdDbObjectId and OdDbHandle. An object is open
// while anyone but its owner holds it after it was opened (or appended); when the count falls
// back to the owner's one reference it is closed.
#include "DbObject.h"

#include "DbDatabase.h"
#include "DbFiler.h"
#include "ToolkitFaults.h"

#include <functional>

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbObject, OdRxObject)

const OdDbObjectId OdDbObjectId::kNull;

void OdDbObject::addRef() {
    ++m_nRefCounter;
}

void OdDbObject::release() {
    if (--m_nRefCounter == 0) {
        delete this;
        return;
    }
    if (m_nRefCounter == 1 && m_pDatabase) {
        m_openMode = OdDb::kNotOpen; // only the owner's reference is left
    }
}

OdDbObjectId OdDbObject::objectId() const {
    return m_pDatabase ? OdDbObjectId(const_cast<OdDbObject*>(this)) : OdDbObjectId::kNull;
}

OdDbObjectId OdDbObject::ownerId() const {
    return m_pOwner ? m_pOwner->objectId() : OdDbObjectId::kNull;
}

void OdDbObject::assertWriteEnabled() const {
    if (!isWriteEnabled()) {
        throw OdError(eNotOpenForWrite);
    }
}

void OdDbObject::dxfOutFields(OdDbDxfFiler* /*pFiler*/) const {}

void OdDbObject::requireAdoptable(const OdDbObject* pChild) {
    if (!pChild) {
        throw OdError(eNullObjectPointer);
    }
    if (pChild->m_pOwner || pChild->m_pDatabase) {
        throw OdError(eAlreadyInDb);
    }
}

void OdDbObject::adoptOwnedObject(OdDbObject* pChild) {
    pChild->m_pOwner = this;
    if (m_pDatabase) {
        pChild->setDatabase(m_pDatabase);
    }
}

void OdDbObject::detachIfShared(OdDbObject* pChild) {
    if (pChild->numRefs() > 1) {
        pChild->setDatabase(nullptr);
        pChild->m_pOwner = nullptr;
    }
}

OdUInt64 OdDbObject::allocateHandle(OdDbDatabase* pDatabase) {
    return pDatabase->allocateHandle();
}

void OdDbObject::subSetDatabase(OdDbDatabase* /*pDatabase*/) {}

void OdDbObject::setDatabase(OdDbDatabase* pDatabase) {
    if (pDatabase) {
        m_pDatabase = pDatabase;
        if (m_handle == 0) {
            m_handle = pDatabase->allocateHandle();
        }
        // Whoever holds it besides its owner has it open for write, as a new object is.
        m_openMode = m_nRefCounter > 1 ? OdDb::kForWrite : OdDb::kNotOpen;
        subSetDatabase(pDatabase);
    } else {
        subSetDatabase(nullptr);
        m_pDatabase = nullptr;
        m_openMode = OdDb::kNotOpen;
    }
}

bool OdDbObjectId::operator<(const OdDbObjectId& other) const {
    return std::less<const OdDbObject*>()(m_pObject, other.m_pObject);
}

OdDbDatabase* OdDbObjectId::database() const {
    return m_pObject ? m_pObject->database() : nullptr;
}

OdDbHandle OdDbObjectId::getHandle() const {
    return m_pObject ? m_pObject->getDbHandle() : OdDbHandle();
}

OdDbObjectPtr OdDbObjectId::safeOpenObject(OdDb::OpenMode openMode, bool /*openErasedOne*/) const {
    if (!m_pObject) {
        throw OdError(eNullObjectId);
    }
    if (openMode != OdDb::kForRead && openMode != OdDb::kForWrite) {
        throw OdError(eInvalidInput, L"open mode");
    }
    const OdDb::OpenMode current = m_pObject->openMode();
    if (current == OdDb::kForWrite) {
        throw OdError(eWasOpenForWrite);
    }
    if (openMode == OdDb::kForWrite && current == OdDb::kForRead) {
        throw OdError(eWasOpenForRead);
    }
    OdDbObjectPtr pObject(m_pObject);
    m_pObject->m_openMode = static_cast<OdInt8>(openMode);
    ++odtk::g_nOpenCount;
    return pObject;
}

OdDbObjectPtr OdDbObjectId::openObject(OdDb::OpenMode openMode, bool openErasedOne) const {
    try {
        return safeOpenObject(openMode, openErasedOne);
    } catch (const OdError&) {
        return OdDbObjectPtr();
    }
}

OdString OdDbHandle::ascii() const {
    OdString text;
    return text.format(L"%llX", static_cast<unsigned long long>(m_value));
}
