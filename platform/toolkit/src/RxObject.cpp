// Kestrin drawing toolkit.
// OdRxObject's default operations, class descriptors, and the descriptors of the abstract
// interfaces (module, iterator) that have no source of their own.
#include "RxObject.h"

#include "RxIterator.h"
#include "RxModule.h"

OdRxClass::OdRxClass(const OdString& name, OdRxClass* pParent,
                     OdPseudoConstructorType pseudoConstructor, const OdString& dxfName)
    : m_name(name), m_dxfName(dxfName), m_dxfNameUtf8(odStringToUtf8(dxfName)), m_pParent(pParent),
      m_pseudoConstructor(pseudoConstructor) {}

OdRxObjectPtr OdRxClass::create() const {
    return m_pseudoConstructor ? m_pseudoConstructor() : OdRxObjectPtr();
}

bool OdRxClass::isDerivedFrom(const OdRxClass* pClass) const {
    for (const OdRxClass* p = this; p; p = p->m_pParent) {
        if (p == pClass) {
            return true;
        }
    }
    return false;
}

OdRxClass& OdRxObject::rxClassObject() {
    static OdRxClass s_class(OdString("OdRxObject"), nullptr, nullptr, OdString());
    return s_class;
}

OdRxClass* OdRxObject::desc() {
    return rxClassObject().registeredOrNull();
}

OdRxObjectPtr OdRxObject::cast(const OdRxObject* pObject) {
    return OdRxObjectPtr(pObject);
}

OdRxObject* OdRxObject::queryX(const OdRxClass* pClass) const {
    if (!pClass || !isA()->isDerivedFrom(pClass)) {
        return nullptr;
    }
    OdRxObject* pThis = const_cast<OdRxObject*>(this);
    pThis->addRef();
    return pThis;
}

OdRxObject* OdRxObject::x(const OdRxClass* pClass) const {
    OdRxObject* pResult = queryX(pClass);
    if (!pResult) {
        throw OdError_NotThatKindOfClass(isA(), pClass);
    }
    return pResult;
}

OdRxClass* OdRxObject::isA() const {
    return &rxClassObject();
}

long OdRxObject::numRefs() const {
    return 1;
}

OdRxObjectPtr OdRxObject::clone() const {
    OdRxObjectPtr pCopy = isA()->create();
    if (pCopy.isNull()) {
        throw OdError(eNotApplicable);
    }
    pCopy->copyFrom(this);
    return pCopy;
}

void OdRxObject::copyFrom(const OdRxObject* /*pSource*/) {
    throw OdError(eNotApplicable);
}

OdRx::Ordering OdRxObject::comparedTo(const OdRxObject* /*pOther*/) const {
    return OdRx::kNotOrderable;
}

bool OdRxObject::isEqualTo(const OdRxObject* pOther) const {
    return pOther == this;
}

ODRX_NO_CONS_DEFINE_MEMBERS(OdRxModule, OdRxObject)
ODRX_NO_CONS_DEFINE_MEMBERS(OdRxIterator, OdRxObject)
