// Kestrin drawing toolkit.
// OdRxObjectImpl<T>: adds a reference count to a toolkit class, deleting the object when the
// last reference goes. createObject() makes an instance holding exactly one reference. Used for
// the toolkit's own counted objects (database, command stack, command contexts, user I/O).
#pragma once

#include "RxObject.h"

#include <utility>

/* Description:
     Reference-counted implementation of class T.
   Parameters:
     T          - the class to instantiate.
     TInterface - the class of the smart pointer that createObject() returns.
   Remarks:
     The count is a plain integer: objects are used on one thread at a time.
*/
template <class T, class TInterface = T> class OdRxObjectImpl : public T {
public:
    template <class... Args>
    explicit OdRxObjectImpl(Args&&... args) : T(std::forward<Args>(args)...) {}

    void addRef() override { ++m_nRefCounter; }
    void release() override {
        if (--m_nRefCounter == 0) {
            delete this;
        }
    }
    long numRefs() const override { return m_nRefCounter; }

    /* Description:
         Creates an instance; the result holds its only reference.
    */
    template <class... Args> static OdSmartPtr<TInterface> createObject(Args&&... args) {
        return OdSmartPtr<TInterface>(static_cast<TInterface*>(new OdRxObjectImpl<T, TInterface>(
                                          std::forward<Args>(args)...)),
                                      kOdRxObjAttach);
    }

private:
    OdRefCounter m_nRefCounter = 1; // the reference handed out by createObject()
};
