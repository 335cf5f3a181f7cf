// Kestrin host program: the count of a run over many files: how many were imported, which failed
// and why. It gives the text of the run's progress line and of its closing summary.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace KestrinApp {

/// A file that was not imported, and why.
struct FailedFile {
    std::string file;
    std::string reason;
};

class RunTally {
public:
    /// A run over total files.
    explicit RunTally(std::size_t total) : m_nTotal(total) {}

    void Imported() { ++m_nImported; }
    void Failed(std::string file, std::string reason);
    /// A file whose import was stopped by an interrupt: neither imported nor failed.
    void Stopped() { ++m_nStopped; }

    bool AllImported() const { return m_nImported == m_nTotal; }
    std::size_t ImportedCount() const { return m_nImported; }
    const std::vector<FailedFile>& Failures() const { return m_failures; }

    /// The progress line's label: "3 of 16 files done, 1 failed, elapsed" (the time follows).
    std::string ProgressLabel() const;

    /*
    Description:
      The closing summary, one line.
    Parameters:
      destination  - [in] where the imported files went ("out.dxf", "drawings/"); empty when
                     nothing was saved.
      bInterrupted - [in] the run was stopped before its end.
    Returns:
      "16 files imported into drawings/", or "15 of 16 files imported into drawings/; 1 failed:
      a.step", with "Interrupted: " in front when the run was stopped.
    */
    std::string Summary(const std::string& destination, bool bInterrupted) const;

private:
    std::size_t m_nTotal;
    std::size_t m_nImported = 0;
    std::size_t m_nStopped = 0;
    std::vector<FailedFile> m_failures;
};

} // namespace KestrinApp
