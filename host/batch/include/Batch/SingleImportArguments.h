// Kestrin host program: the command line of a host process that imports one file of a run over
// many. It is the single-file "kestrin import FILE -o OUT.dxf" with the run's own options, so
// that each file of the run is imported exactly as a run of its own would import it.
#pragma once

#include "Runs/ProgramOptions.h"

#include <string>
#include <vector>

namespace KestrinApp {

/*
Description:
  The arguments of one file's host process.
Parameters:
  options - [in] the run's options: the module, the system variables and the import flags are
            passed on.
  file    - [in] the STEP file.
  output  - [in] the DXF file.
  reportFd - [in] the child's descriptor for the report of its outcome.
Returns:
  The arguments after the program name. The child shows no progress line of its own.
*/
std::vector<std::string> SingleImportArguments(const ProgramOptions& options,
                                               const std::string& file, const std::string& output,
                                               int reportFd);

} // namespace KestrinApp
