// Kestrin MFC stand-in.
// CString: the framework's string of the Unicode build, CStringT over wchar_t (32 bits here). A
// value type that is never null; narrow text given to it is UTF-8. Format follows the target's wide
// printf rules (%s takes a wide string), so format strings written for the target stay as they are.
#pragma once

#include "afx.h"
#include "windef.h"

#include <cstdarg>
#include <string>

template <typename BaseType> class CStringT;

/* Description:
     The wide string class. Indexes and lengths are in characters.
   Remarks:
     Valid always: the empty string is the default, and GetString() never returns null. Indexes
     out of range are clamped by Mid/Left/Right, as on the target; GetAt and SetAt with an index
     outside the string throw CInvalidArgException*.
*/
template <> class CStringT<wchar_t> {
public:
    typedef wchar_t XCHAR;
    typedef wchar_t* PXSTR;
    typedef const wchar_t* PCXSTR;

    CStringT() = default;
    CStringT(const CStringT& source) = default;
    CStringT(CStringT&& source) noexcept = default;
    /// Copies a terminated wide string; null gives the empty string.
    CStringT(PCXSTR pszSrc);
    /// Copies nLength characters (need not be terminated); a negative length throws.
    CStringT(PCXSTR pch, int nLength);
    /// nRepeat copies of ch; a negative count gives the empty string.
    CStringT(wchar_t ch, int nRepeat = 1);
    /// Decodes a terminated UTF-8 string; null gives the empty string.
    CStringT(const char* pszSrc);

    CStringT& operator=(const CStringT& source) = default;
    CStringT& operator=(CStringT&& source) noexcept = default;
    CStringT& operator=(PCXSTR pszSrc);
    CStringT& operator=(wchar_t ch);
    CStringT& operator=(const char* pszSrc);

    CStringT& operator+=(const CStringT& str);
    CStringT& operator+=(PCXSTR pszSrc);
    CStringT& operator+=(wchar_t ch);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    PCXSTR GetString() const { return m_str.c_str(); }
    operator PCXSTR() const { return m_str.c_str(); }

    /// The character at iChar; throws CInvalidArgException* when iChar is outside the string.
    wchar_t GetAt(int iChar) const;
    wchar_t operator[](int iChar) const { return GetAt(iChar); }
    /// Replaces the character at iChar; throws CInvalidArgException* when outside the string.
    void SetAt(int iChar, wchar_t ch);

    void Append(PCXSTR pszSrc);
    void AppendChar(wchar_t ch) { m_str.push_back(ch); }

    /// Compares code point by code point: negative, 0 or positive.
    int Compare(PCXSTR psz) const;
    /// Compares ignoring case (towlower of each character).
    int CompareNoCase(PCXSTR psz) const;

    /// From iFirst to the end; iFirst is clamped to the string.
    CStringT Mid(int iFirst) const;
    /// nCount characters from iFirst, both clamped to the string.
    CStringT Mid(int iFirst, int nCount) const;
    CStringT Left(int nCount) const;
    CStringT Right(int nCount) const;

    /// Index of the first ch at or after iStart; -1 when there is none.
    int Find(wchar_t ch, int iStart = 0) const;
    /// Index of the first occurrence of pszSub at or after iStart; -1 when there is none.
    int Find(PCXSTR pszSub, int iStart = 0) const;
    /// Index of the last ch; -1 when there is none.
    int ReverseFind(wchar_t ch) const;

    CStringT& MakeUpper();
    CStringT& MakeLower();
    /// Removes leading and trailing white space.
    CStringT& Trim();
    CStringT& TrimLeft();
    CStringT& TrimRight();
    /// Replaces every chOld by chNew; returns the number replaced.
    int Replace(wchar_t chOld, wchar_t chNew);
    /// Replaces every occurrence of pszOld (not empty) by pszNew; returns the number replaced.
    int Replace(PCXSTR pszOld, PCXSTR pszNew);

    /* Description:
         Formats the string with the target's wide printf rules.
       Remarks:
         An invalid or null format throws CInvalidArgException* and leaves the string unchanged.
    */
    void Format(PCXSTR pszFormat, ...);
    void FormatV(PCXSTR pszFormat, va_list args);
    /// Format, appended to the current text.
    void AppendFormat(PCXSTR pszFormat, ...);
    void AppendFormatV(PCXSTR pszFormat, va_list args);

    /* Description:
         Gives write access to the characters for a call that fills a buffer.
       Parameters:
         nMinBufferLength - [in] the buffer holds at least this many characters plus a terminator.
       Returns:
         The buffer, holding the current text. ReleaseBuffer must follow before the string is used.
    */
    PXSTR GetBuffer(int nMinBufferLength);
    PXSTR GetBuffer() { return GetBuffer(0); }
    /// GetBuffer, with the length set to nLength.
    PXSTR GetBufferSetLength(int nLength);
    /// Ends write access; nNewLength -1 takes the text up to the first terminator.
    void ReleaseBuffer(int nNewLength = -1);

private:
    std::wstring m_str; // the characters, without terminator
};

typedef CStringT<wchar_t> CStringW;
typedef CStringW CString;

CStringW operator+(const CStringW& str1, const CStringW& str2);
CStringW operator+(const CStringW& str1, const wchar_t* psz2);
CStringW operator+(const wchar_t* psz1, const CStringW& str2);
CStringW operator+(const CStringW& str1, wchar_t ch2);

bool operator==(const CStringW& str1, const CStringW& str2);
bool operator==(const CStringW& str1, const wchar_t* psz2);
bool operator==(const wchar_t* psz1, const CStringW& str2);
bool operator!=(const CStringW& str1, const CStringW& str2);
bool operator!=(const CStringW& str1, const wchar_t* psz2);
bool operator!=(const wchar_t* psz1, const CStringW& str2);
bool operator<(const CStringW& str1, const CStringW& str2);
