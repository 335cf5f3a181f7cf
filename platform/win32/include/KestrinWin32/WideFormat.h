// Kestrin Windows API stand-in.
// Formatting with the target's wide format strings into a string of any length; the C run-time
// functions of <wincrt.h> and MFC's CString::Format are built on it.
#pragma once

#include <cstdarg>
#include <string>

namespace KestrinWin32 {

/*
Description:
  Rewrites a format of the target's wide formatting functions for glibc's: "%s" and "%c" become
  "%ls" and "%lc", "%S", "%hs", "%C" and "%hc" become narrow, "%ws"/"%wc" wide, "I64" becomes
  "ll", "I32" nothing and a bare "I" becomes "z".
Parameters:
  format     - [in] the target's format.
  translated - [out] the format for glibc.
Returns:
  false when the format holds "%n" (refused: it writes through an argument) or ends inside a
  conversion; translated is then unspecified.
*/
bool TranslateWideFormat(const wchar_t* format, std::wstring* translated);

/*
Description:
  Formats with a format of the target's wide formatting functions.
Parameters:
  result - [out] the text; unchanged on failure.
  format - [in] the target's format.
  args   - [in] its arguments.
Returns:
  false for a null or refused format, or when an argument cannot be formatted (a narrow string
  that is not valid in the current locale).
*/
bool FormatWideV(std::wstring* result, const wchar_t* format, va_list args);

} // namespace KestrinWin32
