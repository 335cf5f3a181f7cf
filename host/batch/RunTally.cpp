// Kestrin host program: the texts of a run's count.
#include "batch/RunTally.h"

#include <fmt/core.h>

namespace KestrinApp {

namespace {

std::string Files(std::size_t count) {
    return fmt::format("{} {}", count, count == 1 ? "file" : "files");
}

} // namespace

void RunTally::Failed(std::string file, std::string reason) {
    m_failures.push_back({std::move(file), std::move(reason)});
}

std::string RunTally::ProgressLabel() const {
    const std::size_t done = m_nImported + m_failures.size() + m_nStopped;
    return fmt::format("{} of {} done, {} failed, elapsed", done, Files(m_nTotal),
                       m_failures.size());
}

std::string RunTally::Summary(const std::string& destination, bool bInterrupted) const {
    std::string summary = bInterrupted ? "Interrupted: " : "";
    summary += AllImported() ? Files(m_nTotal)
                             : fmt::format("{} of {}", m_nImported, Files(m_nTotal));
    summary += " imported";
    if (!destination.empty()) {
        summary += " into " + destination;
    }
    if (!m_failures.empty()) {
        summary += fmt::format("; {} failed:", m_failures.size());
        for (std::size_t i = 0; i < m_failures.size(); ++i) {
            summary += (i == 0 ? " " : ", ") + m_failures[i].file;
        }
    }
    return summary;
}

} // namespace KestrinApp
