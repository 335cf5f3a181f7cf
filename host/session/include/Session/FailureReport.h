// Kestrin host program: a failure said in the program's own voice, as command-line programs say
// theirs: one line on standard error, the program's name and the message.
#pragma once

#include <string>
#include <string_view>

namespace KestrinApp {

/// What begins every line the program says in its own voice.
constexpr std::string_view kProgramVoice = "kestrin: ";

/// Says message (one line, without its line break) on standard error, after kProgramVoice.
void ReportFailure(std::string_view message);

/// The message ReportFailure() said last in this process; empty when it said none.
const std::string& LastReportedFailure();

} // namespace KestrinApp
