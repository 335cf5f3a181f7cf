// Copyright (c) Kestrin developers.
//
// The one rule for text that goes between wide strings (the target's strings, UTF-32 here) and
// the bytes of Linux file names, command lines, terminals and environment: UTF-8, independent of
// the process locale, and lossless. Bytes that are not UTF-8 survive the round trip: each becomes
// the lone surrogate U+DC80 + byte (as Python's "surrogateescape" does) and back, so a Latin-1
// file name reaches open() byte for byte. Code that validates text (a file's contents) decodes
// strictly on its own terms instead.
#pragma once

#include <string>
#include <string_view>

namespace kposix {

/* Description:
     The UTF-8 bytes of a wide text.
   Returns:
     Escaped bytes (U+DC80..U+DCFF) become their byte again; other surrogates and values beyond
     U+10FFFF become U+FFFD.
*/
std::string ToUtf8(std::wstring_view text);

/* Description:
     The wide text of UTF-8 bytes.
   Returns:
     A byte that does not start a valid sequence becomes U+DC80 + byte, so ToUtf8 gives the
     bytes back exactly.
*/
std::wstring FromUtf8(std::string_view text);

/* Description:
     Appends the UTF-8 bytes of one code point (at most U+10FFFF; a surrogate is coded as any
     other value, so callers that must not write one replace it first).
*/
void AppendUtf8(char32_t value, std::string* bytes);

} // namespace kposix
