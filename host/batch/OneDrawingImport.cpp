// Kestrin host program: many files into one drawing. One progress line covers the whole run.
#include "batch/OneDrawingImport.h"

#include "app/ImportRun.h"
#include "app/ProgressSpinner.h"
#include "app/WideText.h"
#include "batch/InputFiles.h"
#include "batch/RunTally.h"

#include <fmt/core.h>

#include <filesystem>

namespace KestrinApp {

bool IsSingleFileImport(const ProgramOptions& options) {
    std::error_code ignored;
    return options.outputDir.empty() && options.importFiles.size() == 1 &&
           !std::filesystem::is_directory(options.importFiles.front(), ignored);
}

ExitStatus RunOneDrawingImport(HostSession* session, ScriptAnswerUi* ui,
                               const ProgramOptions& options, const RunFolder& folder) {
    std::vector<std::string> files;
    std::string error;
    if (!ListInputFiles(options.importFiles, options.bRecursive, &files, &error)) {
        fmt::print(stderr, "kestrin: {}\n", error);
        return ExitStatus::BadUsage;
    }
    std::wstring output;
    if (const ExitStatus refused = CheckOutputFile(options.outputFile, &output);
        refused != ExitStatus::Ok) {
        return refused;
    }
    RunTally tally(files.size());
    {
        ProgressSpinner progress(tally.ProgressLabel(), options.bProgress ? stderr : nullptr);
        session->Line().SetBeforeWrite([&progress] { progress.EraseLine(); });
        for (const std::string& file : files) {
            const std::optional<std::wstring> failure =
                ImportFile(session, ui, file, options.choices);
            if (failure) {
                progress.EraseLine();
                ReportNotImported(file, *failure);
                tally.Failed(file, ToUtf8(*failure));
            } else {
                tally.Imported();
            }
            progress.SetLabel(tally.ProgressLabel());
        }
        session->Line().SetBeforeWrite(nullptr);
    }
    if (tally.ImportedCount() == 0) {
        fmt::print("{}\n", tally.Summary(std::string(), false));
        return ExitStatus::CommandFailed;
    }
    if (!SaveImportedDrawing(session, output, folder)) {
        fmt::print("{}\n", tally.Summary(std::string(), false));
        return ExitStatus::SaveFailed;
    }
    fmt::print("{}\n", tally.Summary(ToUtf8(output), false));
    return tally.AllImported() ? ExitStatus::Ok : ExitStatus::CommandFailed;
}

} // namespace KestrinApp
