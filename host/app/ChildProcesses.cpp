// Kestrin host program: child processes, found by their parent in /proc/PID/stat. The command
// name in that line is in parentheses and may hold anything, so the fields are read after the
// last ')': the state, then the parent's id.
#include "app/ChildProcesses.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace KestrinApp {

namespace {

pid_t ParentOf(const std::filesystem::path& statFile) {
    std::ifstream in(statFile);
    std::string line;
    std::getline(in, line);
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) {
        return 0;
    }
    std::istringstream fields(line.substr(close + 1));
    std::string state;
    pid_t parent = 0;
    fields >> state >> parent;
    return parent;
}

} // namespace

int InterruptChildProcesses() {
    const pid_t self = ::getpid();
    int interrupted = 0;
    std::error_code error;
    // Processes come and go while the list is read: the error-code forms never throw.
    for (std::filesystem::directory_iterator it("/proc", error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::directory_entry& entry = *it;
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        if (ParentOf(entry.path() / "stat") == self &&
            ::kill(static_cast<pid_t>(std::stol(name)), SIGINT) == 0) {
            ++interrupted;
        }
    }
    return interrupted;
}

} // namespace KestrinApp
