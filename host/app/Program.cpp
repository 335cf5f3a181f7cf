// Kestrin host program: the three ways to run. Each starts the same host: system variables from
// the command line, the application object with the main window, a session with a new drawing,
// the module loaded and started; then it reads commands (terminal, script, piped input) or runs
// one import and saves. The module is stopped and unloaded before the session and the UI go.
#include "app/Program.h"

#include "app/CommandLine.h"
#include "app/HostSession.h"
#include "app/HostWindow.h"
#include "app/ImportRun.h"
#include "app/LoadedModule.h"
#include "app/ScriptAnswerUi.h"
#include "app/ScriptRunner.h"
#include "app/TerminalFront.h"
#include "app/WideText.h"
#include "batch/FolderImport.h"
#include "batch/OneDrawingImport.h"

#include "KestrinHost/HostServices.h"
#include "TerminalUi/Interrupts.h"

#include <fmt/core.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace KestrinApp {

namespace {

constexpr const char* kModuleFileName = "Kestrin_Bricscad_2.05_8.drx";

bool ApplyVariables(const std::vector<VariableSetting>& settings) {
    for (const VariableSetting& setting : settings) {
        if (!KestrinHost::Host().Variables().SetFromText(FromUtf8(setting.name),
                                                        FromUtf8(setting.value))) {
            fmt::print(stderr, "kestrin: --set {}={}: not a value of that variable\n",
                       setting.name, setting.value);
            return false;
        }
    }
    return true;
}

// The module file installed beside the program's own executable.
std::wstring DefaultModulePath() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::current_path() : program.parent_path();
    return FromUtf8((folder / kModuleFileName).string());
}

std::unique_ptr<LoadedModule> LoadModule(const ProgramOptions& options) {
    const std::wstring path =
        options.modulePath.empty() ? DefaultModulePath() : FromUtf8(options.modulePath);
    ModuleLoadStatus status = ModuleLoadStatus::Ok;
    std::wstring reason;
    std::unique_ptr<LoadedModule> module = LoadedModule::Load(path, &status, &reason);
    if (!module) {
        fmt::print(stderr, "kestrin: {}\n", ToUtf8(reason));
    }
    return module;
}

ExitStatus RunScriptFrom(std::istream* script, HostSession* session, CommandLine* line) {
    ScriptAnswerUi ui(line, TranscriptEcho::Everything);
    KestrinUi::ScopedUserInterface installed(ui);
    return RunScript(session, &ui, script) == 0 ? ExitStatus::Ok : ExitStatus::CommandFailed;
}

ExitStatus RunInteractive(HostSession* session) {
    KestrinTerminalUi::InterruptCatcher interrupts; // Ctrl+C cancels a line, never the program
    TerminalFront terminal(&session->Line());
    KestrinUi::ScopedUserInterface installed(terminal);
    session->SetAnswerSource(&terminal);
    RunCommandLoop(session, &terminal);
    session->SetAnswerSource(nullptr);
    return ExitStatus::Ok;
}

ExitStatus RunChosenMode(const ProgramOptions& options, HostSession* session, CommandLine* line) {
    switch (options.mode) {
    case RunMode::Import: {
        ScriptAnswerUi ui(line, TranscriptEcho::MessagesAndNotes);
        KestrinUi::ScopedUserInterface installed(ui);
        return IsSingleFileImport(options) ? RunImport(session, &ui, options)
                                           : RunOneDrawingImport(session, &ui, options);
    }
    case RunMode::Script: {
        std::ifstream script(options.scriptPath);
        if (!script) {
            fmt::print(stderr, "kestrin: cannot read the script {}\n", options.scriptPath);
            return ExitStatus::BadUsage;
        }
        return RunScriptFrom(&script, session, line);
    }
    case RunMode::Session:
        break;
    }
    return isatty(STDIN_FILENO) ? RunInteractive(session) : RunScriptFrom(&std::cin, session, line);
}

} // namespace

ExitStatus RunProgram(const ProgramOptions& options) {
    if (!ApplyVariables(options.variables)) {
        return ExitStatus::BadUsage;
    }
    if (options.mode == RunMode::Import && !options.outputDir.empty()) {
        return RunFolderImport(options); // each file in a host process of its own
    }
    HostApplication application;
    CommandLine line;
    HostSession session(&line);
    std::unique_ptr<LoadedModule> module = LoadModule(options);
    if (!module) {
        return ExitStatus::ModuleFailed;
    }
    const ExitStatus status = RunChosenMode(options, &session, &line);
    module.reset(); // stop, delete module, unload: while the session and the window still exist
    return status;
}

} // namespace KestrinApp
