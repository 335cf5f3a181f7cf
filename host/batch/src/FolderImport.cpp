// Kestrin host program: the run with an output folder. Everything that can refuse the run is
// checked before the first import starts: the folders given, colliding names, the output
// folder. Each file's process is this very program, so that it loads the same module file.
#include "Batch/FolderImport.h"

#include "Batch/InputFiles.h"
#include "Batch/JobPool.h"
#include "Batch/RunTally.h"
#include "Batch/SingleImportArguments.h"
#include "Runs/FailedList.h"
#include "Runs/ImportOutcome.h"
#include "Runs/ImportRun.h"
#include "Runs/ProgressSpinner.h"
#include "Session/FailureReport.h"

#include "KestrinPosix/ProcessorCount.h"

#include <fmt/core.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace KestrinApp {

namespace {

constexpr const char* kOwnProgram = "/proc/self/exe";
constexpr int kReportDescriptor = 3; // where each file's process reports its outcome
constexpr std::string_view kRelayedFailure = "not imported: "; // after the file's name

// The folders a run makes for its drawings: the output folder and the subfolders that mirror
// the input's. Those still empty when the run ends (no file of theirs was imported) are taken
// away again, so that a run that imports nothing leaves nothing behind.
class OutputFolders {
public:
    ~OutputFolders() {
        for (auto folder = m_made.rbegin(); folder != m_made.rend(); ++folder) {
            std::error_code notEmpty; // remove() takes only an empty folder
            std::filesystem::remove(*folder, notEmpty);
        }
    }

    // Makes folder and the folders above it that are missing; false (and why) when it cannot.
    bool Make(const std::filesystem::path& folder, std::string* error) {
        std::error_code failure;
        std::vector<std::filesystem::path> missing;
        for (std::filesystem::path above = folder;
             !above.empty() && !std::filesystem::exists(above, failure);
             above = above.parent_path()) {
            missing.push_back(above);
            if (above == above.parent_path()) {
                break;
            }
        }
        std::filesystem::create_directories(folder, failure);
        if (failure) {
            *error = "cannot make the output folder " + folder.string() + ": " + failure.message();
            return false;
        }
        m_made.insert(m_made.end(), missing.rbegin(), missing.rend());
        return true;
    }

private:
    std::vector<std::filesystem::path> m_made; // in the order made, outer folders first
};

bool PrepareOutputFolders(const std::string& folder, const std::vector<std::string>& outputs,
                          OutputFolders* folders, std::string* error) {
    if (!folders->Make(folder, error)) {
        return false;
    }
    std::error_code failure;
    if (!std::filesystem::is_directory(folder, failure)) {
        *error = "the output folder " + folder + " is not a folder";
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        *error = "cannot write to the output folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    for (const std::string& output : outputs) {
        if (!folders->Make(std::filesystem::path(output).parent_path(), error)) {
            return false;
        }
    }
    return true;
}

// A line of a file's process as the run shows it after the file's name: without the program's
// name in front (the file's name stands there), and a failure without its file named again.
std::string RelayedLine(const std::string& file, const std::string& line) {
    if (line.rfind(kProgramVoice, 0) != 0) {
        return line;
    }
    const std::string message = line.substr(kProgramVoice.size());
    const std::string failure = file + kNotImportedAfterFile;
    return message.rfind(failure, 0) == 0
               ? std::string(kRelayedFailure) + message.substr(failure.size())
               : message;
}

// Why a file's process that gave no report did not import it: how the process ended.
std::string FailureReason(const JobEnd& end) {
    switch (end.kind) {
    case JobEnd::Kind::NotStarted:
        return std::string("its host process did not start: ") + std::strerror(end.code);
    case JobEnd::Kind::Signalled:
        return fmt::format("its host process was ended by signal {} ({})", end.code,
                           ::strsignal(end.code));
    case JobEnd::Kind::Exited:
        break;
    }
    return fmt::format("its host process ended with exit status {} and did not report", end.code);
}

bool IsBlank(const std::string& line) {
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

} // namespace

ExitStatus RunFolderImport(const ProgramOptions& options) {
    std::vector<InputFile> listed;
    std::string error;
    if (!ListInputFiles(options.importFiles, options.bRecursive, &listed, &error)) {
        ReportFailure(error);
        return ExitStatus::BadUsage;
    }
    std::vector<std::string> outputs;
    std::vector<std::string> collisions;
    if (!OutputPathsFor(listed, options.outputDir, &outputs, &collisions)) {
        for (const std::string& collision : collisions) {
            ReportFailure(collision);
        }
        ReportFailure(
            "nothing was imported: files of the same name need output folders of their own");
        return ExitStatus::BadUsage;
    }
    const std::vector<std::string> files = PathsOf(listed);
    OutputFolders folders;
    if (!PrepareOutputFolders(options.outputDir, outputs, &folders, &error)) {
        ReportFailure(error);
        return ExitStatus::SaveFailed;
    }
    if (!BeginFailedList(options, files)) {
        return ExitStatus::SaveFailed;
    }

    std::vector<Job> jobs;
    for (std::size_t i = 0; i < files.size(); ++i) {
        jobs.push_back({kOwnProgram,
                        SingleImportArguments(options, files[i], outputs[i], kReportDescriptor),
                        kReportDescriptor});
    }
    RunTally tally(files);
    std::vector<std::optional<ImportOutcome>> reports(files.size());
    PoolEnd poolEnd = PoolEnd::AllRan;
    {
        ProgressSpinner progress(tally.ProgressLabel(), options.bProgress ? stderr : nullptr);
        JobEvents events;
        events.onLine = [&](std::size_t job, JobStream stream, const std::string& line) {
            if (stream == JobStream::Report) {
                reports[job] = ParseReportLine(line);
                return;
            }
            if (IsBlank(line)) {
                return;
            }
            const std::string relayed = RelayedLine(files[job], line);
            progress.EraseLine();
            std::FILE* output = stream == JobStream::Out ? stdout : stderr;
            fmt::print(output, "{}: {}\n", files[job], relayed);
            std::fflush(output);
        };
        events.onEnd = [&](std::size_t job, const JobEnd& end) {
            const std::optional<ImportOutcome>& report = reports[job];
            if (report && report->bImported) {
                tally.Imported(job);
            } else if (end.bInterrupted) {
                tally.Stopped(job);
            } else {
                tally.Failed(job, report ? report->reason : FailureReason(end));
            }
            progress.SetLabel(tally.ProgressLabel());
        };
        poolEnd =
            RunJobs(jobs, options.jobs != 0 ? options.jobs : kposix::UsableProcessors(), events);
    }
    if (poolEnd == PoolEnd::Failed) {
        ReportFailure("the run stopped: the imports' output could not be read");
    }
    const bool bInterrupted = poolEnd == PoolEnd::Interrupted;
    // A run that imported nothing has taken its output folder away again.
    fmt::print("{}", tally.Summary(tally.ImportedCount() > 0 ? options.outputDir : std::string(),
                                   bInterrupted));
    std::fflush(stdout);
    ExitStatus status = ExitStatus::CommandFailed;
    if (bInterrupted) {
        status = ExitStatus::Interrupted;
    } else if (tally.AllImported()) {
        status = ExitStatus::Ok;
    }
    return FinishFailedList(options, tally.NotImported(), status);
}

} // namespace KestrinApp
