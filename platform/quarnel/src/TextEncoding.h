// Copyright (c) Kestrin developers.
//
// Conversion between the caller's wide strings (UTF-32 here, one wchar_t per code point) and the
// UTF-8 that file names and the worker's texts use. Independent of the process locale.
#pragma once

#include <string>

namespace quarnel {

// Invalid code points become U+FFFD.
std::string ToUtf8(const std::wstring& text);

// Malformed sequences become U+FFFD.
std::wstring FromUtf8(const std::string& text);

} // namespace quarnel
