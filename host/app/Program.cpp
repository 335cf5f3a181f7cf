// Kestrin host program: the three ways to run. Each starts the same host: system variables from
// the command line, a session with a new drawing; then it either reads commands (terminal,
// script, piped input) or runs one import and saves.
#include "app/Program.h"

#include "app/CommandLine.h"
#include "app/HostSession.h"
#include "app/ReadlineSource.h"
#include "app/StreamSource.h"
#include "app/WideText.h"

#include "KestrinHost/HostServices.h"

#include <fmt/core.h>

#include <fstream>
#include <iostream>
#include <unistd.h>

namespace KestrinApp {

namespace {

bool ApplyVariables(const std::vector<VariableSetting>& settings) {
    for (const VariableSetting& setting : settings) {
        if (!KestrinHost::Host().Variables().SetFromText(FromUtf8(setting.name),
                                                        FromUtf8(setting.value))) {
            fmt::print(stderr, "kestrin: --set {}={}: not a value of that variable\n",
                       setting.name, setting.value);
            return false;
        }
    }
    return true;
}

ExitStatus RunCommands(HostSession* session, LineSource* source) {
    session->SetAnswerSource(source);
    const int failures = RunCommandLoop(session, source);
    session->SetAnswerSource(nullptr);
    return failures == 0 ? ExitStatus::Ok : ExitStatus::CommandFailed;
}

} // namespace

ExitStatus RunProgram(const ProgramOptions& options) {
    if (!ApplyVariables(options.variables)) {
        return ExitStatus::BadUsage;
    }
    CommandLine line;
    HostSession session(&line);
    switch (options.mode) {
    case RunMode::Script: {
        std::ifstream script(options.scriptPath);
        if (!script) {
            fmt::print(stderr, "kestrin: cannot read the script {}\n", options.scriptPath);
            return ExitStatus::BadUsage;
        }
        StreamSource source(&script, &line);
        return RunCommands(&session, &source);
    }
    case RunMode::Import:
        fmt::print(stderr, "kestrin: import is not available yet\n");
        return ExitStatus::CommandFailed;
    case RunMode::Session:
        break;
    }
    if (isatty(STDIN_FILENO)) {
        ReadlineSource source;
        RunCommands(&session, &source);
        return ExitStatus::Ok;
    }
    StreamSource source(&std::cin, &line);
    return RunCommands(&session, &source);
}

} // namespace KestrinApp
