// Kestrin drawing toolkit.
// OdDbHandle: the persistent identity of a database object, unique within its database and
// written to files as hexadecimal. 0 is no handle.
#pragma once

#include "OdString.h"
#include "OdaCommon.h"

/* Description:
     A 64-bit object handle.
*/
class OdDbHandle {
public:
    OdDbHandle() = default;
    OdDbHandle(OdUInt64 value) : m_value(value) {}

    bool isNull() const { return m_value == 0; }
    operator OdUInt64() const { return m_value; }

    /* Description:
         Returns the handle as upper-case hexadecimal without leading zeros ("1F").
    */
    OdString ascii() const;

private:
    OdUInt64 m_value = 0; // 0 = no handle
};
