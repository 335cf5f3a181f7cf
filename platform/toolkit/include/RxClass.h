// Kestrin drawing toolkit.
// OdRxClass: the run-time class descriptor of a toolkit class. Each class has exactly one
// descriptor, made on first use and alive for the whole process; it knows the class's name, its
// parent, its DXF record name and how to create an instance. The ODRX_*_DEFINE_MEMBERS macros
// at the end implement the members that ODRX_DECLARE_MEMBERS declares.
#pragma once

#include "OdString.h"

#include <string>

class OdRxObject;
class OdRxObjectPtr;

/* Description:
     Creates a new instance of a class, holding one counted reference.
*/
typedef OdRxObjectPtr (*OdPseudoConstructorType)();

/* Description:
     Run-time descriptor of one toolkit class.
   Remarks:
     A descriptor is valid for the whole process. Its class's desc() returns null while the
     descriptor is marked missing (a test-support switch, see ToolkitTestHooks.h); isA() of
     existing objects still reports it.
*/
class OdRxClass {
public:
    /* Parameters:
         name              - [in] class name, e.g. "OdDbLine".
         pParent           - [in] descriptor of the parent class; null for the root class.
         pseudoConstructor - [in] creates an instance; null for abstract classes.
         dxfName           - [in] DXF record name ("LINE"); empty when the class has none.
    */
    OdRxClass(const OdString& name, OdRxClass* pParent, OdPseudoConstructorType pseudoConstructor,
              const OdString& dxfName);
    OdRxClass(const OdRxClass&) = delete;
    OdRxClass& operator=(const OdRxClass&) = delete;

    const OdString& name() const { return m_name; }
    const OdString& dxfName() const { return m_dxfName; }
    /* Description:
         Returns the DXF record name as UTF-8, for file writers.
    */
    const std::string& dxfNameUtf8() const { return m_dxfNameUtf8; }
    OdRxClass* myParent() const { return m_pParent; }

    /* Description:
         Creates a new instance of the class.
       Returns:
         A counted reference to the new object; empty for an abstract class.
    */
    OdRxObjectPtr create() const;

    /* Description:
         Tells whether this class is pClass or derives from it.
       Returns:
         false when pClass is null.
    */
    bool isDerivedFrom(const OdRxClass* pClass) const;

    /* Description:
         Returns this descriptor, or null while it is marked missing. What desc() returns.
    */
    OdRxClass* registeredOrNull() { return m_bMissing ? nullptr : this; }

private:
    friend class OdToolkitTestHooks;
    OdString m_name;
    OdString m_dxfName;
    std::string m_dxfNameUtf8;                   // m_dxfName encoded once
    OdRxClass* m_pParent;                        // null only for OdRxObject
    OdPseudoConstructorType m_pseudoConstructor; // null for abstract classes
    bool m_bMissing = false;                     // desc() answers null while set
};

/* Description:
     Declares the run-time class members of a class derived from OdRxObject: desc(), isA(),
     cast(), createObject() and the descriptor accessor rxClassObject().
*/
#define ODRX_DECLARE_MEMBERS(ClassName)                                                            \
public:                                                                                            \
    static OdRxClass* desc();                                                                      \
    static OdRxClass& rxClassObject();                                                             \
    OdRxClass* isA() const override;                                                               \
    static OdSmartPtr<ClassName> cast(const OdRxObject* pObject);                                  \
    static OdSmartPtr<ClassName> createObject();                                                   \
    static OdRxObjectPtr pseudoConstructor()

#define ODRX_DEFINE_MEMBERS_IMPL(ClassName, ParentClass, pConstructor, dxfName)                    \
    OdRxClass& ClassName::rxClassObject() {                                                        \
        static OdRxClass s_class(OdString(#ClassName), &ParentClass::rxClassObject(),              \
                                 pConstructor, OdString(dxfName));                                 \
        return s_class;                                                                            \
    }                                                                                              \
    OdRxClass* ClassName::desc() {                                                                 \
        return rxClassObject().registeredOrNull();                                                 \
    }                                                                                              \
    OdRxClass* ClassName::isA() const {                                                            \
        return &rxClassObject();                                                                   \
    }                                                                                              \
    OdSmartPtr<ClassName> ClassName::cast(const OdRxObject* pObject) {                             \
        OdSmartPtr<ClassName> result;                                                              \
        if (pObject) {                                                                             \
            result.attach(static_cast<ClassName*>(pObject->queryX(desc())));                       \
        }                                                                                          \
        return result;                                                                             \
    }                                                                                              \
    OdSmartPtr<ClassName> ClassName::createObject() {                                              \
        OdRxClass* pClass = desc();                                                                \
        if (!pClass) {                                                                             \
            throw OdError(eNotInitializedYet);                                                     \
        }                                                                                          \
        return OdSmartPtr<ClassName>(pClass->create());                                            \
    }

/* Description:
     Defines the members of an abstract class: createObject() returns an empty pointer.
*/
#define ODRX_NO_CONS_DEFINE_MEMBERS(ClassName, ParentClass)                                        \
    ODRX_DEFINE_MEMBERS_IMPL(ClassName, ParentClass, nullptr, "")

/* Description:
     Defines the members of a concrete class.
   Parameters:
     createExpression - expression making a new instance (a pointer or a smart pointer); it is
                        evaluated inside ClassName::pseudoConstructor(), so protected
                        constructors are accessible.
     dxfName          - narrow DXF record name, "" when none.
*/
#define ODRX_CONS_DEFINE_MEMBERS(ClassName, ParentClass, createExpression, dxfName)                \
    OdRxObjectPtr ClassName::pseudoConstructor() {                                                 \
        return OdRxObjectPtr(createExpression);                                                    \
    }                                                                                              \
    ODRX_DEFINE_MEMBERS_IMPL(ClassName, ParentClass, &ClassName::pseudoConstructor, dxfName)
