// Kestrin host stand-in: the table of host commands that sds_command runs. The host program
// fills it; each command receives the answers that follow its name and returns a result code.
// Names are looked up as CAD users type them: case-insensitively, leading "_" and "." ignored.
#pragma once

#include "KestrinHost/HostValue.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace KestrinHost {

/*
Description:
  A host command.
Parameters:
  answers - [in] the values given after the command name, in order.
Returns:
  RTNORM on success, or a failure code (RTERROR, RTREJ, RTCAN).
Remarks:
  An exception that leaves the command is turned into RTERROR by CommandTable::Run.
*/
using CommandHandler = std::function<int(const std::vector<HostValue>& answers)>;

class CommandTable {
public:
    /*
    Description:
      The name under which a typed command is looked up.
    Parameters:
      typed - [in] the command as typed ("_menuload", "._LINE").
    Returns:
      The name without its leading "_" and "." prefixes, in upper case ("MENULOAD"); empty when
      nothing else is left.
    */
    static std::wstring GlobalName(const std::wstring& typed);

    /*
    Description:
      Adds a command or replaces the one of the same name.
    Parameters:
      name    - [in] the command's name; any "_" or "." prefix is dropped.
      handler - [in] what the command does.
    Returns:
      false, changing nothing, when the name is empty or the handler is empty.
    */
    bool Register(const std::wstring& name, CommandHandler handler);

    /// Removes a command; false when it is unknown.
    bool Unregister(const std::wstring& name);

    /// true when the typed name finds a command.
    bool Contains(const std::wstring& typed) const;

    /*
    Description:
      Runs a command.
    Parameters:
      typed   - [in] the command name as typed.
      answers - [in] the answers handed to the command.
    Returns:
      The command's result; RTERROR when no command has that name or the command threw.
    Remarks:
      The command may change the table while it runs (it runs from a copy of its handler).
    */
    int Run(const std::wstring& typed, const std::vector<HostValue>& answers) const;

    /// The global names of all commands, in alphabetical order.
    std::vector<std::wstring> Names() const;

    /// Removes every command.
    void Clear();

private:
    std::map<std::wstring, CommandHandler> m_commands; // keyed by GlobalName
};

} // namespace KestrinHost
