// Kestrin drawing toolkit.
// OdError: the exception that toolkit operations raise. It carries a result code and a readable
// description; subclasses add context. Errors are values: copying one is cheap and safe.
#pragma once

#include "OdResult.h"
#include "OdString.h"

class OdRxClass;

/* Description:
     A toolkit failure, raised as an exception.
   Remarks:
     Not derived from std::exception: code that contains toolkit failures catches OdError (and
     its subclasses) by reference, and every other exception passes through it.
*/
class OdError {
public:
    /* Description:
         Makes an error with the standard description of code.
    */
    explicit OdError(OdResult code);

    /* Description:
         Makes an error whose description is the standard one followed by detail.
       Parameters:
         code   - [in] result code.
         detail - [in] what failed, e.g. a path and the system's reason.
    */
    OdError(OdResult code, const OdString& detail);

    virtual ~OdError() = default;
    OdError(const OdError&) = default;
    OdError& operator=(const OdError&) = default;

    OdResult code() const { return m_code; }

    /* Description:
         Returns the readable text of the failure.
    */
    virtual OdString description() const;

    /* Description:
         Returns the standard text of a result code ("Not initialized yet" for 117).
    */
    static OdString description(OdResult code);

private:
    OdResult m_code;
    OdString m_detail;
};

/* Description:
     Raised by a class-testing cast when an object is not of the wanted class.
   Remarks:
     Code eNotThatKindOfClass. Either class may be null (a missing descriptor).
*/
class OdError_NotThatKindOfClass : public OdError {
public:
    /* Parameters:
         pObjectClass - [in] the class of the object that was cast (its isA()).
         pWantedClass - [in] the class that was asked for.
    */
    OdError_NotThatKindOfClass(const OdRxClass* pObjectClass, const OdRxClass* pWantedClass);

    const OdRxClass* objectClass() const { return m_pObjectClass; }
    const OdRxClass* wantedClass() const { return m_pWantedClass; }

    OdString description() const override;

private:
    const OdRxClass* m_pObjectClass;
    const OdRxClass* m_pWantedClass;
};
