// Kestrin host program: "--failed-list FILE", the files of an import run that were not
// imported, one per line as they were named on the command line, for a run of just those
// (xargs -r -d '\n' -a FILE kestrin import ...). The list is written when the run starts,
// naming every file, and again when it ends, naming the ones not imported: a run that never
// reached its end (killed, its machine gone) still leaves a list of all it may not have done.
#pragma once

#include "Runs/ExitStatus.h"
#include "Runs/ProgramOptions.h"

#include <string>
#include <vector>

namespace KestrinApp {

/// A file that was not imported, and why.
struct FailedFile {
    std::string file;
    std::string reason;
};

/*
Description:
  Writes the list at the start of a run, when the run has one.
Parameters:
  options - [in] the run's options: failedList names the list (empty: none).
  files   - [in] every file of the run.
Returns:
  false when it cannot be written (said on standard error): nothing is to run then.
*/
bool BeginFailedList(const ProgramOptions& options, const std::vector<std::string>& files);

/*
Description:
  Writes the list at the end of a run, when the run has one.
Parameters:
  options    - [in] the run's options.
  notImported - [in] the files not imported (empty when all were).
  status     - [in] the run's exit status so far.
Returns:
  status, or SaveFailed in place of Ok when the list cannot be written (said on standard
  error).
*/
ExitStatus FinishFailedList(const ProgramOptions& options,
                            const std::vector<FailedFile>& notImported, ExitStatus status);

} // namespace KestrinApp
