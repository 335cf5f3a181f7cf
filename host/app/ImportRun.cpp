// Kestrin host program: the batch import.
#include "app/ImportRun.h"

#include "app/ProgressSpinner.h"
#include "app/WideText.h"
#include "commands/OutputFile.h"
#include "commands/SaveAsCommand.h"

#include <fmt/core.h>

#include <csignal>
#include <filesystem>

namespace KestrinApp {

namespace {

// The last non-blank line of a text: the command line's final message.
std::wstring LastLine(const std::wstring& text) {
    const std::wstring trimmed = Trimmed(text);
    const std::size_t lineEnd = trimmed.find_last_of(L'\n');
    return lineEnd == std::wstring::npos ? trimmed : trimmed.substr(lineEnd + 1);
}

} // namespace

ExitStatus CheckOutputFile(const std::string& outputFile, std::wstring* output) {
    *output = DxfFileName(FromUtf8(outputFile));
    if (const std::wstring refusal = RefusedDxfName(*output); !refusal.empty()) {
        fmt::print(stderr, "kestrin: {}\n", ToUtf8(refusal));
        return ExitStatus::BadUsage;
    }
    if (const std::wstring problem = OutputFolderProblem(*output); !problem.empty()) {
        fmt::print(stderr, "kestrin: {}\n", ToUtf8(problem));
        return ExitStatus::SaveFailed;
    }
    return ExitStatus::Ok;
}

std::optional<std::wstring> ImportFile(HostSession* session, ScriptAnswerUi* ui,
                                       const std::string& file, const ImportChoices& choices) {
    ui->BeginCommand({
        ScriptAnswer::FromAction(KestrinHost::ScriptAction::File(FromUtf8(file)),
                                 L"the STEP file"),
        ScriptAnswer::FromChoices(choices, true, L"the import options"),
    });
    const CommandOutcome outcome = session->Execute(kImportCommand);
    const std::wstring shown = session->Line().TextSinceMark();
    const std::vector<std::wstring> unused = ui->EndCommand();
    if (outcome == CommandOutcome::Done && shown.find(kImportSuccess) != std::wstring::npos &&
        unused.empty()) {
        return std::nullopt;
    }
    const std::wstring message = LastLine(shown);
    return message.empty() ? std::wstring(L"the import command showed nothing") : message;
}

void ReportNotImported(const std::string& file, const std::wstring& reason) {
    fmt::print(stderr, "kestrin: {} was not imported: {}\n", file, ToUtf8(reason));
}

bool SaveImportedDrawing(HostSession* session, const std::wstring& output) {
    sigset_t interrupts;
    sigemptyset(&interrupts);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&interrupts, signal);
    }
    sigset_t previous;
    ::pthread_sigmask(SIG_BLOCK, &interrupts, &previous);
    const bool bSaved = SaveDrawing(session, output);
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (!bSaved) {
        fmt::print(stderr, "kestrin: the drawing was not saved: {}\n",
                   ToUtf8(LastLine(session->Line().TextSinceMark())));
    }
    return bSaved;
}

ExitStatus RunImport(HostSession* session, ScriptAnswerUi* ui, const ProgramOptions& options) {
    // The output is checked first: an import can take long, and its result must have a place.
    std::wstring output;
    if (const ExitStatus refused = CheckOutputFile(options.outputFile, &output);
        refused != ExitStatus::Ok) {
        return refused;
    }
    const std::string& file = options.importFiles.front();
    std::optional<std::wstring> failure;
    {
        const std::string name = std::filesystem::path(file).filename().string();
        ProgressSpinner progress("Importing " + name, options.bProgress ? stderr : nullptr);
        session->Line().SetBeforeWrite([&progress] { progress.EraseLine(); });
        failure = ImportFile(session, ui, file, options.choices);
        session->Line().SetBeforeWrite(nullptr);
    }
    if (failure) {
        ReportNotImported(file, *failure);
        return ExitStatus::CommandFailed;
    }
    return SaveImportedDrawing(session, output) ? ExitStatus::Ok : ExitStatus::SaveFailed;
}

} // namespace KestrinApp
