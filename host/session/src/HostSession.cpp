// Kestrin host program: running typed lines. Host commands come first, so that a module cannot
// take the name of SAVEAS or QUIT away from the user; the command stack is asked next. Each
// module command runs with a context made for that run: a drawing context over the current
// drawing and the command line, or none when no drawing is open.
#include "Session/HostSession.h"

#include "Session/TypedCommand.h"
#include "Session/WideText.h"

#include "DbHostServices.h"
#include "Ed/EdCommandStack.h"
#include "HostUi/FileNames.h"
#include "KestrinHost/HostServices.h"
#include "sds.h"
#include "shellapi.h"

#include <exception>
#include <filesystem>
#include <vector>

namespace KestrinApp {

namespace {

// The question for a host command typed without its answer that does not ask for it itself:
// MENULOAD, which the host function layer runs, takes its file as an argument only.
const wchar_t* QuestionFor(const std::wstring& globalName) {
    return globalName == L"MENULOAD" ? L"Menu file to load: " : nullptr;
}

} // namespace

HostSession::HostSession(CommandLine* commandLine) : m_pLine(commandLine) {
    NewDrawing();
    KestrinHost::Host().SetMessageSink(
        [this](const std::wstring& message) { m_pLine->WriteLine(message); });
    KestrinWin32::SetOpenerFailureHandler(
        [this](const std::string& file) { m_unshownFiles.push_back(FromUtf8(file)); });
}

HostSession::~HostSession() {
    KestrinWin32::SetOpenerFailureHandler(nullptr);
    KestrinHost::Host().SetMessageSink(nullptr);
}

void HostSession::NewDrawing() {
    m_pDrawing = OdDbDatabase::createObject();
    m_drawingName = L"Drawing" + std::to_wstring(++m_nNewDrawings);
    m_bHasFile = false;
    m_savedHandseed = m_pDrawing->handseed();
}

// Every object added to a drawing takes a handle from its seed, so a seed that moved means
// objects were added.
bool HostSession::HasUnsavedChanges() const {
    return !m_pDrawing.isNull() && m_pDrawing->handseed() != m_savedHandseed;
}

void HostSession::DrawingSaved(const std::wstring& path) {
    if (!m_pDrawing.isNull()) {
        m_drawingName = path;
        m_bHasFile = true;
        m_savedHandseed = m_pDrawing->handseed();
    }
}

InputLine HostSession::Ask(const std::wstring& prompt) {
    if (!m_pAnswers) {
        return InputLine::End();
    }
    InputLine answer = m_pAnswers->ReadLine(prompt);
    if (answer.kind == InputLine::Kind::Cancelled) {
        m_pLine->WriteLine(CommandLine::Cancelled);
    }
    answer.text = Trimmed(answer.text);
    return answer;
}

CommandOutcome HostSession::Execute(const std::wstring& line) {
    const TypedCommand typed = ParseTypedCommand(line);
    if (typed.IsEmpty()) {
        return CommandOutcome::Empty;
    }
    m_pLine->Mark();
    KestrinHost::CommandTable& hostCommands = KestrinHost::Host().Commands();
    if (hostCommands.Contains(typed.name)) {
        std::wstring answer = typed.argument;
        const wchar_t* question = QuestionFor(KestrinHost::CommandTable::GlobalName(typed.name));
        if (answer.empty() && question) {
            answer = Ask(question).text; // empty unless a line was entered
            if (answer.empty()) {
                m_pLine->WriteLine(L"Cancelled: no answer given.");
                return CommandOutcome::Failed;
            }
        }
        if (question) {
            answer = KestrinHost::TypedFileName(answer); // the questions ask for files
        }
        std::vector<KestrinHost::HostValue> answers;
        if (!answer.empty()) {
            answers.emplace_back(answer);
        }
        return hostCommands.Run(typed.name, answers) == RTNORM ? CommandOutcome::Done
                                                               : CommandOutcome::Failed;
    }
    const CommandOutcome outcome = RunModuleCommand(typed.name);
    // After the command's own message (the module says the page did not open): where it is.
    for (const std::wstring& file : m_unshownFiles) {
        std::error_code error;
        if (std::filesystem::is_regular_file(std::filesystem::path(ToUtf8(file)), error)) {
            m_pLine->WriteLine(L"The page is there, at " + file +
                               L", but no program here could show it: open it in a web browser.");
        } else {
            m_pLine->WriteLine(L"No program could show " + file + L", and it is not there.");
        }
    }
    m_unshownFiles.clear();
    if (outcome == CommandOutcome::Unknown) {
        m_pLine->WriteLine(UnknownCommandMessage(typed.name));
    } else if (!typed.argument.empty()) {
        m_pLine->WriteLine(L"(\"" + typed.argument + L"\" was not used: " + typed.name +
                           L" asks for what it needs)");
    }
    return outcome;
}

CommandOutcome HostSession::RunModuleCommand(const std::wstring& name) {
    const std::wstring lookupName = LookupName(name);
    if (lookupName.empty()) {
        return CommandOutcome::Unknown;
    }
    OdEdCommandPtr pCommand = odedRegCmds()->lookupCmd(OdString(lookupName.c_str()));
    if (pCommand.isNull() || pCommand->isUndefined()) {
        return CommandOutcome::Unknown;
    }
    try {
        OdDbUserIOPtr pUserIO =
            odDbCreateUserIO([this](const OdString& text) { m_pLine->Write(text.c_str()); });
        // With no drawing open a command gets no context at all: that is how the import
        // command learns there is no active drawing (it then says so in a message box).
        OdEdCommandContextPtr pContext;
        if (!m_pDrawing.isNull()) {
            pContext = odDbCreateCommandContext(m_pDrawing.get(), pUserIO.get());
        }
        pCommand->execute(pContext.get());
        m_pLine->EndLine();
        return CommandOutcome::Done;
    } catch (const OdError& error) {
        m_pLine->EndLine();
        m_pLine->WriteLine(L"Error in " + lookupName + L": " + error.description().c_str());
    } catch (const std::exception& error) {
        m_pLine->EndLine();
        m_pLine->WriteLine(L"Error in " + lookupName + L": " + FromUtf8(error.what()));
    } catch (...) {
        m_pLine->EndLine();
        m_pLine->WriteLine(L"Error in " + lookupName + L": an unknown exception");
    }
    return CommandOutcome::Failed;
}

} // namespace KestrinApp
