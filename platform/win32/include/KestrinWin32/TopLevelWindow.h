// Kestrin Windows stand-in.
// The program's top-level window. There is no window system here: a window is an entry of the
// window table (winuser.h), so that the host has a main window to own the module's dialogs and
// message boxes, and a user interface can name the owner of what it shows.
#pragma once

#include "windef.h"

#include <string>

namespace KestrinWin32 {

/*
Description:
  Creates a top-level window.
Parameters:
  title - [in] the window's title.
Returns:
  Its handle (an overlapped window without owner), valid until DestroyWindow.
Remarks:
  Not thread-safe: windows are made and destroyed on the UI thread only.
*/
HWND CreateTopLevelWindow(const std::wstring& title);

} // namespace KestrinWin32
