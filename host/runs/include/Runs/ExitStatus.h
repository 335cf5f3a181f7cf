// Kestrin host program: the exit statuses of the program, which runs and batches return.
#pragma once

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

} // namespace KestrinApp
