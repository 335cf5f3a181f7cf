// Kestrin host program: the batch import. What the import and the save show on the command line
// is held back until the step ends: a step that succeeded shows it on the command line's stream,
// one that failed on standard error, its last line (the reason) said once, in the failure line.
// The module's message boxes, which the UI holds back in batch runs, go to standard error: they
// are messages for people, not the result.
#include "Runs/ImportRun.h"

#include "Commands/OutputFile.h"
#include "Commands/SaveAsCommand.h"
#include "Runs/FailedList.h"
#include "Runs/ProgressSpinner.h"
#include "Session/FailureReport.h"
#include "Session/WideText.h"

#include "KestrinPosix/SignalCatcher.h"

#include <fmt/core.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

namespace KestrinApp {

namespace {

constexpr const char* kStandardOutputDrawing = "drawing.dxf"; // in the run's folder

// The last line of text (all of it when it has one line).
std::wstring LastLineOf(const std::wstring& text) {
    const std::size_t lineEnd = text.find_last_of(L'\n');
    return lineEnd == std::wstring::npos ? text : text.substr(lineEnd + 1);
}

// What a step showed on the command line while its output was held back.
struct HeldStep {
    bool bDone = false;
    std::wstring shown; // trimmed
};

HeldStep RunHeldStep(CommandLine* line, const std::function<bool()>& step) {
    std::FILE* const messages = line->Output();
    line->SetOutput(nullptr);
    line->Mark();
    HeldStep held;
    held.bDone = step();
    line->SetOutput(messages);
    held.shown = Trimmed(line->TextSinceMark());
    return held;
}

// text with label and ": " in front of each line (as it is when label is empty); every line ends.
std::wstring Labelled(const std::string& label, const std::wstring& text) {
    if (text.empty()) {
        return text;
    }
    const std::wstring front = label.empty() ? std::wstring() : FromUtf8(label) + L": ";
    std::wstring labelled;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(L'\n', start), text.size());
        labelled += front + text.substr(start, end - start) + L"\n";
        start = end + 1;
    }
    return labelled;
}

// The reason of a failed step, its last line; the lines before it go to standard error.
std::wstring FailureOf(const HeldStep& held, const std::string& label) {
    const std::size_t lineEnd = held.shown.find_last_of(L'\n');
    if (lineEnd == std::wstring::npos) {
        return held.shown;
    }
    fmt::print(stderr, "{}", ToUtf8(Labelled(label, held.shown.substr(0, lineEnd))));
    return held.shown.substr(lineEnd + 1);
}

// Copies a file to standard output; false (and why on standard error) when it could not.
bool CopyToStandardOutput(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    char buffer[1 << 16];
    errno = 0;
    while (in) {
        in.read(buffer, sizeof buffer);
        const std::size_t count = static_cast<std::size_t>(in.gcount());
        if (count > 0 && std::fwrite(buffer, 1, count, stdout) != count) {
            break;
        }
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout) || !in.eof()) {
        ReportFailure(
            fmt::format("the drawing could not be written to standard output: {}",
                        errno != 0 ? std::strerror(errno) : "the drawing could not be read back"));
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
        ReportFailure(ToUtf8(refusal));
        return ExitStatus::BadUsage;
    }
    if (const std::wstring problem = OutputFolderProblem(*output); !problem.empty()) {
        ReportFailure(ToUtf8(problem));
        return ExitStatus::SaveFailed;
    }
    return ExitStatus::Ok;
}

ImportOutcome ImportFile(HostSession* session, ScriptAnswerUi* ui, const std::string& file,
                         const ImportChoices& choices, const std::string& label,
                         ProgressSpinner* progress) {
    ui->BeginCommand({
        ScriptAnswer::FromAction(KestrinHost::ScriptAction::File(FromUtf8(file)), L"the STEP file"),
        ScriptAnswer::FromChoices(choices, true, L"the import options"),
    });
    CommandLine& line = session->Line();
    const HeldStep held = RunHeldStep(&line, [&] {
        const CommandOutcome outcome = session->Execute(kImportCommand);
        const std::vector<std::wstring> unused = ui->EndCommand();
        return outcome == CommandOutcome::Done && unused.empty();
    });
    const std::optional<std::uint64_t> count =
        held.bDone ? ImportedObjectCount(LastLineOf(held.shown)) : std::nullopt;
    progress->EraseLine();
    fmt::print(stderr, "{}", ToUtf8(Labelled(label, Trimmed(ui->TakeHeldMessages()))));
    if (count) {
        line.Write(Labelled(label, held.shown));
        return ImportOutcome{true, *count, std::string()};
    }
    const std::wstring reason = FailureOf(held, label);
    return ImportOutcome{false, 0,
                         reason.empty() ? "the import command showed nothing" : ToUtf8(reason)};
}

void ReportNotImported(const std::string& file, const std::string& reason) {
    ReportFailure(fmt::format("{}{}{}", file, kNotImportedAfterFile, reason));
}

bool SaveImportedDrawing(HostSession* session, const std::wstring& output,
                         const RunFolder& folder) {
    const bool bToStandardOutput = output == FromUtf8(kStandardOutputName);
    const std::filesystem::path saved = bToStandardOutput ? folder.Path() / kStandardOutputDrawing
                                                          : std::filesystem::path(ToUtf8(output));
    const sigset_t interrupts = kposix::StopSignalSet();
    sigset_t previous;
    ::pthread_sigmask(SIG_BLOCK, &interrupts, &previous);
    const HeldStep held = RunHeldStep(&session->Line(), [&] {
        return SaveDrawing(session, FromUtf8(saved.string()),
                           bToStandardOutput ? L"standard output" : std::wstring());
    });
    if (!held.bDone) {
        ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        const std::wstring reason = FailureOf(held, std::string());
        ReportFailure(
            fmt::format("the drawing was not saved: {}",
                        reason.empty() ? std::string("nothing was shown") : ToUtf8(reason)));
        return false;
    }
    // Only a drawing that reached standard output whole is said to be saved there.
    if (bToStandardOutput && !CopyToStandardOutput(saved)) {
        ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        return false;
    }
    session->Line().Write(Labelled(std::string(), held.shown));
    return true; // the interrupts stay held back: the run's work is done and kept
}

ExitStatus RunImport(HostSession* session, ScriptAnswerUi* ui, const ProgramOptions& options,
                     const RunFolder& folder, ImportOutcome* outcome) {
    // The output is checked first: an import can take long, and its result must have a place.
    std::wstring output;
    if (const ExitStatus refused = CheckOutputFile(options.outputFile, &output);
        refused != ExitStatus::Ok) {
        return refused;
    }
    const std::string& file = options.importFiles.front();
    if (!BeginFailedList(options, {file})) {
        return ExitStatus::SaveFailed;
    }
    {
        const std::string name = std::filesystem::path(file).filename().string();
        ProgressSpinner progress("Importing " + name, options.bProgress ? stderr : nullptr);
        *outcome = ImportFile(session, ui, file, options.choices, std::string(), &progress);
    }
    ExitStatus status = ExitStatus::Ok;
    if (!outcome->bImported) {
        ReportNotImported(file, outcome->reason);
        status = ExitStatus::CommandFailed;
    } else if (!SaveImportedDrawing(session, output, folder)) {
        *outcome = ImportOutcome{false, 0, LastReportedFailure()}; // the save said why
        status = ExitStatus::SaveFailed;
    }
    std::vector<FailedFile> notImported;
    if (status != ExitStatus::Ok) {
        notImported.push_back({file, outcome->reason});
    }
    return FinishFailedList(options, notImported, status);
}

} // namespace KestrinApp
