// Kestrin host program: the count of a run over many files: which were imported, which failed
// and why, which an interrupt stopped or kept from starting. It gives the text of the run's
// progress line and of its closing summary, and the files to run again.
#pragma once

#include "Runs/FailedList.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace KestrinApp {

class RunTally {
public:
    /// A run over files, none of them done yet.
    explicit RunTally(std::vector<std::string> files);

    /// What became of the file with index file in the run.
    void Imported(std::size_t file);
    void Failed(std::size_t file, std::string reason);
    /// An interrupt stopped its import: neither imported nor failed.
    void Stopped(std::size_t file);

    bool AllImported() const { return ImportedCount() == m_files.size(); }
    std::size_t ImportedCount() const { return CountOf(Outcome::Imported); }

    /// Every file not imported, in the order of the run: failed, stopped, or never started.
    std::vector<FailedFile> NotImported() const;

    /// The progress line's label: "3 of 16 files done, 1 failed, elapsed" (the time follows).
    std::string ProgressLabel() const;

    /*
    Description:
      The closing summary: a line of counts, then one line per file not imported.
    Parameters:
      destination  - [in] where the imported files went ("out.dxf", "drawings/"); empty when
                     nothing was saved.
      bInterrupted - [in] the run was stopped before its end.
    Returns:
      "16 files imported into drawings/", or "15 of 16 files imported into drawings/; 1 failed:"
      and "  a.step: REASON", with "Interrupted: " in front when the run was stopped, which
      also counts the files stopped and not started. Lines end in '\n'.
    */
    std::string Summary(const std::string& destination, bool bInterrupted) const;

private:
    enum class Outcome : std::uint8_t { Pending, Imported, Failed, Stopped };

    std::size_t CountOf(Outcome outcome) const;

    std::vector<std::string> m_files;
    std::vector<Outcome> m_outcomes;    // one per file
    std::vector<std::string> m_reasons; // one per file: why a failed one failed
};

} // namespace KestrinApp
