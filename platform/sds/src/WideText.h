// Kestrin host stand-in, private: wide text helpers shared by the host's tables and the menu
// reader: case folding and trimming of names. Text to and from bytes is KestrinPosix/FileNameText.h.
#pragma once

#include <string>

namespace KestrinHost {

/// The text in upper case, as names are compared.
std::wstring UpperCase(const std::wstring& text);

/// true when both texts are equal ignoring case.
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);

/// The text without leading and trailing blanks (spaces, tabs, carriage returns).
std::wstring Trimmed(const std::wstring& text);

} // namespace KestrinHost
