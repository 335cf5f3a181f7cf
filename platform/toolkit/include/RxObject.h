// Kestrin drawing toolkit.
// OdRxObject: the root of every toolkit class. Objects are reference-counted through
// addRef()/release(), which the concrete class supplies (OdRxObjectImpl, OdStaticRxObject, the
// database objects, the module wrapper). Class-testing casts go through queryX() with a class
// descriptor; smart pointers (SmartPtr.h, included at the end) do them on construction.
#pragma once

#include "OdError.h"
#include "RxClass.h"

template <class T> class OdSmartPtr;

namespace OdRx {
/* Description:
     Result of OdRxObject::comparedTo().
*/
enum Ordering { kLessThan = -1, kEqual = 0, kGreaterThan = 1, kNotOrderable = 2 };
} // namespace OdRx

/* Description:
     Root class of all toolkit objects.
   Remarks:
     Virtual operations, in slot order: destructor, queryX, x, isA, addRef, release, numRefs,
     clone, copyFrom, comparedTo, isEqualTo. Objects are held through OdSmartPtr; a class that
     is instantiated supplies addRef()/release().
*/
class OdRxObject {
public:
    static OdRxClass* desc();
    static OdRxClass& rxClassObject();
    static OdRxObjectPtr cast(const OdRxObject* pObject);

    virtual ~OdRxObject() = default;

    /* Description:
         Class-testing query.
       Parameters:
         pClass - [in] the wanted class; may be null.
       Returns:
         This object with one reference added when it is of class pClass or a class derived
         from it; otherwise (and for a null pClass) null, with no reference added.
    */
    virtual OdRxObject* queryX(const OdRxClass* pClass) const;

    /* Description:
         Like queryX(), but raises instead of answering null.
       Remarks:
         Raises OdError_NotThatKindOfClass(isA(), pClass) when the object is not of that class.
    */
    virtual OdRxObject* x(const OdRxClass* pClass) const;

    /* Description:
         Returns the descriptor of the object's own class (never null).
    */
    virtual OdRxClass* isA() const;

    virtual void addRef() = 0;
    virtual void release() = 0;

    /* Description:
         Returns the number of counted references; 1 for objects that are not counted.
    */
    virtual long numRefs() const;

    /* Description:
         Returns a new object of the same class with the same contents.
       Remarks:
         The base implementation creates an instance through isA() and calls copyFrom();
         it raises eNotApplicable for abstract classes.
    */
    virtual OdRxObjectPtr clone() const;

    /* Description:
         Copies the contents of pSource into this object.
       Remarks:
         The base implementation raises eNotApplicable: classes without copyable contents
         cannot be copied.
    */
    virtual void copyFrom(const OdRxObject* pSource);

    /* Description:
         Orders two objects; the base implementation reports kNotOrderable.
    */
    virtual OdRx::Ordering comparedTo(const OdRxObject* pOther) const;

    /* Description:
         Tells whether two objects are equal; the base implementation tests identity.
    */
    virtual bool isEqualTo(const OdRxObject* pOther) const;

    /* Description:
         Tells whether the object is of class pClass or a class derived from it.
    */
    bool isKindOf(const OdRxClass* pClass) const { return isA()->isDerivedFrom(pClass); }

protected:
    OdRxObject() = default;
    OdRxObject(const OdRxObject&) = default;
    OdRxObject& operator=(const OdRxObject&) = default;
};

#include "SmartPtr.h"
