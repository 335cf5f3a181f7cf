// Kestrin Windows stand-in: the user interface.
// What a message box type (its MB_* bits) means to a user interface: the buttons in the order they
// stand, the one Enter chooses, the one that agrees to nothing, their names and the icon's name.
// Every user interface reads the bits through these, so that all of them show the same box.
#pragma once

#include "windef.h"

#include <string_view>
#include <vector>

namespace KestrinUi {

/*
Description:
  The buttons of a message box type, left to right.
Returns:
  Their answers: MB_OK gives {IDOK}, MB_YESNO {IDYES, IDNO}, ...; an unknown button set gives
  {IDOK}, as the target shows it.
*/
std::vector<int> MessageBoxButtons(UINT type);

/// The button that Enter chooses: the MB_DEFBUTTONn one, the first when the box has fewer.
int DefaultMessageBoxAnswer(UINT type);

/// The answer that agrees to nothing: Cancel, No or Abort where the box has one, else OK.
int DecliningAnswer(UINT type);

/// The display name of a button's answer ("OK", "Cancel", "Yes", ...); "?" for none.
const wchar_t* MessageBoxButtonName(int button);

/// The answer of the button with that display name, ASCII letter case ignored; 0 for none.
int MessageBoxButtonNamed(std::wstring_view name);

/// The icon's name: "warning", "error", "question", "information", or "" for none.
const wchar_t* IconText(UINT type);

} // namespace KestrinUi
