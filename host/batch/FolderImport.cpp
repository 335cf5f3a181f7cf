// Kestrin host program: the run with an output folder. Everything that can refuse the run is
// checked before the first import starts: the folders given, colliding names, the output
// folder. Each file's process is this very program, so that it loads the same module file.
#include "batch/FolderImport.h"

#include "app/ProgressSpinner.h"
#include "batch/InputFiles.h"
#include "batch/JobPool.h"
#include "batch/RunTally.h"
#include "batch/SingleImportArguments.h"

#include <fmt/core.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sched.h>
#include <thread>
#include <unistd.h>

namespace KestrinApp {

namespace {

constexpr const char* kOwnProgram = "/proc/self/exe";
constexpr std::string_view kMessagePrefix = "kestrin: ";

unsigned ProcessorCount() {
    cpu_set_t usable;
    CPU_ZERO(&usable);
    if (::sched_getaffinity(0, sizeof(usable), &usable) == 0 && CPU_COUNT(&usable) > 0) {
        return static_cast<unsigned>(CPU_COUNT(&usable));
    }
    return std::max(1U, std::thread::hardware_concurrency());
}

bool PrepareOutputFolder(const std::string& folder, std::string* error) {
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (failure) {
        *error = "cannot make the output folder " + folder + ": " + failure.message();
        return false;
    }
    if (!std::filesystem::is_directory(folder, failure)) {
        *error = "the output folder " + folder + " is not a folder";
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        *error = "cannot write to the output folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

// The last line a file's process wrote on each of its streams.
using LastLines = std::array<std::string, 2>;

// Why a file was not imported: what its process said last (on standard error first, without
// the program's name in front), or how the process ended when it said nothing.
std::string FailureReason(const JobEnd& end, const LastLines& lastLines) {
    switch (end.kind) {
    case JobEnd::Kind::NotStarted:
        return std::string("its host process did not start: ") + std::strerror(end.code);
    case JobEnd::Kind::Signalled:
        return fmt::format("its host process was ended by signal {} ({})", end.code,
                           ::strsignal(end.code));
    case JobEnd::Kind::Exited:
        break;
    }
    const std::size_t err = static_cast<std::size_t>(JobStream::Err);
    const std::string& line =
        lastLines[err].empty() ? lastLines[static_cast<std::size_t>(JobStream::Out)]
                               : lastLines[err];
    if (line.empty()) {
        return fmt::format("its host process ended with exit status {}", end.code);
    }
    return line.rfind(kMessagePrefix, 0) == 0 ? line.substr(kMessagePrefix.size()) : line;
}

bool IsBlank(const std::string& line) {
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

} // namespace

ExitStatus RunFolderImport(const ProgramOptions& options) {
    std::vector<std::string> files;
    std::string error;
    if (!ListInputFiles(options.importFiles, options.bRecursive, &files, &error)) {
        fmt::print(stderr, "kestrin: {}\n", error);
        return ExitStatus::BadUsage;
    }
    std::vector<std::string> outputs;
    std::vector<std::string> collisions;
    if (!OutputPathsFor(files, options.outputDir, &outputs, &collisions)) {
        for (const std::string& collision : collisions) {
            fmt::print(stderr, "kestrin: {}\n", collision);
        }
        fmt::print(stderr, "kestrin: nothing was imported: files of the same name need output "
                           "folders of their own\n");
        return ExitStatus::BadUsage;
    }
    if (!PrepareOutputFolder(options.outputDir, &error)) {
        fmt::print(stderr, "kestrin: {}\n", error);
        return ExitStatus::SaveFailed;
    }

    std::vector<Job> jobs;
    for (std::size_t i = 0; i < files.size(); ++i) {
        jobs.push_back({kOwnProgram, SingleImportArguments(options, files[i], outputs[i])});
    }
    RunTally tally(files.size());
    std::vector<LastLines> lastLines(files.size());
    PoolEnd poolEnd = PoolEnd::AllRan;
    {
        ProgressSpinner progress(tally.ProgressLabel(), options.bProgress ? stderr : nullptr);
        JobEvents events;
        events.onLine = [&](std::size_t job, JobStream stream, const std::string& line) {
            if (IsBlank(line)) {
                return;
            }
            lastLines[job][static_cast<std::size_t>(stream)] = line;
            progress.EraseLine();
            std::FILE* output = stream == JobStream::Out ? stdout : stderr;
            fmt::print(output, "{}: {}\n", files[job], line);
            std::fflush(output);
        };
        events.onEnd = [&](std::size_t job, const JobEnd& end) {
            if (end.kind == JobEnd::Kind::Exited && end.code == 0) {
                tally.Imported();
            } else if (end.bInterrupted) {
                tally.Stopped();
            } else {
                tally.Failed(files[job], FailureReason(end, lastLines[job]));
            }
            progress.SetLabel(tally.ProgressLabel());
        };
        poolEnd = RunJobs(jobs, options.jobs != 0 ? options.jobs : ProcessorCount(), events);
    }
    const bool bInterrupted = poolEnd == PoolEnd::Interrupted;
    fmt::print("{}\n", tally.Summary(options.outputDir, bInterrupted));
    for (const FailedFile& failure : tally.Failures()) {
        fmt::print("  {}: {}\n", failure.file, failure.reason);
    }
    if (bInterrupted) {
        return ExitStatus::Interrupted;
    }
    return tally.AllImported() ? ExitStatus::Ok : ExitStatus::CommandFailed;
}

} // namespace KestrinApp
