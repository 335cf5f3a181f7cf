// Kestrin MFC stand-in.
// The framework's exception classes, as far as the framework's own calls throw them. As on the
// target, the framework throws pointers to heap objects; the catcher calls Delete() on them.
#pragma once

#include "windef.h"

/* Description:
     Base of the framework's exceptions.
   Remarks:
     Thrown by pointer (throw new ...); whoever catches one ends its life with Delete().
*/
class CException {
public:
    CException() = default;
    virtual ~CException() = default;
    CException(const CException&) = delete;
    CException& operator=(const CException&) = delete;

    /// Destroys the exception object; the way every caught framework exception is released.
    void Delete() { delete this; }

    /* Description:
         Copies the exception's message.
       Parameters:
         lpszError - [out] receives at most nMaxError - 1 characters and a terminator.
         nMaxError - [in] size of lpszError.
       Returns:
         TRUE when there is a message.
    */
    virtual BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError,
                                 UINT* pnHelpContext = nullptr) const;
};

/// An argument that the called function cannot work with (an invalid format, for instance).
class CInvalidArgException : public CException {
public:
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError,
                         UINT* pnHelpContext = nullptr) const override;
};

/// Throws a new CInvalidArgException.
[[noreturn]] void AfxThrowInvalidArgException();
