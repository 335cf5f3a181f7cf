// Kestrin host program: the host's own commands, the ones a CAD user expects of any host:
// SAVEAS, NEW, CLOSE, MENU, HELP and QUIT. They live in the host function layer's command table
// (beside its MENULOAD), so that a module can run them with sds_command as well as a user can
// type them. Each takes its answer from the typed line or asks for it.
#pragma once

#include <string>
#include <vector>

namespace KestrinApp {

class HostSession;

/// One host command as HELP lists it.
struct HostCommandInfo {
    const wchar_t* name;    // the global name, upper case
    const wchar_t* summary; // one line for HELP
};

/// The host program's commands with their summaries.
std::vector<HostCommandInfo> HostCommandList();

/*
Description:
  Registers the host commands for a session.
Parameters:
  session - [in] the session they act on; it must unregister them before it goes.
*/
void RegisterHostCommands(HostSession* session);

/// Removes the host commands again.
void UnregisterHostCommands();

} // namespace KestrinApp
