// Kestrin host program: a command line as typed, split into the command's name and its argument.
// The name is the first word; the argument is the rest of the line (a file name may hold
// blanks), with one pair of enclosing double quotes removed. The name is looked up as CAD users
// type it: any leading "_" (the untranslated name) and "." (the built-in, not a redefinition)
// are dropped and letter case does not matter.
#pragma once

#include <string>

namespace KestrinApp {

struct TypedCommand {
    std::wstring name;     // the first word, as typed ("_Kestrin")
    std::wstring argument; // the rest of the line, trimmed and unquoted; empty when none

    /// true for a blank line.
    bool IsEmpty() const { return name.empty(); }
};

/// Splits a typed line into name and argument.
TypedCommand ParseTypedCommand(const std::wstring& line);

/*
Description:
  The name under which a typed command name is looked up.
Parameters:
  typed - [in] the name as typed ("_Kestrin", "._SAVEAS").
Returns:
  The name without its leading "_" and "." prefixes, letter case kept ("Kestrin"); empty when
  nothing else is left.
*/
std::wstring LookupName(const std::wstring& typed);

/// What a name that no command has gets, from the command line and from HELP NAME alike.
std::wstring UnknownCommandMessage(const std::wstring& typed);

} // namespace KestrinApp
