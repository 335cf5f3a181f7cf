// Kestrin Windows stand-in.
// Wide text (the target's strings) to and from the UTF-8 of Linux file names and terminals: the
// lossless coding of KestrinPosix/FileNameText.h under the names the host program still calls it
// by; everything else calls kposix:: directly.
#pragma once

#include <KestrinPosix/FileNameText.h>

namespace KestrinWin32 {

using kposix::FromUtf8;
using kposix::ToUtf8;

} // namespace KestrinWin32
