// Copyright (c) Kestrin developers.
//
// One handler serves every watch of the process (translations may run on several threads): the
// first watch installs it, the last one puts the program's action back. The handler counts the
// interrupts and passes each one on to the program's handler; waiters compare the count with the
// one they started at.
#include "InterruptWatch.h"

#include <atomic>
#include <csignal>
#include <mutex>

namespace quarnel {
namespace {

std::mutex g_installMutex;
int g_watches = 0;                   // guarded by g_installMutex
struct sigaction g_programAction {}; // the program's action; fixed while the handler is installed
std::atomic<unsigned> g_interrupts{0};
unsigned g_interruptsAtInstall = 0; // guarded by g_installMutex
static_assert(std::atomic<unsigned>::is_always_lock_free, "the count is updated in a handler");

void OnInterrupt(int signal, siginfo_t* info, void* context) {
    g_interrupts.fetch_add(1);
    if ((g_programAction.sa_flags & SA_SIGINFO) != 0) {
        g_programAction.sa_sigaction(signal, info, context);
    } else if (g_programAction.sa_handler != SIG_DFL && g_programAction.sa_handler != SIG_IGN) {
        g_programAction.sa_handler(signal);
    }
}

bool Is(const struct sigaction& action, void (*disposition)(int)) {
    return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == disposition;
}

} // namespace

InterruptWatch::InterruptWatch() {
    const std::lock_guard<std::mutex> lock(g_installMutex);
    if (g_watches == 0) {
        struct sigaction current {};
        ::sigaction(SIGINT, nullptr, &current);
        if (Is(current, SIG_IGN)) {
            m_bIgnored = true;
            return;
        }
        g_programAction = current;
        struct sigaction watching {};
        watching.sa_sigaction = OnInterrupt;
        watching.sa_mask = current.sa_mask;
        // Other threads' calls go on being restarted (or not) as the program chose.
        watching.sa_flags = SA_SIGINFO | (current.sa_flags & (SA_RESTART | SA_ONSTACK));
        g_interruptsAtInstall = g_interrupts.load();
        ::sigaction(SIGINT, &watching, nullptr);
    }
    ++g_watches;
    m_startCount = g_interrupts.load();
}

InterruptWatch::~InterruptWatch() {
    if (m_bIgnored) {
        return;
    }
    bool bRaise = false;
    {
        const std::lock_guard<std::mutex> lock(g_installMutex);
        if (--g_watches == 0) {
            ::sigaction(SIGINT, &g_programAction, nullptr);
            bRaise = g_interrupts.load() != g_interruptsAtInstall && Is(g_programAction, SIG_DFL);
        }
    }
    if (bRaise) {
        ::raise(SIGINT);
    }
}

bool InterruptWatch::Interrupted() const {
    return g_interrupts.load() != m_startCount;
}

} // namespace quarnel
