// Larkvane GUI library stand-in.
// LKVGUIUtils: the library's ready-made boxes. The about box goes through the user interface
// that the host installed (KestrinUi/UserInterface.h), like every box and dialog.
#pragma once

#include <afxstr.h>
#include <windef.h>

namespace LKVGUIUtils {

/*
Description:
  Shows the product's about box and waits until the user closes it.
Parameters:
  strTitle - [in] the product title the box shows.
  hParent  - [in] the owner window; null for a box without owner.
*/
void About(const CString& strTitle, HWND hParent);

} // namespace LKVGUIUtils
