// Kestrin terminal UI: the interrupt catcher, a self-pipe: the signal handler writes a byte,
// which both wakes a poll() in any thread and stays there to be taken.
#include "TerminalUi/Interrupts.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace KestrinTerminalUi {

namespace {

int g_wake[2] = {-1, -1}; // read end, write end
struct sigaction g_previous {};

void OnInterrupt(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_wake[1], &byte, 1); // full pipe: one is enough
    errno = savedErrno;
}

} // namespace

InterruptCatcher::InterruptCatcher() {
    if (::pipe2(g_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_wake[0] = g_wake[1] = -1;
        return; // Ctrl+C keeps its default meaning
    }
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART; // calls that wait elsewhere go on waiting
    ::sigaction(SIGINT, &action, &g_previous);
}

InterruptCatcher::~InterruptCatcher() {
    if (g_wake[0] < 0) {
        return;
    }
    ::sigaction(SIGINT, &g_previous, nullptr);
    ::close(g_wake[0]);
    ::close(g_wake[1]);
    g_wake[0] = g_wake[1] = -1;
}

int InterruptCatcher::WakeDescriptor() { return g_wake[0]; }

bool InterruptCatcher::Take() {
    if (g_wake[0] < 0) {
        return false;
    }
    bool bCame = false;
    char bytes[64];
    while (::read(g_wake[0], bytes, sizeof(bytes)) > 0) {
        bCame = true;
    }
    return bCame;
}

} // namespace KestrinTerminalUi
