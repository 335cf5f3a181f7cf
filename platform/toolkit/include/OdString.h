// Kestrin drawing toolkit.
// OdString: the toolkit's wide string, a value type over wchar_t. Narrow text given to it is
// UTF-8. format() follows the target platform's wide printf rules, where %s and %c take wide
// arguments (glibc would read them as narrow), so format strings written for the target work here.
#pragma once

#include "OdaCommon.h"

#include <cstdarg>
#include <string>

/* Description:
     A wide character string with value semantics.
   Remarks:
     Never null: the default string is empty and c_str() always returns a terminated buffer.
*/
class OdString {
public:
    OdString() = default;

    /* Description:
         Copies a terminated wide string; a null pointer gives the empty string.
    */
    OdString(const OdChar* source);

    /* Description:
         Copies the first length characters of source.
       Parameters:
         source - [in] characters, need not be terminated.
         length - [in] number of characters; negative gives the empty string.
    */
    OdString(const OdChar* source, int length);

    /* Description:
         Decodes a terminated UTF-8 string; a null pointer gives the empty string.
       Remarks:
         Invalid UTF-8 bytes become U+FFFD.
    */
    OdString(const char* sourceUtf8);

    /* Description:
         Returns the terminated characters; valid until the string is next changed.
    */
    const OdChar* c_str() const { return m_data.c_str(); }
    operator const OdChar*() const { return m_data.c_str(); }

    int getLength() const { return static_cast<int>(m_data.size()); }
    bool isEmpty() const { return m_data.empty(); }
    void empty() { m_data.clear(); }

    /* Description:
         Compares code point by code point.
       Returns:
         Negative, 0 or positive as this string sorts before, equal to or after other.
    */
    int compare(const OdChar* other) const;

    /* Description:
         Compares ignoring the case of ASCII letters (the rule used for command names).
       Returns:
         Negative, 0 or positive as for compare().
    */
    int iCompare(const OdChar* other) const;

    /* Description:
         Replaces the contents with printf-style formatted text.
       Parameters:
         format - [in] wide format; %s and %c take wide arguments, %hs and %S narrow ones.
       Returns:
         This string.
       Remarks:
         The text may be of any length.
    */
    OdString& format(const OdChar* format, ...);
    OdString& formatV(const OdChar* format, va_list args);

    OdString& operator+=(const OdString& other);
    OdString& operator+=(OdChar ch);

    bool operator==(const OdString& other) const { return m_data == other.m_data; }
    bool operator!=(const OdString& other) const { return m_data != other.m_data; }
    bool operator<(const OdString& other) const { return m_data < other.m_data; }
    bool operator==(const OdChar* other) const { return compare(other) == 0; }
    bool operator!=(const OdChar* other) const { return compare(other) != 0; }

private:
    std::wstring m_data;
};

OdString operator+(const OdString& left, const OdString& right);

/* Description:
     Encodes a string as UTF-8, for narrow outputs (files, terminals).
*/
std::string odStringToUtf8(const OdString& text);
