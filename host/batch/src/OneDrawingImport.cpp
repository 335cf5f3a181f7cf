// Kestrin host program: many files into one drawing. One progress line covers the whole run;
// each line a file's import shows starts with the file's name. Ctrl+C stops the import under way
// (the translator cancels it) and starts no more; the drawing is still saved with the files
// imported by then, since they are whole, and the summary names the rest.
#include "Batch/OneDrawingImport.h"

#include "Batch/InputFiles.h"
#include "Batch/RunTally.h"
#include "Runs/FailedList.h"
#include "Runs/ImportRun.h"
#include "Runs/ProgressSpinner.h"
#include "Session/FailureReport.h"
#include "Session/WideText.h"

#include "TerminalUi/Interrupts.h"

#include <fmt/core.h>

namespace KestrinApp {

bool IsSingleFileImport(const ProgramOptions& options) {
    return options.outputDir.empty() && options.importFiles.size() == 1 &&
           !IsFolderArgument(options.importFiles.front());
}

ExitStatus RunOneDrawingImport(HostSession* session, ScriptAnswerUi* ui,
                               const ProgramOptions& options, const RunFolder& folder) {
    std::vector<InputFile> listed;
    std::string error;
    if (!ListInputFiles(options.importFiles, options.bRecursive, &listed, &error)) {
        ReportFailure(error);
        return ExitStatus::BadUsage;
    }
    std::wstring output;
    if (const ExitStatus refused = CheckOutputFile(options.outputFile, &output);
        refused != ExitStatus::Ok) {
        return refused;
    }
    const std::vector<std::string> files = PathsOf(listed);
    if (!BeginFailedList(options, files)) {
        return ExitStatus::SaveFailed;
    }
    const KestrinTerminalUi::InterruptCatcher interrupts; // until the summary is out
    RunTally tally(files);
    bool bInterrupted = false;
    {
        ProgressSpinner progress(tally.ProgressLabel(), options.bProgress ? stderr : nullptr);
        for (std::size_t i = 0; i < files.size() && !bInterrupted; ++i) {
            const ImportOutcome outcome =
                ImportFile(session, ui, files[i], options.choices, files[i], &progress);
            bInterrupted = KestrinTerminalUi::InterruptCatcher::Take();
            if (outcome.bImported) {
                tally.Imported(i);
            } else if (bInterrupted) {
                tally.Stopped(i);
            } else {
                progress.EraseLine();
                ReportNotImported(files[i], outcome.reason);
                tally.Failed(i, outcome.reason);
            }
            progress.SetLabel(tally.ProgressLabel());
        }
    }
    const bool bSaveFailed =
        tally.ImportedCount() > 0 && !SaveImportedDrawing(session, output, folder);
    std::string destination;
    if (tally.ImportedCount() > 0 && !bSaveFailed) {
        destination = output == FromUtf8(kStandardOutputName) ? "standard output" : ToUtf8(output);
    }
    ExitStatus status = tally.AllImported() ? ExitStatus::Ok : ExitStatus::CommandFailed;
    if (bInterrupted) {
        status = ExitStatus::Interrupted;
    } else if (bSaveFailed) {
        status = ExitStatus::SaveFailed;
    }
    // On the command line's stream: standard error when the drawing went to standard output.
    session->Line().Write(FromUtf8(tally.Summary(destination, bInterrupted)));
    std::vector<FailedFile> notImported = tally.NotImported();
    if (bSaveFailed) { // nothing of the run was kept
        notImported.clear();
        for (const std::string& file : files) {
            notImported.push_back({file, std::string()});
        }
    }
    return FinishFailedList(options, notImported, status);
}

} // namespace KestrinApp
