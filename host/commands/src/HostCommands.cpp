// Kestrin host program: registration of the host commands and the small ones (NEW, CLOSE, MENU,
// HELP, STATUS, ZOOM, QUIT). Every handler reports its own failures on the command line; no
// exception of any kind leaves it, because the command table would turn that into a bare error
// code.
#include "Commands/HostCommands.h"

#include "Commands/CommandListing.h"
#include "Commands/DrawingSummary.h"
#include "Commands/MenuListing.h"
#include "Commands/SaveAsCommand.h"
#include "Commands/UnsavedChanges.h"
#include "Session/TypedCommand.h"
#include "Session/WideText.h"

#include "Ed/EdCommandStack.h"
#include "KestrinHost/HostServices.h"
#include "sds.h"

#include <exception>
#include <functional>
#include <optional>

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
        } catch (...) {
            line.WriteLine(std::wstring(L"Error in ") + name + L": an unknown exception");
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

// MENU lists the bar and runs the item picked by its number (typed with MENU or asked for).
int MenuCommand(HostSession* session, const std::wstring& answer) {
    const KestrinHost::MenuBar& bar = KestrinHost::Host().Bar();
    CommandLine& line = session->Line();
    std::wstring picked = answer;
    if (picked.empty()) {
        line.Write(FormatMenuBar(bar));
        if (bar.Entries().empty()) {
            return RTNORM;
        }
        picked = session->Ask(L"Item to run (its number; empty line: none): ").text;
        if (picked.empty()) {
            return RTNORM;
        }
    }
    const bool bDigits =
        picked.find_first_not_of(L"0123456789") == std::wstring::npos && picked.size() <= 9;
    const KestrinHost::MenuItem* item =
        bDigits ? MenuItemNumbered(bar, std::stoul(picked)) : nullptr;
    if (!item) {
        line.WriteLine(L"No menu item is numbered \"" + picked + L"\"; MENU lists them.");
        return RTERROR;
    }
    const std::wstring command = MacroCommandLine(item->macro);
    if (command.empty()) {
        line.WriteLine(L"The menu item \"" + item->DisplayLabel() + L"\" runs nothing.");
        return RTNORM;
    }
    line.WriteLine(CommandLine::Prompt + command);
    const CommandOutcome outcome = session->Execute(command);
    return outcome == CommandOutcome::Done ? RTNORM : RTERROR;
}

CommandSources ListingSources() {
    return {KestrinHost::Host().Commands().Names(), HostCommandList(), odedRegCmds().get(),
            &KestrinHost::Host().Bar()};
}

int HelpCommand(HostSession* session, const std::wstring& answer) {
    if (answer.empty()) {
        session->Line().Write(FormatCommandList(ListingSources()));
        return RTNORM;
    }
    const std::optional<std::wstring> about = DescribeCommand(ListingSources(), answer);
    if (!about) {
        session->Line().WriteLine(UnknownCommandMessage(answer));
        return RTERROR;
    }
    session->Line().Write(*about);
    return RTNORM;
}

int StatusCommand(HostSession* session, const std::wstring&) {
    if (!session->Drawing()) {
        session->Line().WriteLine(L"No drawing is open.");
        return RTERROR;
    }
    session->Line().Write(FormatStatus(session->DrawingName(), session->HasUnsavedChanges(),
                                       SummarizeDrawing(*session->Drawing())));
    return RTNORM;
}

// This host draws no view, so ZOOM offers Extents only, which says what a saved drawing opens
// on: its view is always fitted to the extents.
int ZoomCommand(HostSession* session, const std::wstring& answer) {
    CommandLine& line = session->Line();
    if (!session->Drawing()) {
        line.WriteLine(L"No drawing is open.");
        return RTERROR;
    }
    std::wstring option = answer;
    if (option.empty()) {
        const InputLine asked = session->Ask(L"Zoom option [Extents] <Extents>: ");
        if (asked.kind == InputLine::Kind::Cancelled) {
            return RTCAN;
        }
        option = asked.text;
    }
    const std::wstring word = UpperCase(option);
    if (!word.empty() && word != L"E" && word != L"EXTENTS") {
        line.WriteLine(L"ZOOM offers Extents only: this host draws no view, and a drawing is "
                       L"saved with its view fitted to its extents.");
        return RTERROR;
    }
    line.WriteLine(L"Extents: " + FormatExtents(SummarizeDrawing(*session->Drawing()).extents));
    line.WriteLine(L"This host draws no view; a saved drawing always opens fitted to its extents.");
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
        {{L"SAVEAS", L"Saves the drawing as a DXF file",
          L"SAVEAS file.dxf (without a name it asks for one; .dxf is added when the name has no "
          L"extension)"},
         SaveAsCommand},
        {{L"QSAVE", L"Saves the drawing to its file (as SAVEAS while it has none)",
          L"QSAVE (once the drawing has a file it is saved there without a question)"},
         QuickSaveCommand},
        {{L"SAVE", L"Saves the drawing to its file, as QSAVE does", L"SAVE"}, QuickSaveCommand},
        {{L"NEW", L"Starts a new empty drawing (asks first about unsaved changes)", L"NEW"},
         NewCommand},
        {{L"CLOSE", L"Closes the drawing; commands then run without one", L"CLOSE"}, CloseCommand},
        {{L"MENU", L"Shows the menu bar and runs the item picked by its number",
          L"MENU (lists the items and asks for a number), or MENU NUMBER"},
         MenuCommand},
        {{L"STATUS", L"Tells what the drawing holds: its entities by kind, extents and units",
          L"STATUS"},
         StatusCommand},
        {{L"ZOOM", L"Tells the extents a saved drawing opens on (Extents only)",
          L"ZOOM Extents (or ZOOM E; without an option it asks, Extents by default)"},
         ZoomCommand},
        {{L"HELP", L"Lists the commands", L"HELP, or HELP NAME for one command"}, HelpCommand},
        {{L"QUIT", L"Ends the session",
          L"QUIT (asks first whether to save unsaved changes: Yes "
          L"saves as SAVEAS does, No drops them, Cancel stays)"},
         QuitCommand},
        // The host function layer's own; listed here for its summary only.
        {{L"MENULOAD", L"Loads a menu file", L"MENULOAD file.mnu (without a name it asks for one)"},
         nullptr},
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

CommandSession::CommandSession(CommandLine* commandLine) : HostSession(commandLine) {
    KestrinHost::CommandTable& table = KestrinHost::Host().Commands();
    for (const HostCommandEntry& entry : Entries()) {
        if (entry.body) {
            table.Register(entry.info.name, Guarded(this, entry.info.name, entry.body));
        }
    }
}

CommandSession::~CommandSession() {
    KestrinHost::CommandTable& table = KestrinHost::Host().Commands();
    for (const HostCommandEntry& entry : Entries()) {
        if (entry.body) {
            table.Unregister(entry.info.name);
        }
    }
}

} // namespace KestrinApp
