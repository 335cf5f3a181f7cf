// Kestrin drawing toolkit.
// Fixed-width integer and character types shared by every toolkit header. The toolkit's wide
// character is wchar_t, which is 32 bits on this platform; strings never assume 16-bit units.
#pragma once

#include <cstdint>

typedef std::int8_t OdInt8;
typedef std::uint8_t OdUInt8;
typedef std::int16_t OdInt16;
typedef std::uint16_t OdUInt16;
typedef std::int32_t OdInt32;
typedef std::uint32_t OdUInt32;
typedef std::int64_t OdInt64;
typedef std::uint64_t OdUInt64;

/* Description:
     The toolkit's wide character type: the unit of OdString.
*/
typedef wchar_t OdChar;

/* Description:
     Signed reference count of toolkit objects.
*/
typedef OdInt32 OdRefCounter;
