// Kestrin host program: the command loop.
#include "Commands/CommandLoop.h"

#include "Commands/UnsavedChanges.h"
#include "Session/TypedCommand.h"
#include "Session/WideText.h"

namespace KestrinApp {

int RunCommandLoop(HostSession* session, LineSource* source) {
    int failures = 0;
    std::wstring last; // the name of the last command that ran, for an empty line
    while (!session->QuitRequested()) {
        const InputLine line = source->ReadLine(CommandLine::Prompt);
        if (line.kind == InputLine::Kind::Cancelled) {
            session->Line().WriteLine(CommandLine::Cancelled);
            continue;
        }
        if (line.kind == InputLine::Kind::EndKey) {
            if (SettleUnsavedChanges(session)) {
                break;
            }
            continue;
        }
        if (line.kind == InputLine::Kind::Ended) {
            ReportUnsavedAtEnd(session);
            break;
        }
        std::wstring typed = line.text;
        if (Trimmed(typed).empty()) {
            if (last.empty()) {
                continue;
            }
            session->Line().WriteLine(last); // as if typed: the line shows what runs
            typed = last;
        }
        const CommandOutcome outcome = session->Execute(typed);
        if (outcome == CommandOutcome::Failed || outcome == CommandOutcome::Unknown) {
            ++failures;
        }
        if (outcome != CommandOutcome::Unknown) {
            last = ParseTypedCommand(typed).name;
        }
    }
    return failures;
}

} // namespace KestrinApp
