// Kestrin host program: what became of the import of one file, as data: whether it was imported,
// the number of objects the module reported, and why not. The import command's own closing line
// decides it, matched whole; a file's process in a run with an output folder hands its outcome to
// the parent as one report line on a descriptor of its own (--report-fd).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace KestrinApp {

struct ImportOutcome {
    bool bImported = false;
    std::uint64_t count = 0; // the objects the module reported imported
    std::string reason;      // why the file was not imported (one line, UTF-8)
};

/*
Description:
  Reads the import command's closing line on success.
Parameters:
  line - [in] the command's last line, without its line break.
Returns:
  N when the line is exactly "Successfully imported N objects"; no value for any other line.
*/
std::optional<std::uint64_t> ImportedObjectCount(const std::wstring& line);

/// The outcome's report line: "imported N" or "not-imported REASON" (line breaks in the reason
/// become blanks), ending in '\n'.
std::string ReportLine(const ImportOutcome& outcome);

/// The outcome a report line (without its line break) gives; no value for any other line.
std::optional<ImportOutcome> ParseReportLine(const std::string& line);

/// Writes the outcome's report line to descriptor fd: 0, or the errno of the write that failed.
int WriteReport(int fd, const ImportOutcome& outcome);

} // namespace KestrinApp
