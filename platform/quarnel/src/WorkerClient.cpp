// Copyright (c) Kestrin developers.
//
// The worker is found from the file this code is linked into (dladdr on one of its own
// functions): beside it, or in the installed worker folder relative to it. So the library finds it
// wherever it is installed or moved, without relying on the host's working directory or search
// path.
#include "WorkerClient.h"

#include "FailureText.h"
#include "FileCheck.h"
#include "GeometryStreamReader.h"
#include "WorkerProcess.h"

#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarnel {
namespace {

constexpr const char* kWorkerVariable = "QUARNEL_WORKER";
constexpr const char* kTimeLimitVariable = "QUARNEL_TIME_LIMIT_SECONDS";
constexpr const char* kMemoryLimitVariable = "QUARNEL_MEMORY_LIMIT_MB";
constexpr const char* kWorkerName = "quarnel-worker";

// Several times what real parts take (a 74 MB file reads, transfers and meshes in about a
// minute), short of a hang going unnoticed for long.
constexpr std::chrono::seconds kDefaultBaseTime{60};
constexpr std::chrono::seconds kDefaultTimePerMegabyte{30};
// The worker may use most of the machine, but not so much that the host is pushed out.
constexpr std::uint64_t kMaxDefaultMemoryLimitMb = 8192;
constexpr std::uint64_t kDefaultMemoryShareNumerator = 3;
constexpr std::uint64_t kDefaultMemoryShareDenominator = 4;
constexpr std::uint64_t kBytesPerMegabyte = 1024 * 1024;

std::uint64_t PositiveNumberFromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    return *end == '\0' && value > 0 && text[0] != '-' ? value : fallback;
}

std::uint64_t DefaultMemoryLimitMb() {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) {
        return kMaxDefaultMemoryLimitMb;
    }
    const std::uint64_t physicalMb = static_cast<std::uint64_t>(pages) *
                                     static_cast<std::uint64_t>(pageSize) / kBytesPerMegabyte;
    return std::min(kMaxDefaultMemoryLimitMb,
                    physicalMb * kDefaultMemoryShareNumerator / kDefaultMemoryShareDenominator);
}

// Beside the library (the build tree), or else in the installed worker folder,
// QUARNEL_WORKER_DIR_FROM_LIBRARY from the library's folder (set by the install rules).
std::string WorkerOfThisLibrary() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&WorkerOfThisLibrary), &info) == 0 ||
        info.dli_fname == nullptr) {
        return kWorkerName;
    }
    const std::string self = info.dli_fname;
    const std::size_t slash = self.rfind('/');
    if (slash == std::string::npos) {
        return kWorkerName;
    }
    const std::string folder = self.substr(0, slash + 1);
    const std::string beside = folder + kWorkerName;
    return ::access(beside.c_str(), X_OK) == 0
               ? beside
               : folder + QUARNEL_WORKER_DIR_FROM_LIBRARY + "/" + kWorkerName;
}

std::uint64_t FileBytes(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

} // namespace

std::chrono::milliseconds TimeBound::For(std::uint64_t fileBytes) const {
    using Seconds = std::chrono::duration<double>;
    const Seconds share =
        Seconds(perMegabyte) * (static_cast<double>(fileBytes) / kBytesPerMegabyte);
    return base + std::chrono::ceil<std::chrono::seconds>(share);
}

WorkerSettings WorkerSettingsFromEnvironment() {
    WorkerSettings settings;
    const char* program = std::getenv(kWorkerVariable);
    settings.program = program != nullptr && *program != '\0' ? program : WorkerOfThisLibrary();
    const std::uint64_t fixedSeconds = PositiveNumberFromEnvironment(kTimeLimitVariable, 0);
    settings.time = fixedSeconds > 0
                        ? TimeBound{std::chrono::seconds(fixedSeconds), std::chrono::seconds(0)}
                        : TimeBound{kDefaultBaseTime, kDefaultTimePerMegabyte};
    settings.memoryLimitMb =
        PositiveNumberFromEnvironment(kMemoryLimitVariable, DefaultMemoryLimitMb());
    return settings;
}

bool TranslateInWorker(const std::string& path, worker::SurfaceMode mode,
                       const WorkerSettings& settings, TranslatedGeometry* geometry,
                       std::string* failure, WorkerStats* stats) {
    std::string detail;
    const ReadStatus fileStatus = CheckStepFile(path, &detail);
    if (fileStatus != ReadStatus::Translated) {
        *failure = ReadFailureText(fileStatus, detail, path, settings.memoryLimitMb);
        return false;
    }
    const std::vector<std::string> arguments = {
        worker::kSurfaceOption,
        mode == worker::SurfaceMode::Mesh ? worker::kMeshSurface : worker::kEdgeSurface,
        worker::kMemoryLimitOption,
        std::to_string(settings.memoryLimitMb),
        worker::kEndOfOptions,
        path};
    const std::chrono::milliseconds timeLimit = settings.time.For(FileBytes(path));
    // The reply lives in the worker's memory first, so it cannot be larger than that.
    const WorkerBounds bounds{timeLimit,
                              static_cast<std::size_t>(settings.memoryLimitMb * kBytesPerMegabyte)};
    const WorkerRun run = RunWorker(settings.program, arguments, bounds);
    if (stats != nullptr) {
        *stats = {run.reply.size(), run.peakResidentKb};
    }
    switch (run.end) {
    case WorkerEnd::NotStarted:
        *failure = WorkerMissingText(path, settings.program);
        return false;
    case WorkerEnd::Signalled:
        *failure = WorkerFaultText(WorkerFault::Crashed, path);
        return false;
    case WorkerEnd::Cancelled:
        *failure = CancelledText(path);
        return false;
    case WorkerEnd::TimedOut:
        *failure = TimedOutText(path, run.phase, timeLimit);
        return false;
    case WorkerEnd::ReplyTooLarge:
        *failure = WorkerFaultText(WorkerFault::ReplyTooLarge, path);
        return false;
    case WorkerEnd::Exited:
        break;
    }
    if (run.reply.empty()) {
        *failure = WorkerFaultText(WorkerFault::NoReply, path);
        return false;
    }
    stream::WorkerReply reply;
    std::string problem;
    if (!stream::DecodeReply(run.reply.data(), run.reply.size(), &reply, &problem) ||
        (reply.status == ReadStatus::Translated && run.exitCode != 0)) {
        *failure = WorkerFaultText(WorkerFault::DamagedReply, path);
        return false;
    }
    if (reply.status != ReadStatus::Translated) {
        *failure = ReadFailureText(reply.status, reply.detail, path, settings.memoryLimitMb);
        return false;
    }
    *geometry = std::move(reply.geometry);
    return true;
}

} // namespace quarnel
