// Kestrin host program: the text HELP shows: the host's commands, then the commands of the
// command stack grouped as the modules added them, one line each of what the command does; and
// what "HELP NAME" tells about one command. A module command says what it does through the menu
// item that runs it, when a menu has one; otherwise its line names its group and command.
#pragma once

#include "Commands/HostCommands.h"

#include "Ed/EdCommandStack.h"
#include "KestrinHost/MenuBar.h"

#include <optional>
#include <string>
#include <vector>

namespace KestrinApp {

/// Where a listing finds what it lists.
struct CommandSources {
    std::vector<std::wstring> hostNames;       // the global names of the host's command table
    std::vector<HostCommandInfo> hostCommands; // summaries and usage of host commands
    const OdEdCommandStack* pStack;            // the module commands; undefined ones left out
    const KestrinHost::MenuBar* pBar;          // the menu items that run module commands
};

/*
Description:
  Formats the command list.
Returns:
  Lines ending in "\n": a heading, one line per host command (name and summary; a name without
  a summary is listed bare), then per group of the stack its name and one line per command
  (global name, the local name when it differs, and what it does).
*/
std::wstring FormatCommandList(const CommandSources& sources);

/*
Description:
  What HELP tells about one command.
Parameters:
  sources - [in] as for FormatCommandList().
  typed   - [in] the name as typed: case and leading '_' or '.' do not matter.
Returns:
  Lines ending in "\n": the name with what it does, how to type it, its group and the menu
  item that runs it where these are known; no value when no command has the name.
*/
std::optional<std::wstring> DescribeCommand(const CommandSources& sources,
                                            const std::wstring& typed);

} // namespace KestrinApp
