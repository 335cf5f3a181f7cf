// Kestrin drawing toolkit.
// OdError: standard texts of the result codes, and the description of a failed class cast.
#include "OdError.h"

#include "RxClass.h"

OdError::OdError(OdResult code) : m_code(code) {}

OdError::OdError(OdResult code, const OdString& detail) : m_code(code), m_detail(detail) {}

OdString OdError::description() const {
    if (m_detail.isEmpty()) {
        return description(m_code);
    }
    return description(m_code) + OdString(L": ") + m_detail;
}

OdString OdError::description(OdResult code) {
    switch (code) {
    case eOk:
        return L"No error";
    case eNotImplementedYet:
        return L"Not implemented yet";
    case eNotApplicable:
        return L"Not applicable";
    case eInvalidInput:
        return L"Invalid input";
    case eOutOfMemory:
        return L"Out of memory";
    case eInvalidIndex:
        return L"Invalid index";
    case eNullObjectPointer:
        return L"Null object pointer";
    case eNullObjectId:
        return L"Null object Id";
    case eNullEntityPointer:
        return L"Null entity pointer";
    case eKeyNotFound:
        return L"Key not found";
    case eDuplicateKey:
        return L"Duplicate key";
    case eNotOpenForWrite:
        return L"Not opened for write";
    case eWasOpenForWrite:
        return L"Was open for write";
    case eAlreadyInDb:
        return L"Already in database";
    case eNotThatKindOfClass:
        return L"Not that kind of class";
    case eDegenerateGeometry:
        return L"Degenerate geometry";
    case eNotInDatabase:
        return L"Not in database";
    case eWasOpenForRead:
        return L"Was open for read";
    case eNotInitializedYet:
        return L"Not initialized yet";
    case eFileNotFound:
        return L"File not found";
    case eFileAccessErr:
        return L"File access error";
    case eFileWriteError:
        return L"File write error";
    case eDiskFull:
        return L"Disk full";
    }
    OdString text;
    return text.format(L"Error %d", static_cast<int>(code));
}

OdError_NotThatKindOfClass::OdError_NotThatKindOfClass(const OdRxClass* pObjectClass,
                                                       const OdRxClass* pWantedClass)
    : OdError(eNotThatKindOfClass), m_pObjectClass(pObjectClass), m_pWantedClass(pWantedClass) {}

OdString OdError_NotThatKindOfClass::description() const {
    const OdString objectName = m_pObjectClass ? m_pObjectClass->name() : OdString(L"(none)");
    const OdString wantedName = m_pWantedClass ? m_pWantedClass->name() : OdString(L"(none)");
    OdString text;
    return text.format(L"Object of class %s can't be cast to %s.", objectName.c_str(),
                       wantedName.c_str());
}
