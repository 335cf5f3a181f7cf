// Kestrin host program: wide text conversions, the platform's one lossless coding, so a path
// typed by the user reaches the file system unchanged.
#include "Session/WideText.h"

#include "KestrinPosix/FileNameText.h"

namespace KestrinApp {

std::string ToUtf8(const std::wstring& text) {
    return kposix::ToUtf8(text);
}

std::wstring FromUtf8(const std::string& text) {
    return kposix::FromUtf8(text);
}

} // namespace KestrinApp
