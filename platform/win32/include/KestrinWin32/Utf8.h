// Kestrin Windows stand-in.
// Wide text (the target's strings) to and from the UTF-8 of Linux file names and terminals.
// Independent of the process locale. Bytes that are not UTF-8 survive the round trip: each
// becomes the lone surrogate U+DC80 + byte (as Python's "surrogateescape" does) and back.
#pragma once

#include <string>
#include <string_view>

namespace KestrinWin32 {

/// UTF-8 of a wide text; escaped bytes (U+DC80..U+DCFF) become their byte again, other
/// surrogates and values beyond U+10FFFF become U+FFFD.
std::string ToUtf8(std::wstring_view text);

/// Wide text of UTF-8; a byte that does not start a valid sequence becomes U+DC80 + byte.
std::wstring FromUtf8(std::string_view text);

} // namespace KestrinWin32
