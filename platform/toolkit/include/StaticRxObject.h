// Kestrin drawing toolkit.
// OdStaticRxObject<T>: a toolkit object whose lifetime is not counted, for objects held by value
// inside another (a module's command objects) or with static storage. addRef() and release() do
// nothing, so handing such an object to counted holders never deletes it.
#pragma once

#include "RxObject.h"

/* Description:
     Uncounted implementation of class T.
   Remarks:
     The owner of the storage decides the lifetime; holders must let go of it before it dies.
*/
template <class T> class OdStaticRxObject : public T {
public:
    using T::T;
    OdStaticRxObject() = default;

    void addRef() override {}
    void release() override {}
    long numRefs() const override { return 1; }
};
