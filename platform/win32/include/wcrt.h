// Kestrin Windows stand-in.
// The target C run-time's wide functions that glibc lacks or reads differently. Formatting
// follows the target's wide printf rules: %s and %c take wide arguments, %hs/%S and %hc/%C narrow
// (UTF-8) ones, %ls/%lc wide ones; %n is refused. Path splitting takes '/' (this platform's
// separator) and '\\' (the target's) alike.
#pragma once

#include "windef.h"

#include <cstdarg>
#include <cstddef>

// Buffer sizes for _wsplitpath's parts, terminator included.
#define _MAX_PATH 260
#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256

/* Description:
     Reads the decimal integer at the start of a wide string.
   Parameters:
     str - [in] the text; leading white space and one sign are allowed.
   Returns:
     The value; 0 when the text does not begin with a number (or str is null). A value beyond the
     range of int gives INT_MAX or INT_MIN, as on the target.
*/
int _wtoi(const wchar_t* str);

/* Description:
     Splits a path into drive, folder, file name and extension.
   Parameters:
     path  - [in] the path; null is treated as the empty path.
     drive - [out] a leading drive letter with its colon ("C:"), else empty; may be null.
     dir   - [out] everything after the drive up to and including the last '/' or '\\'; may be
             null.
     fname - [out] the last part without its extension; may be null.
     ext   - [out] the last part's extension from its last '.', the dot included; may be null.
   Remarks:
     The outputs must hold _MAX_DRIVE, _MAX_DIR, _MAX_FNAME and _MAX_EXT characters. Longer parts
     are cut to fit (the target would write past the buffer).
*/
void _wsplitpath(const wchar_t* path, wchar_t* drive, wchar_t* dir, wchar_t* fname, wchar_t* ext);

/* Description:
     Formats into a buffer with the target's wide printf rules.
   Parameters:
     buffer       - [out] receives the text and a terminator.
     sizeOfBuffer - [in] size of buffer in characters.
     format       - [in] the format.
   Returns:
     The number of characters written, without the terminator; -1 when the format is invalid,
     buffer or format is null, or the text does not fit (buffer then holds the empty string).
*/
int swprintf_s(wchar_t* buffer, std::size_t sizeOfBuffer, const wchar_t* format, ...);

/// swprintf_s with a va_list.
int vswprintf_s(wchar_t* buffer, std::size_t sizeOfBuffer, const wchar_t* format, va_list args);

/// swprintf_s into an array, taking its size from the array's type, as the target's C++ overload.
template <std::size_t N> int swprintf_s(wchar_t (&buffer)[N], const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = vswprintf_s(buffer, N, format, args);
    va_end(args);
    return result;
}

/* Description:
     Counts the characters that formatting would produce.
   Returns:
     The number of characters, without the terminator; -1 when the format is invalid or null.
*/
int _scwprintf(const wchar_t* format, ...);

/// _scwprintf with a va_list.
int _vscwprintf(const wchar_t* format, va_list args);
