// Kestrin host program: the batch import.
#include "app/ImportRun.h"

#include "app/ProgressSpinner.h"
#include "app/WideText.h"
#include "commands/OutputFile.h"
#include "commands/SaveAsCommand.h"

#include <fmt/core.h>

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

ExitStatus RunImport(HostSession* session, ScriptAnswerUi* ui, const ProgramOptions& options) {
    // The output is checked first: an import can take long, and its result must have a place.
    const std::wstring output = DxfFileName(FromUtf8(options.outputFile));
    if (const std::wstring refusal = RefusedDxfName(output); !refusal.empty()) {
        fmt::print(stderr, "kestrin: {}\n", ToUtf8(refusal));
        return ExitStatus::BadUsage;
    }
    if (const std::wstring problem = OutputFolderProblem(output); !problem.empty()) {
        fmt::print(stderr, "kestrin: {}\n", ToUtf8(problem));
        return ExitStatus::SaveFailed;
    }
    const std::wstring file = FromUtf8(options.importFile);
    ui->BeginCommand({
        ScriptAnswer::FromAction(KestrinHost::ScriptAction::File(file), L"the STEP file"),
        ScriptAnswer::FromChoices(options.choices, true, L"the import options"),
    });
    CommandOutcome outcome = CommandOutcome::Failed;
    {
        const std::string name = std::filesystem::path(options.importFile).filename().string();
        ProgressSpinner progress("Importing " + name, options.bProgress ? stderr : nullptr);
        session->Line().SetBeforeWrite([&progress] { progress.EraseLine(); });
        outcome = session->Execute(kImportCommand);
        session->Line().SetBeforeWrite(nullptr);
    }
    const std::wstring shown = session->Line().TextSinceMark();
    const std::vector<std::wstring> unused = ui->EndCommand();
    if (outcome != CommandOutcome::Done || shown.find(kImportSuccess) == std::wstring::npos ||
        !unused.empty()) {
        const std::wstring message = LastLine(shown);
        fmt::print(stderr, "kestrin: {} was not imported: {}\n", options.importFile,
                   message.empty() ? std::string("the import command showed nothing")
                                   : ToUtf8(message));
        return ExitStatus::CommandFailed;
    }
    if (!SaveDrawing(session, output)) {
        fmt::print(stderr, "kestrin: the drawing was not saved: {}\n",
                   ToUtf8(LastLine(session->Line().TextSinceMark())));
        return ExitStatus::SaveFailed;
    }
    return ExitStatus::Ok;
}

} // namespace KestrinApp
