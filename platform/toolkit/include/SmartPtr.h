// Kestrin drawing toolkit.
// Counted smart pointers: OdRxObjectPtr holds any toolkit object, OdSmartPtr<T> an object of
// class T. Constructing an OdSmartPtr<T> from a pointer or smart pointer of another class is a
// class-testing cast: it queries the object with T::desc() and raises
// OdError_NotThatKindOfClass when the object is of another class. An empty source gives an empty
// pointer. Every pointer releases its reference when it goes.
#pragma once

#include "RxObject.h"

#include <utility>

/* Description:
     Tag for constructors that take over a reference instead of adding one.
*/
enum OdRxObjMod { kOdRxObjAttach };

/* Description:
     Common base of the smart pointers: holds one counted reference, or none.
*/
class OdBaseObjectPtr {
public:
    OdRxObject* get() const { return m_pObject; }
    bool isNull() const { return m_pObject == nullptr; }

protected:
    OdBaseObjectPtr() = default;
    explicit OdBaseObjectPtr(OdRxObject* pObject) : m_pObject(pObject) {}
    ~OdBaseObjectPtr() = default;
    OdBaseObjectPtr(const OdBaseObjectPtr&) = delete;
    OdBaseObjectPtr& operator=(const OdBaseObjectPtr&) = delete;

    void internalAddRef() {
        if (m_pObject) {
            m_pObject->addRef();
        }
    }
    void internalRelease() {
        if (m_pObject) {
            OdRxObject* pObject = m_pObject;
            m_pObject = nullptr;
            pObject->release();
        }
    }

    OdRxObject* m_pObject = nullptr; // one counted reference, or null
};

/* Description:
     Smart pointer to any toolkit object. No class test: every object is an OdRxObject.
*/
class OdRxObjectPtr : public OdBaseObjectPtr {
public:
    OdRxObjectPtr() = default;
    OdRxObjectPtr(const OdRxObject* pObject) : OdBaseObjectPtr(const_cast<OdRxObject*>(pObject)) {
        internalAddRef();
    }
    OdRxObjectPtr(OdRxObject* pObject, OdRxObjMod) : OdBaseObjectPtr(pObject) {}
    OdRxObjectPtr(const OdRxObjectPtr& other) : OdBaseObjectPtr(other.get()) { internalAddRef(); }
    OdRxObjectPtr(const OdBaseObjectPtr& other) : OdBaseObjectPtr(other.get()) { internalAddRef(); }
    OdRxObjectPtr(OdRxObjectPtr&& other) noexcept : OdBaseObjectPtr(other.m_pObject) {
        other.m_pObject = nullptr;
    }
    ~OdRxObjectPtr() { internalRelease(); }

    OdRxObjectPtr& operator=(const OdRxObjectPtr& other) { return assign(other.get()); }
    OdRxObjectPtr& operator=(const OdBaseObjectPtr& other) { return assign(other.get()); }
    OdRxObjectPtr& operator=(const OdRxObject* pObject) { return assign(pObject); }
    OdRxObjectPtr& operator=(OdRxObjectPtr&& other) noexcept {
        if (this != &other) {
            internalRelease();
            m_pObject = other.m_pObject;
            other.m_pObject = nullptr;
        }
        return *this;
    }

    /* Description:
         Takes over the reference that pObject carries, releasing the one held before.
    */
    void attach(OdRxObject* pObject) {
        internalRelease();
        m_pObject = pObject;
    }
    /* Description:
         Gives up the reference without releasing it; the caller now owns it.
    */
    OdRxObject* detach() { return std::exchange(m_pObject, nullptr); }
    void release() { internalRelease(); }

    OdRxObject* operator->() const { return m_pObject; }
    OdRxObject& operator*() const { return *m_pObject; }
    operator OdRxObject*() const { return m_pObject; }

private:
    OdRxObjectPtr& assign(const OdRxObject* pObject) {
        OdRxObject* pNew = const_cast<OdRxObject*>(pObject);
        if (pNew) {
            pNew->addRef();
        }
        internalRelease();
        m_pObject = pNew;
        return *this;
    }
};

/* Description:
     Smart pointer to an object of class T.
   Remarks:
     From a T* (or a pointer to a class derived from T) no test is needed. From any other
     pointer or smart pointer, the object is queried with T::desc(): an object of another class
     raises OdError_NotThatKindOfClass(object's isA(), T::desc()); an empty source gives an
     empty pointer.
*/
template <class T> class OdSmartPtr : public OdBaseObjectPtr {
public:
    OdSmartPtr() = default;
    OdSmartPtr(const T* pObject) : OdBaseObjectPtr(toBase(pObject)) { internalAddRef(); }
    OdSmartPtr(const T* pObject, OdRxObjMod) : OdBaseObjectPtr(toBase(pObject)) {}
    OdSmartPtr(const OdSmartPtr& other) : OdBaseObjectPtr(other.m_pObject) { internalAddRef(); }
    OdSmartPtr(OdSmartPtr&& other) noexcept : OdBaseObjectPtr(other.m_pObject) {
        other.m_pObject = nullptr;
    }
    OdSmartPtr(const OdRxObject* pObject) { internalQueryX(pObject); }
    OdSmartPtr(const OdBaseObjectPtr& other) { internalQueryX(other.get()); }
    ~OdSmartPtr() { internalRelease(); }

    OdSmartPtr& operator=(const OdSmartPtr& other) {
        OdRxObject* pNew = other.m_pObject;
        if (pNew) {
            pNew->addRef();
        }
        internalRelease();
        m_pObject = pNew;
        return *this;
    }
    OdSmartPtr& operator=(OdSmartPtr&& other) noexcept {
        if (this != &other) {
            internalRelease();
            m_pObject = other.m_pObject;
            other.m_pObject = nullptr;
        }
        return *this;
    }
    OdSmartPtr& operator=(const T* pObject) { return *this = OdSmartPtr(pObject); }
    OdSmartPtr& operator=(const OdRxObject* pObject) { return *this = OdSmartPtr(pObject); }
    OdSmartPtr& operator=(const OdBaseObjectPtr& other) { return *this = OdSmartPtr(other); }

    /* Description:
         Takes over the reference that pObject carries, releasing the one held before.
    */
    void attach(const T* pObject) {
        internalRelease();
        m_pObject = toBase(pObject);
    }
    /* Description:
         Gives up the reference without releasing it; the caller now owns it.
    */
    T* detach() { return static_cast<T*>(std::exchange(m_pObject, nullptr)); }
    void release() { internalRelease(); }

    T* get() const { return static_cast<T*>(m_pObject); }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    operator T*() const { return get(); }

private:
    static OdRxObject* toBase(const T* pObject) { return const_cast<T*>(pObject); }

    void internalQueryX(const OdRxObject* pObject) {
        if (!pObject) {
            return;
        }
        OdRxObject* pResult = pObject->queryX(T::desc());
        if (!pResult) {
            throw OdError_NotThatKindOfClass(pObject->isA(), T::desc());
        }
        m_pObject = pResult;
    }
};
