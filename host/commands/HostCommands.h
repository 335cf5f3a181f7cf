// Kestrin host program: the host's own commands, the ones a CAD user expects of any host:
// SAVEAS, QSAVE (and SAVE), NEW, CLOSE, MENU, STATUS, ZOOM, HELP and QUIT. They live in the host function layer's command table
// (beside its MENULOAD), so that a module can run them with sds_command as well as a user can
// type them. Each takes its answer from the typed line or asks for it; MENULOAD, which the
// host function layer runs, is asked for its file by the session (HostCommandQuestion()).
#pragma once

#include <string>
#include <vector>

namespace KestrinApp {

class HostSession;

/// One host command as HELP lists it.
struct HostCommandInfo {
    const wchar_t* name;    // the global name, upper case
    const wchar_t* summary; // one line for HELP
    const wchar_t* usage;   // how it is typed, for "HELP NAME"
};

/// The host program's commands with their summaries.
std::vector<HostCommandInfo> HostCommandList();

/*
Description:
  The question the session asks for a host command typed without its answer, for the commands
  that do not ask themselves.
Parameters:
  name - [in] the command's global name.
Returns:
  The question ("Menu file to load: "); null when the command needs none or asks itself.
*/
const wchar_t* HostCommandQuestion(const std::wstring& name);

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
