// Kestrin Windows stand-in.
// Conversion between wide text and multi-byte text. The system code page here is UTF-8, so
// CP_ACP and CP_UTF8 mean the same thing. Invalid input becomes U+FFFD; nothing fails on content.
#pragma once

#include "windef.h"

#define CP_ACP 0u
#define CP_UTF8 65001u

/* Description:
     Decodes multi-byte text into wide characters.
   Parameters:
     CodePage       - [in] CP_ACP or CP_UTF8; any other code page fails.
     dwFlags        - [in] ignored.
     lpMultiByteStr - [in] the bytes.
     cbMultiByte    - [in] number of bytes, or -1 for a terminated string (the terminator is then
                      converted too and counted).
     lpWideCharStr  - [out] receives the characters; may be null when cchWideChar is 0.
     cchWideChar    - [in] size of lpWideCharStr; 0 asks for the size needed.
   Returns:
     The number of wide characters written (or needed when cchWideChar is 0); 0 on failure
     (unknown code page, null input, or an output buffer too small).
   Remarks:
     Invalid UTF-8 sequences become U+FFFD.
*/
int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar);

/* Description:
     Encodes wide characters as multi-byte text.
   Parameters:
     CodePage          - [in] CP_ACP or CP_UTF8; any other code page fails.
     dwFlags           - [in] ignored.
     lpWideCharStr     - [in] the characters.
     cchWideChar       - [in] number of characters, or -1 for a terminated string (the terminator
                         is then converted too and counted).
     lpMultiByteStr    - [out] receives the bytes; may be null when cbMultiByte is 0.
     cbMultiByte       - [in] size of lpMultiByteStr; 0 asks for the size needed.
     lpDefaultChar, lpUsedDefaultChar - [in] ignored; must be null for CP_UTF8 on the target.
   Returns:
     The number of bytes written (or needed when cbMultiByte is 0); 0 on failure.
   Remarks:
     Values that are no Unicode scalar value (surrogates, beyond U+10FFFF) become U+FFFD.
*/
int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                               BOOL* lpUsedDefaultChar);
