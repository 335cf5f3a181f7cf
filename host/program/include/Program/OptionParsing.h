// Kestrin host program: reading the program's command line into its options, and the help that
// explains them.
#pragma once

#include "Runs/ProgramOptions.h"

namespace KestrinApp {

/// Whether the program goes on after reading its command line.
enum class ParseOutcome : std::uint8_t { Run, Exit };

/*
Description:
  Reads the program's command line.
Parameters:
  argc, argv - [in] as main() has them.
  options    - [out] what was asked for.
  exitCode   - [out] with ParseOutcome::Exit: 0 after --help, 2 for a bad command line.
Returns:
  ParseOutcome::Run, or ParseOutcome::Exit when help or an error was printed (help on standard
  output; an error as one line on standard error, then a pointer to --help).
*/
ParseOutcome ParseProgramOptions(int argc, const char* const* argv, ProgramOptions* options,
                                 int* exitCode);

/// The explanation of the script format that --help shows.
const char* ScriptFormatHelp();

} // namespace KestrinApp
