// Kestrin host stand-in: menu commands, the texts that sds_menucmd carries out on the menu bar.
// Supported forms, with no blanks anywhere; letters are case-insensitive:
//     P<n>=+<group>.<menu>   insert pull-down <menu> (section "POP1" or its alias) of the loaded
//                            group <group> at position <n> (a decimal number, 1 or more; past
//                            the end of the bar it appends)
//     P<n>=-                 remove the pull-down at position <n>
// A text that fails changes nothing.
#pragma once

#include "KestrinHost/MenuBar.h"
#include "KestrinHost/MenuGroups.h"

#include <string>

namespace KestrinHost {

enum class MenuCommandStatus : int {
    Ok = 0,
    Malformed,    // not one of the supported forms
    UnknownGroup, // no loaded group of that name
    UnknownMenu,  // the group has no pull-down of that name
    NoSuchEntry,  // nothing on the bar at the position to remove
};

/// The text of a status, for messages.
const wchar_t* MenuCommandStatusText(MenuCommandStatus status);

/*
Description:
  Carries out a menu command.
Parameters:
  command - [in] the menu command text.
  groups  - [in] the loaded menu groups.
  bar     - [in/out] the menu bar it changes.
Returns:
  MenuCommandStatus::Ok, or why the bar was left unchanged.
*/
MenuCommandStatus RunMenuCommand(const std::wstring& command, const MenuGroups& groups,
                                 MenuBar* bar);

} // namespace KestrinHost
