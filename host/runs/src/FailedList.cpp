// Kestrin host program: writing the list of files not imported. It is a plain text file
// written in place: the names are the run's own, and a reader only needs it once the run ends.
#include "Runs/FailedList.h"

#include "Session/FailureReport.h"
#include <fmt/core.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace KestrinApp {

namespace {

bool WriteList(const std::string& path, const std::vector<std::string>& files) {
    std::FILE* list = std::fopen(path.c_str(), "w");
    bool bWritten = list != nullptr;
    for (const std::string& file : files) {
        bWritten = bWritten && std::fprintf(list, "%s\n", file.c_str()) >= 0;
    }
    if (list != nullptr && std::fclose(list) != 0) {
        bWritten = false;
    }
    if (!bWritten) {
        ReportFailure(fmt::format("cannot write the list of files not imported {}: {}", path,
                                  std::strerror(errno)));
    }
    return bWritten;
}

} // namespace

bool BeginFailedList(const ProgramOptions& options, const std::vector<std::string>& files) {
    return options.failedList.empty() || WriteList(options.failedList, files);
}

ExitStatus FinishFailedList(const ProgramOptions& options,
                            const std::vector<FailedFile>& notImported, ExitStatus status) {
    if (options.failedList.empty()) {
        return status;
    }
    std::vector<std::string> files;
    for (const FailedFile& file : notImported) {
        files.push_back(file.file);
    }
    if (!WriteList(options.failedList, files) && status == ExitStatus::Ok) {
        return ExitStatus::SaveFailed;
    }
    return status;
}

} // namespace KestrinApp
