// Kestrin Windows stand-in, private: UTF-8 coding of wide text. File names and narrow texts on
// this platform are UTF-8 bytes; wide characters are UTF-32 code points. Coding never fails:
// whatever is not valid becomes U+FFFD.
#pragma once

#include <string>

namespace KestrinWin {

/// The wide text of UTF-8 bytes; invalid sequences become U+FFFD.
std::wstring WideFromUtf8(const std::string& bytes);

/// The UTF-8 bytes of a wide text; values that are no Unicode scalar value become U+FFFD.
std::string Utf8FromWide(const std::wstring& text);

} // namespace KestrinWin
