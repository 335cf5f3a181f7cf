// Kestrin Windows API stand-in.
// The target C run-time's wide-character functions that glibc lacks or defines differently. In
// the target's wide formatting functions "%s" and "%c" take wide arguments and "%S", "%hs" and
// "%C" narrow ones; glibc reads them the other way round. These functions take the target's
// format strings as they stand, so formats written for the target need no change.
#pragma once

#include "windef.h"

#include <cstdarg>
#include <cstddef>

// Buffer sizes of the _wsplitpath parts, including the terminating zero.
#define _MAX_PATH 260
#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256

/*
Description:
  Reads the decimal integer at the start of a wide string.
Parameters:
  str - [in] the text; null reads as 0.
Returns:
  The value of the leading blanks, optional sign and digits; 0 when the text does not begin with
  a number. Values beyond int's range give INT_MAX or INT_MIN.
*/
int _wtoi(const wchar_t* str);

/*
Description:
  Splits a path into drive, folder, file name and extension.
Parameters:
  path  - [in] the path; both '/' and '\\' separate folders.
  drive - [out] _MAX_DRIVE characters, or null: always empty here (no drive letters).
  dir   - [out] _MAX_DIR characters, or null: everything up to and including the last separator.
  fname - [out] _MAX_FNAME characters, or null: the name after it, without the extension.
  ext   - [out] _MAX_EXT characters, or null: the last '.' of the name and what follows it.
Remarks:
  A part longer than its buffer is cut to fit (always terminated), where the target would write
  past the end; _wsplitpath_s reports it instead.
*/
void _wsplitpath(const wchar_t* path, wchar_t* drive, wchar_t* dir, wchar_t* fname, wchar_t* ext);

/*
Description:
  _wsplitpath with the size of each buffer (in characters; 0 with a null buffer).
Returns:
  0 on success; EINVAL for a null path or a buffer without its size; ERANGE when a part does not
  fit, in which case every given buffer is emptied.
*/
int _wsplitpath_s(const wchar_t* path, wchar_t* drive, size_t driveSize, wchar_t* dir,
                  size_t dirSize, wchar_t* fname, size_t fnameSize, wchar_t* ext, size_t extSize);

/*
Description:
  Formats into a buffer of count characters, the target's way.
Returns:
  The length written. When it is exactly count there is no terminating zero; when the text is
  longer, count characters are written without a zero and the result is -1. -1 also for a format
  that cannot be used (a null format, or "%n", which is refused).
*/
int _vsnwprintf(wchar_t* buffer, size_t count, const wchar_t* format, va_list args);
int _snwprintf(wchar_t* buffer, size_t count, const wchar_t* format, ...);

/*
Description:
  Formats into a buffer of sizeInWords characters, always terminated.
Returns:
  The length written; -1 when the text does not fit (the buffer is then empty) or the format
  cannot be used. The target calls its invalid-parameter handler instead of returning -1.
*/
int vswprintf_s(wchar_t* buffer, size_t sizeInWords, const wchar_t* format, va_list args);
int swprintf_s(wchar_t* buffer, size_t sizeInWords, const wchar_t* format, ...);

/// swprintf_s on an array, taking its size from the array's type.
template <size_t N> int swprintf_s(wchar_t (&buffer)[N], const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = vswprintf_s(buffer, N, format, args);
    va_end(args);
    return result;
}

/*
Description:
  Formats into a buffer that the target's user32 assumes to hold 1024 characters.
Returns:
  The length written, cut at 1023 characters; 0 for an unusable format.
*/
int WINAPI wsprintfW(LPWSTR buffer, LPCWSTR format, ...);
