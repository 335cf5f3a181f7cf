// Kestrin host program: the program's failure line.
#include "Session/FailureReport.h"

#include <fmt/core.h>

#include <cstdio>

namespace KestrinApp {

namespace {

std::string& LastFailure() {
    static std::string last;
    return last;
}

} // namespace

void ReportFailure(std::string_view message) {
    fmt::print(stderr, "{}{}\n", kProgramVoice, message);
    LastFailure() = message;
}

const std::string& LastReportedFailure() {
    return LastFailure();
}

} // namespace KestrinApp
