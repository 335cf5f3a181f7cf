// Kestrin host program: the three ways to run. Each starts the same host: system variables from
// the command line, the application object with the main window, a session with a new drawing,
// the module loaded and started; then it reads commands (terminal, script, piped input) or runs
// one import and saves, or reports the versions. The module is stopped and unloaded before the
// session and the UI go.
#include "Program/Program.h"

#include "Batch/FolderImport.h"
#include "Batch/OneDrawingImport.h"
#include "Commands/CommandLoop.h"
#include "Commands/HostCommands.h"
#include "Program/TerminalFront.h"
#include "Runs/ImportOutcome.h"
#include "Runs/ImportRun.h"
#include "Runs/RunFolder.h"
#include "Runs/ScriptAnswerUi.h"
#include "Runs/ScriptRunner.h"
#include "Session/CommandLine.h"
#include "Session/FailureReport.h"
#include "Session/HostWindow.h"
#include "Session/LoadedModule.h"
#include "Session/WideText.h"

#include "HostUi/ScriptedUi.h"
#include "KestrinHost/HostServices.h"
#include "TerminalUi/Interrupts.h"

#include <fmt/core.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <unistd.h>

namespace KestrinApp {

namespace {

constexpr const char* kModuleFileName = "Kestrin_Bricscad_2.05_8.drx";

bool ApplyVariables(const std::vector<VariableSetting>& settings) {
    for (const VariableSetting& setting : settings) {
        if (!KestrinHost::Host().Variables().SetFromText(FromUtf8(setting.name),
                                                         FromUtf8(setting.value))) {
            ReportFailure(fmt::format("--set {}={}: not a value of that variable", setting.name,
                                      setting.value));
            return false;
        }
    }
    return true;
}

// The module file beside the program's own executable (the build tree), or else in the installed
// private folder, KESTRIN_MODULE_DIR_FROM_PROGRAM from it (set by packaging/Install.cmake). Both
// follow from where the program lies, never from the current folder, so an installed tree works
// under any prefix and wherever it is moved.
std::wstring DefaultModulePath() {
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path beside = folder / kModuleFileName;
    const std::filesystem::path installed =
        folder / KESTRIN_MODULE_DIR_FROM_PROGRAM / kModuleFileName;
    return FromUtf8(
        (std::filesystem::is_regular_file(beside, error) ? beside : installed).string());
}

std::unique_ptr<LoadedModule> LoadModule(const ProgramOptions& options) {
    const std::wstring path =
        options.modulePath.empty() ? DefaultModulePath() : FromUtf8(options.modulePath);
    ModuleLoadStatus status = ModuleLoadStatus::Ok;
    std::wstring reason;
    std::unique_ptr<LoadedModule> module = LoadedModule::Load(path, &status, &reason);
    if (!module) {
        ReportFailure(ToUtf8(reason));
    }
    return module;
}

// "--version", first line: the program's version with the toolkit interface it offers.
void ReportProgramVersion() {
    fmt::print("kestrin {} (toolkit interface {})\n", KESTRIN_VERSION,
               ToUtf8(kHostApiVersion.ToText()));
    std::fflush(stdout);
}

// "--version", second line: the module's version, as its about box titles it.
ExitStatus ReportModuleVersion(HostSession* session, const LoadedModule& module) {
    KestrinHost::ScriptedUi ui;
    {
        KestrinUi::ScopedUserInterface installed(ui);
        session->Line().SetOutput(nullptr);
        session->Execute(L"KestrinAbout");
    }
    const std::vector<KestrinHost::TranscriptEntry> about =
        ui.GetTranscript().OfKind(KestrinHost::ShownKind::About);
    fmt::print("{}: {}\n", std::filesystem::path(ToUtf8(module.Path())).filename().string(),
               about.empty() ? std::string("(the module shows no version)")
                             : ToUtf8(about.front().text));
    return ExitStatus::Ok;
}

ExitStatus RunScriptFrom(std::istream* script, HostSession* session, CommandLine* line,
                         bool bVerbose) {
    ScriptAnswerUi ui(line, TranscriptEcho::Everything, bVerbose);
    KestrinUi::ScopedUserInterface installed(ui);
    return RunScript(session, &ui, script) == 0 ? ExitStatus::Ok : ExitStatus::CommandFailed;
}

ExitStatus RunInteractive(HostSession* session) {
    KestrinTerminalUi::InterruptCatcher interrupts; // Ctrl+C cancels a line, never the program
    TerminalFront terminal(&session->Line());
    KestrinUi::ScopedUserInterface installed(terminal);
    session->Line().WriteLine(L"Type HELP for the commands, QUIT to leave.");
    session->SetAnswerSource(&terminal);
    RunCommandLoop(session, &terminal);
    session->SetAnswerSource(nullptr);
    return ExitStatus::Ok;
}

ExitStatus RunChosenMode(const ProgramOptions& options, HostSession* session, CommandLine* line,
                         ImportOutcome* outcome) {
    switch (options.mode) {
    case RunMode::Import: {
        std::optional<RunFolder> folder;
        // The run's own settings store: it starts from the defaults (or a copy of the stored
        // options) and leaves the user's stored options as they were.
        std::optional<RunSettingsStore> store;
        try {
            folder.emplace();
            store.emplace(*folder, options.bStoredOptions);
        } catch (const std::filesystem::filesystem_error& error) {
            ReportFailure(fmt::format("{}: {}", error.path1().string(), error.what()));
            return ExitStatus::CommandFailed;
        }
        ScriptAnswerUi ui(line, TranscriptEcho::MessagesAndNotes, options.bVerbose);
        KestrinUi::ScopedUserInterface installed(ui);
        return IsSingleFileImport(options) ? RunImport(session, &ui, options, *folder, outcome)
                                           : RunOneDrawingImport(session, &ui, options, *folder);
    }
    case RunMode::Script: {
        std::ifstream script(options.scriptPath);
        if (!script) {
            ReportFailure(fmt::format("cannot read the script {}", options.scriptPath));
            return ExitStatus::BadUsage;
        }
        return RunScriptFrom(&script, session, line, options.bVerbose);
    }
    case RunMode::Session:
    case RunMode::Version:
        break;
    }
    return isatty(STDIN_FILENO) ? RunInteractive(session)
                                : RunScriptFrom(&std::cin, session, line, options.bVerbose);
}

// The program's run; outcome gets what became of a single file's import.
ExitStatus RunHost(const ProgramOptions& options, ImportOutcome* outcome) {
    if (!ApplyVariables(options.variables)) {
        return ExitStatus::BadUsage;
    }
    if (options.mode == RunMode::Import && !options.outputDir.empty()) {
        return RunFolderImport(options); // each file in a host process of its own
    }
    HostApplication application;
    // With the drawing on standard output, every message goes to standard error.
    const bool bDrawingToStandardOutput =
        options.mode == RunMode::Import && options.outputFile == kStandardOutputName;
    CommandLine line(bDrawingToStandardOutput ? stderr : stdout);
    CommandSession session(&line);
    if (options.mode == RunMode::Version) {
        ReportProgramVersion();
    }
    std::unique_ptr<LoadedModule> module = LoadModule(options);
    if (!module) {
        return ExitStatus::ModuleFailed;
    }
    const ExitStatus status = options.mode == RunMode::Version
                                  ? ReportModuleVersion(&session, *module)
                                  : RunChosenMode(options, &session, &line, outcome);
    module.reset(); // stop, delete module, unload: while the session and the window still exist
    return status;
}

} // namespace

ExitStatus RunProgram(const ProgramOptions& options) {
    ImportOutcome outcome;
    const ExitStatus status = RunHost(options, &outcome);
    if (options.reportFd >= 0) {
        if (!outcome.bImported && outcome.reason.empty()) {
            outcome.reason = LastReportedFailure(); // a failure before the import could start
        }
        if (const int error = WriteReport(options.reportFd, outcome); error != 0) {
            ReportFailure(fmt::format("the outcome could not be reported on descriptor {}: {}",
                                      options.reportFd, std::strerror(error)));
        }
    }
    return status;
}

} // namespace KestrinApp
