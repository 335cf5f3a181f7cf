// Kestrin host program: the text MENU shows, the menu bar's pull-downs from left to right, each
// with its items and the macro an item runs; the items a user can pick are numbered across the
// whole bar, and a picked item's macro becomes the command line it runs.
#pragma once

#include "KestrinHost/MenuBar.h"

#include <optional>
#include <string>

namespace KestrinApp {

/*
Description:
  Formats the menu bar.
Parameters:
  bar - [in] the menu bar.
Returns:
  Lines ending in "\n": "The menu bar is empty." or, per pull-down, its title, group and
  section, then its items (labels as shown, "----" for separators) with their numbers and
  macros.
*/
std::wstring FormatMenuBar(const KestrinHost::MenuBar& bar);

/// The item with a number as FormatMenuBar() shows it (1 first); null when none has it.
const KestrinHost::MenuItem* MenuItemNumbered(const KestrinHost::MenuBar& bar, std::size_t number);

/*
Description:
  The command line a menu macro runs.
Parameters:
  macro - [in] the item's macro ("^C^CKestrin").
Returns:
  The macro without its leading cancels ("^C") and blanks ("Kestrin"); empty when nothing is
  left.
*/
std::wstring MacroCommandLine(const std::wstring& macro);

} // namespace KestrinApp
