// Kestrin host program: conversions between the wide text of the toolkit and the host functions
// and the UTF-8 of files, terminals and the operating system.
#pragma once

#include "KestrinHost/NameText.h"

#include <string>

namespace KestrinApp {

/// Encodes wide text as UTF-8 (escaped bytes as the bytes they stand for).
std::string ToUtf8(const std::wstring& text);

/// Decodes UTF-8 losslessly: a byte that is not UTF-8 becomes U+DC80 + byte, and ToUtf8() gives
/// it back, so file names reach the system byte for byte.
std::wstring FromUtf8(const std::string& text);

// Trimming and case follow the one rule for names and typed lines.
using KestrinHost::Trimmed;
using KestrinHost::UpperCase;

} // namespace KestrinApp
