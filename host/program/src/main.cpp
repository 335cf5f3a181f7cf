// Kestrin host program: the entry point. It reads the command line and hands over to RunProgram.
#include "Program/OptionParsing.h"
#include "Program/Program.h"

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, ""); // readline and the terminal UI follow the user's encoding
    KestrinApp::ProgramOptions options;
    int exitCode = 0;
    if (KestrinApp::ParseProgramOptions(argc, argv, &options, &exitCode) ==
        KestrinApp::ParseOutcome::Exit) {
        return exitCode;
    }
    return static_cast<int>(KestrinApp::RunProgram(options));
}
