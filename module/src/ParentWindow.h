// Kestrin module.
// The parent window of everything a command shows: the host application's main window.
#pragma once

#include <windows.h>

/*
Description:
  The host's main window, as the framework reports it for the current thread: the thread
  object's main window.
Returns:
  Its handle; null when there is no thread object or it has no main window.
*/
HWND HostMainWindow();
