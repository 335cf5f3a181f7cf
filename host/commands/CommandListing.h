// Kestrin host program: the text HELP shows: the host's commands, then the commands of the
// command stack grouped as the modules added them.
#pragma once

#include "commands/HostCommands.h"

#include "Ed/EdCommandStack.h"

#include <string>
#include <vector>

namespace KestrinApp {

/*
Description:
  Formats the command list.
Parameters:
  hostNames - [in] the global names of the host's command table.
  summaries - [in] one-line summaries of host commands; a name without one is listed bare.
  stack     - [in] the command stack; undefined commands are left out.
Returns:
  Lines ending in "\n": a heading, one line per host command, then per group of the stack its
  name and one line per command (global name, and the local name when it differs).
*/
std::wstring FormatCommandList(const std::vector<std::wstring>& hostNames,
                               const std::vector<HostCommandInfo>& summaries,
                               const OdEdCommandStack& stack);

} // namespace KestrinApp
