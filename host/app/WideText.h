// Kestrin host program: conversions between the wide text of the toolkit and the host functions
// and the UTF-8 of files, terminals and the operating system.
#pragma once

#include <string>

namespace KestrinApp {

/// Encodes wide text as UTF-8.
std::string ToUtf8(const std::wstring& text);

/// Decodes UTF-8; invalid bytes become U+FFFD.
std::wstring FromUtf8(const std::string& text);

/// The text without blanks (spaces, tabs, line ends) at either end.
std::wstring Trimmed(const std::wstring& text);

/// The text with ASCII letters in upper case (the rule for command names).
std::wstring ToUpperAscii(std::wstring text);

} // namespace KestrinApp
