// Kestrin host program: the host's own commands, the ones a CAD user expects of any host:
// SAVEAS, QSAVE (and SAVE), NEW, CLOSE, MENU, STATUS, ZOOM, HELP and QUIT. They live in the
// host function layer's command table (beside its MENULOAD), so that a module can run them with
// sds_command as well as a user can type them. Each takes its answer from the typed line or asks
// for it; MENULOAD, which the host function layer runs, is asked for its file by the session.
#pragma once

#include "Session/HostSession.h"

#include <vector>

namespace KestrinApp {

/// One host command as HELP lists it.
struct HostCommandInfo {
    const wchar_t* name;    // the global name, upper case
    const wchar_t* summary; // one line for HELP
    const wchar_t* usage;   // how it is typed, for "HELP NAME"
};

/// The host program's commands with their summaries.
std::vector<HostCommandInfo> HostCommandList();

/// A host session with the host's own commands registered for as long as it lives.
class CommandSession : public HostSession {
public:
    explicit CommandSession(CommandLine* commandLine);
    ~CommandSession();
    CommandSession(const CommandSession&) = delete;
    CommandSession& operator=(const CommandSession&) = delete;
};

} // namespace KestrinApp
