// Kestrin host stand-in: the one rule for names (commands, menu groups, system variables, typed
// words) and typed lines: case is folded for ASCII letters only, whatever the locale, since
// command names are ASCII and a locale-dependent fold would make a name match in one session and
// not in another; blanks are spaces, tabs and line ends. The host program uses the same rule.
// Text to and from bytes is KestrinPosix/FileNameText.h.
#pragma once

#include <string>

namespace KestrinHost {

/// The text with ASCII letters in upper case, as names are compared.
std::wstring UpperCase(const std::wstring& text);

/// true when both texts are equal ignoring case.
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);

/// The text without leading and trailing blanks (spaces, tabs, carriage returns, line feeds).
std::wstring Trimmed(const std::wstring& text);

} // namespace KestrinHost
