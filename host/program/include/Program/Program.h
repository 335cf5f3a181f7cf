// Kestrin host program: one run of the program, from its parsed command line to its exit status.
#pragma once

#include "Runs/ExitStatus.h"
#include "Runs/ProgramOptions.h"

namespace KestrinApp {

/// Runs the program as options ask; returns the exit status.
ExitStatus RunProgram(const ProgramOptions& options);

} // namespace KestrinApp
