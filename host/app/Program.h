// Kestrin host program: one run of the program, from its parsed command line to its exit status.
#pragma once

#include "cli/ProgramOptions.h"

namespace KestrinApp {

/// Exit statuses of the program.
enum class ExitStatus : int {
    Ok = 0,
    CommandFailed = 1, // an import that did not succeed, a script with failed commands
    BadUsage = 2,      // a bad command line or variable setting
    ModuleFailed = 3,  // the module file did not load or start
    SaveFailed = 4,    // the drawing could not be saved
    Interrupted = 130, // a run over many files stopped by an interrupt (128 + SIGINT)
};

/// Runs the program as options ask; returns the exit status.
ExitStatus RunProgram(const ProgramOptions& options);

} // namespace KestrinApp
