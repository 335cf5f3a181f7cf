// Kestrin Windows API stand-in.
// Windows of the process. There is no window system here: a window is a title with a handle, so
// that the host has a main window to own the module's dialogs and message boxes, and a UI can
// name the owner of what it shows.
#pragma once

#include <windef.h>

#include <string>

namespace KestrinWin32 {

/*
Description:
  Creates a top-level window.
Parameters:
  title - [in] the window's title.
Returns:
  Its handle, valid until DestroyWindow.
Remarks:
  Not thread-safe: windows are made and destroyed on the UI thread only.
*/
HWND CreateTopLevelWindow(const std::wstring& title);

/// The window's title; empty for null or a handle that names no window.
std::wstring WindowTitle(HWND hWnd);

} // namespace KestrinWin32
