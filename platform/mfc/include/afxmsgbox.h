// Kestrin MFC stand-in.
// AfxMessageBox: the framework's message box, owned by the application's main window and titled
// with the application's name.
#pragma once

#include "windef.h"
#include "winuser.h"

/* Description:
     Shows a modal message box through the window system.
   Parameters:
     lpszText - [in] the message; null shows an empty message.
     nType    - [in] MB_* buttons and icon; MB_OK (0) shows a single OK button.
     nIDHelp  - [in] help context; 0 for none. No help is offered here; the value is not used.
   Returns:
     The button chosen (IDOK, IDCANCEL, ...).
   Remarks:
     The owner is the main window of the current thread object (none when there is none); the
     caption is the current application's name, or "Error" (MessageBoxW's default) when the
     current module state has no application.
*/
int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
