// Kestrin Windows API stand-in: the UI interface.
// What a message box type (MB_* bits) means to a UI: which buttons it has, in order, which one is
// the default, the icon, and their names, so that every UI reads the bits the same way.
#pragma once

#include <windef.h>

#include <string>
#include <vector>

namespace KestrinUi {

/// The answers a message box of this type offers, in the order its buttons stand (IDOK, ...).
std::vector<int> ButtonsOf(UINT type);

/// The answer of the default button (MB_DEFBUTTONn; the first button when n is out of range).
int DefaultButtonOf(UINT type);

/// The answer that Escape or the close box gives: IDCANCEL where a Cancel button exists, the only
/// button of an MB_OK box, IDNO for MB_YESNO, 0 where the box cannot be dismissed that way.
int EscapeAnswerOf(UINT type);

/// The button's label: "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"; "?" otherwise.
const wchar_t* ButtonText(int answer);

/// The icon's name: "warning", "error", "question", "information", or "" for none.
const wchar_t* IconText(UINT type);

/// The type as its flag names, e.g. "MB_ICONWARNING|MB_OK", for transcripts.
std::wstring DescribeMessageBoxType(UINT type);

} // namespace KestrinUi
