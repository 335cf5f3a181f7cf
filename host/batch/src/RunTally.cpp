// Kestrin host program: the texts of a run's count.
#include "Batch/RunTally.h"

#include <fmt/core.h>

#include <algorithm>
#include <utility>

namespace KestrinApp {

namespace {

std::string Files(std::size_t count) {
    return fmt::format("{} {}", count, count == 1 ? "file" : "files");
}

} // namespace

RunTally::RunTally(std::vector<std::string> files)
    : m_files(std::move(files)), m_outcomes(m_files.size(), Outcome::Pending),
      m_reasons(m_files.size()) {}

void RunTally::Imported(std::size_t file) {
    m_outcomes.at(file) = Outcome::Imported;
}

void RunTally::Failed(std::size_t file, std::string reason) {
    m_outcomes.at(file) = Outcome::Failed;
    m_reasons.at(file) = std::move(reason);
}

void RunTally::Stopped(std::size_t file) {
    m_outcomes.at(file) = Outcome::Stopped;
}

std::size_t RunTally::CountOf(Outcome outcome) const {
    return static_cast<std::size_t>(std::count(m_outcomes.begin(), m_outcomes.end(), outcome));
}

std::vector<FailedFile> RunTally::NotImported() const {
    std::vector<FailedFile> left;
    for (std::size_t i = 0; i < m_files.size(); ++i) {
        switch (m_outcomes[i]) {
        case Outcome::Imported:
            break;
        case Outcome::Failed:
            left.push_back({m_files[i], m_reasons[i]});
            break;
        case Outcome::Stopped:
            left.push_back({m_files[i], "stopped by the interrupt"});
            break;
        case Outcome::Pending:
            left.push_back({m_files[i], "not started"});
            break;
        }
    }
    return left;
}

std::string RunTally::ProgressLabel() const {
    const std::size_t done = m_files.size() - CountOf(Outcome::Pending);
    return fmt::format("{} of {} done, {} failed, elapsed", done, Files(m_files.size()),
                       CountOf(Outcome::Failed));
}

std::string RunTally::Summary(const std::string& destination, bool bInterrupted) const {
    std::string summary = bInterrupted ? "Interrupted: " : "";
    summary += AllImported() ? Files(m_files.size())
                             : fmt::format("{} of {}", ImportedCount(), Files(m_files.size()));
    summary += " imported";
    if (!destination.empty()) {
        summary += " into " + destination;
    }
    const std::vector<FailedFile> left = NotImported();
    if (!left.empty()) {
        const char* separator = "; ";
        for (const auto& [outcome, word] :
             {std::pair(Outcome::Failed, "failed"), std::pair(Outcome::Stopped, "stopped"),
              std::pair(Outcome::Pending, "not started")}) {
            if (const std::size_t count = CountOf(outcome); count > 0) {
                summary += fmt::format("{}{} {}", separator, count, word);
                separator = ", ";
            }
        }
        summary += ":";
    }
    summary += "\n";
    for (const FailedFile& file : left) {
        summary += fmt::format("  {}: {}\n", file.file, file.reason);
    }
    return summary;
}

} // namespace KestrinApp
