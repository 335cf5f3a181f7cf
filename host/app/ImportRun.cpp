// Kestrin host program: the batch import. What the import and the save show on the command line
// is held back until the step ends: a step that succeeded shows it on the command line's stream,
// one that failed on standard error, its last line (the reason) said once, in the failure line.
#include "app/ImportRun.h"

#include "app/ProgressSpinner.h"
#include "app/WideText.h"
#include "commands/OutputFile.h"
#include "commands/SaveAsCommand.h"

#include <fmt/core.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace KestrinApp {

namespace {

constexpr const char* kStandardOutputDrawing = "drawing.dxf"; // in the run's folder

// Runs a step with the command line's output held back. Returns no value when it succeeded (what
// it showed is then shown on the command line's stream); otherwise its reason, the last line it
// showed, with the lines before it on standard error.
std::optional<std::wstring> RunHeldStep(CommandLine* line, const std::function<bool()>& step) {
    std::FILE* const messages = line->Output();
    line->SetOutput(nullptr);
    line->Mark();
    const bool bDone = step();
    line->SetOutput(messages);
    std::wstring shown = Trimmed(line->TextSinceMark());
    if (bDone) {
        if (!shown.empty()) {
            line->WriteLine(shown);
        }
        return std::nullopt;
    }
    const std::size_t lineEnd = shown.find_last_of(L'\n');
    const std::wstring reason = lineEnd == std::wstring::npos ? shown : shown.substr(lineEnd + 1);
    shown.resize(lineEnd == std::wstring::npos ? 0 : lineEnd);
    if (!shown.empty()) {
        fmt::print(stderr, "{}\n", ToUtf8(shown));
    }
    return reason;
}

// Copies a file to standard output; false (and why on standard error) when it could not.
bool CopyToStandardOutput(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    char buffer[1 << 16];
    while (in) {
        in.read(buffer, sizeof buffer);
        const std::size_t count = static_cast<std::size_t>(in.gcount());
        if (count > 0 && std::fwrite(buffer, 1, count, stdout) != count) {
            break;
        }
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout) || !in.eof()) {
        fmt::print(stderr, "kestrin: the drawing could not be written to standard output\n");
        return false;
    }
    return true;
}

} // namespace

ExitStatus CheckOutputFile(const std::string& outputFile, std::wstring* output) {
    if (outputFile == kStandardOutputName) {
        *output = FromUtf8(outputFile);
        return ExitStatus::Ok;
    }
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
    CommandLine& line = session->Line();
    std::optional<std::wstring> failure = RunHeldStep(&line, [&] {
        const CommandOutcome outcome = session->Execute(kImportCommand);
        const std::vector<std::wstring> unused = ui->EndCommand();
        return outcome == CommandOutcome::Done &&
               line.TextSinceMark().find(kImportSuccess) != std::wstring::npos && unused.empty();
    });
    if (failure && failure->empty()) {
        *failure = L"the import command showed nothing";
    }
    return failure;
}

void ReportNotImported(const std::string& file, const std::wstring& reason) {
    fmt::print(stderr, "kestrin: {} was not imported: {}\n", file, ToUtf8(reason));
}

bool SaveImportedDrawing(HostSession* session, const std::wstring& output,
                         const RunFolder& folder) {
    const bool bToStandardOutput = output == FromUtf8(kStandardOutputName);
    const std::filesystem::path saved = bToStandardOutput
                                            ? folder.Path() / kStandardOutputDrawing
                                            : std::filesystem::path(ToUtf8(output));
    sigset_t interrupts;
    sigemptyset(&interrupts);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&interrupts, signal);
    }
    sigset_t previous;
    ::pthread_sigmask(SIG_BLOCK, &interrupts, &previous);
    const std::optional<std::wstring> failure = RunHeldStep(&session->Line(), [&] {
        return SaveDrawing(session, FromUtf8(saved.string()),
                           bToStandardOutput ? L"standard output" : std::wstring());
    });
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (failure) {
        fmt::print(stderr, "kestrin: the drawing was not saved: {}\n",
                   failure->empty() ? std::string("nothing was shown") : ToUtf8(*failure));
        return false;
    }
    return !bToStandardOutput || CopyToStandardOutput(saved);
}

ExitStatus RunImport(HostSession* session, ScriptAnswerUi* ui, const ProgramOptions& options,
                     const RunFolder& folder) {
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
    return SaveImportedDrawing(session, output, folder) ? ExitStatus::Ok : ExitStatus::SaveFailed;
}

} // namespace KestrinApp
