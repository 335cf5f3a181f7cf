// Kestrin host program: what the command line of the program asks for. Three ways to run: the
// interactive host (the default), a script of commands and dialog answers (--script, or piped
// standard input), and importing ("kestrin import FILE... -o OUT.dxf" into one drawing, or
// "kestrin import FILE... --output-dir DIR", one drawing per file); --version only reports.
#pragma once

#include "Runs/ImportFlags.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace KestrinApp {

enum class RunMode : std::uint8_t { Session, Script, Import, Version };

/// The output file name that stands for standard output.
constexpr const char* kStandardOutputName = "-";

/// One "--set NAME=VALUE".
struct VariableSetting {
    std::string name;
    std::string value;
};

struct ProgramOptions {
    RunMode mode = RunMode::Session;
    std::string modulePath;                 // empty: the module file beside the program
    std::vector<VariableSetting> variables; // in the order given
    std::string scriptPath;                 // RunMode::Script
    std::vector<std::string> importFiles;   // RunMode::Import: STEP files and folders of them
    std::string outputFile;      // RunMode::Import: the DXF file, "-" standard output, or empty
    std::string outputDir;       // RunMode::Import: the folder of one DXF per file
    unsigned jobs = 0;           // RunMode::Import: imports at once; 0: one per processor
    bool bRecursive = false;     // RunMode::Import: folders include their subfolders
    std::string failedList;      // RunMode::Import: where to list the files not imported
    ImportChoices choices;       // RunMode::Import: the dialog choices asked for
    bool bProgress = true;       // RunMode::Import: progress on a terminal
    bool bStoredOptions = false; // RunMode::Import: start from the stored options
    int reportFd = -1;           // RunMode::Import: where the outcome is reported
    bool bVerbose = false;       // dialogs and boxes in full (control ids, owners)
};

} // namespace KestrinApp
