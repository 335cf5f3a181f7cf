// Kestrin host stand-in, private: wide text helpers shared by the host's tables and the menu
// reader: case folding of names and UTF-8 conversion of file paths and file contents.
#pragma once

#include <string>

namespace KestrinHost {

/// The text in upper case, as names are compared.
std::wstring UpperCase(const std::wstring& text);

/// true when both texts are equal ignoring case.
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);

/// The text without leading and trailing blanks (spaces, tabs, carriage returns).
std::wstring Trimmed(const std::wstring& text);

/// The UTF-8 bytes of a wide text; code points that cannot be encoded become U+FFFD.
std::string Utf8FromWide(const std::wstring& text);

/// The wide text of UTF-8 bytes; bytes that are not valid UTF-8 become U+FFFD.
std::wstring WideFromUtf8(const std::string& bytes);

} // namespace KestrinHost
