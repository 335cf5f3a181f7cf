// Kestrin host program: registration of the host commands and the small ones (NEW, CLOSE, MENU,
// HELP, QUIT). Every handler reports its own failures on the command line; nothing leaves it by
// exception, because the command table would turn that into a bare error code.
#include "commands/HostCommands.h"

#include "app/HostSession.h"
#include "app/WideText.h"
#include "commands/CommandListing.h"
#include "commands/MenuListing.h"
#include "commands/SaveAsCommand.h"
#include "commands/UnsavedChanges.h"

#include "Ed/EdCommandStack.h"
#include "KestrinHost/HostServices.h"
#include "sds.h"

#include <exception>
#include <functional>

namespace KestrinApp {

namespace {

using HostCommandBody = std::function<int(HostSession* session, const std::wstring& answer)>;

std::wstring FirstAnswer(const std::vector<KestrinHost::HostValue>& answers) {
    if (answers.empty()) {
        return {};
    }
    const std::wstring* pText = std::get_if<std::wstring>(&answers.front());
    return pText ? *pText : std::wstring();
}

// Wraps a command body so that an exception becomes a message and RTERROR.
KestrinHost::CommandHandler Guarded(HostSession* session, const wchar_t* name,
                                    HostCommandBody body) {
    return [session, name, body](const std::vector<KestrinHost::HostValue>& answers) {
        CommandLine& line = session->Line();
        try {
            return body(session, FirstAnswer(answers));
        } catch (const OdError& error) {
            line.WriteLine(std::wstring(L"Error in ") + name + L": " + error.description().c_str());
        } catch (const std::exception& error) {
            line.WriteLine(std::wstring(L"Error in ") + name + L": " + FromUtf8(error.what()));
        }
        return RTERROR;
    };
}

int NewCommand(HostSession* session, const std::wstring&) {
    if (!SettleUnsavedChanges(session)) {
        return RTCAN;
    }
    session->NewDrawing();
    session->Line().WriteLine(L"New drawing.");
    return RTNORM;
}

int CloseCommand(HostSession* session, const std::wstring&) {
    if (!session->Drawing()) {
        session->Line().WriteLine(L"No drawing is open.");
        return RTERROR;
    }
    if (!SettleUnsavedChanges(session)) {
        return RTCAN;
    }
    session->CloseDrawing();
    session->Line().WriteLine(L"Drawing closed.");
    return RTNORM;
}

int MenuCommand(HostSession* session, const std::wstring&) {
    session->Line().Write(FormatMenuBar(KestrinHost::Host().Bar()));
    return RTNORM;
}

int HelpCommand(HostSession* session, const std::wstring&) {
    session->Line().Write(FormatCommandList(KestrinHost::Host().Commands().Names(),
                                            HostCommandList(), *odedRegCmds()));
    return RTNORM;
}

int QuitCommand(HostSession* session, const std::wstring&) {
    if (!SettleUnsavedChanges(session)) {
        return RTCAN;
    }
    session->RequestQuit();
    return RTNORM;
}

struct HostCommandEntry {
    HostCommandInfo info;
    HostCommandBody body;
};

const std::vector<HostCommandEntry>& Entries() {
    static const std::vector<HostCommandEntry> entries = {
        {{L"SAVEAS", L"Saves the drawing as a DXF file: SAVEAS file.dxf"}, SaveAsCommand},
        {{L"NEW", L"Starts a new empty drawing (asks first about unsaved changes)"}, NewCommand},
        {{L"CLOSE", L"Closes the drawing; commands then run without one"}, CloseCommand},
        {{L"MENU", L"Shows the menu bar and its pull-down menus"}, MenuCommand},
        {{L"HELP", L"Lists the commands"}, HelpCommand},
        {{L"QUIT", L"Ends the session"}, QuitCommand},
        // The host function layer's own; listed here for its summary only.
        {{L"MENULOAD", L"Loads a menu file: MENULOAD file.mnu"}, nullptr},
    };
    return entries;
}

} // namespace

std::vector<HostCommandInfo> HostCommandList() {
    std::vector<HostCommandInfo> infos;
    for (const HostCommandEntry& entry : Entries()) {
        infos.push_back(entry.info);
    }
    return infos;
}

void RegisterHostCommands(HostSession* session) {
    KestrinHost::CommandTable& table = KestrinHost::Host().Commands();
    for (const HostCommandEntry& entry : Entries()) {
        if (!entry.body) {
            continue;
        }
        table.Register(entry.info.name, Guarded(session, entry.info.name, entry.body));
    }
}

void UnregisterHostCommands() {
    KestrinHost::CommandTable& table = KestrinHost::Host().Commands();
    for (const HostCommandEntry& entry : Entries()) {
        if (!entry.body) {
            continue;
        }
        table.Unregister(entry.info.name);
    }
}

} // namespace KestrinApp
