// Kestrin host program: the text MENU shows: the menu bar's pull-downs from left to right, each
// with its items and the macro an item runs.
#pragma once

#include "KestrinHost/MenuBar.h"

#include <string>

namespace KestrinApp {

/*
Description:
  Formats the menu bar.
Parameters:
  bar - [in] the menu bar.
Returns:
  Lines ending in "\n": "The menu bar is empty." or, per pull-down, its position, title, group
  and section, then its items (labels as shown, "----" for separators) with their macros.
*/
std::wstring FormatMenuBar(const KestrinHost::MenuBar& bar);

} // namespace KestrinApp
