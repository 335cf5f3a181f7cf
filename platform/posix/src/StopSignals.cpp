// Copyright (c) Kestrin developers.
//
// The handler finds the catchers' pipes in a fixed table of atomics, the only state it reads
// besides the actions it replaced, which stay fixed while it is installed. A catcher leaves the
// table before its pipe is closed, with the stop signals blocked on its own thread meanwhile, so
// that no handler on that thread is halfway through a write to it.
#include "KestrinPosix/StopSignals.h"

#include <cerrno>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <mutex>

namespace kposix {
namespace {

// Catchers alive at once: one per translation running, one per waiting host loop.
constexpr int kMaxCatchers = 64;
constexpr std::size_t kStops = kStopSignals.size();

// Each slot holds a pipe's write end plus one; 0 (as zero-initialized) is a free slot.
std::atomic<int> g_wakeFds[kMaxCatchers] = {};
static_assert(std::atomic<int>::is_always_lock_free, "read in a signal handler");

std::mutex g_installMutex;
int g_catchers = 0;                 // guarded by g_installMutex
StopDelivery g_delivery{};          // fixed while installed
struct sigaction g_previous[kStops]; // fixed while installed
bool g_bCaught[kStops] = {};        // fixed while installed
std::atomic<bool> g_bArrived[kStops] = {};

int IndexOf(int signal) {
    for (std::size_t i = 0; i < kStops; ++i) {
        if (kStopSignals[i] == signal) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool IsDisposition(const struct sigaction& action, void (*disposition)(int)) {
    return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == disposition;
}

void OnStop(int signal, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signal);
    for (const std::atomic<int>& fd : g_wakeFds) {
        const int wake = fd.load() - 1;
        if (wake >= 0) {
            // A full pipe already holds a wake-up; losing this byte loses nothing.
            [[maybe_unused]] const ssize_t written = ::write(wake, &byte, 1);
        }
    }
    const int index = IndexOf(signal);
    if (index >= 0) {
        g_bArrived[index].store(true);
        const struct sigaction& previous = g_previous[index];
        if (g_delivery == StopDelivery::PassOn) {
            if ((previous.sa_flags & SA_SIGINFO) != 0) {
                previous.sa_sigaction(signal, info, context);
            } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
                previous.sa_handler(signal);
            }
        }
    }
    errno = savedErrno;
}

void Install(StopDelivery delivery) {
    g_delivery = delivery;
    for (std::size_t i = 0; i < kStops; ++i) {
        g_bArrived[i].store(false);
        g_bCaught[i] = false;
        struct sigaction current {};
        if (::sigaction(kStopSignals[i], nullptr, &current) != 0) {
            continue;
        }
        if (IsDisposition(current, SIG_IGN)) {
            continue;
        }
        g_previous[i] = current;
        struct sigaction catching {};
        catching.sa_sigaction = OnStop;
        sigemptyset(&catching.sa_mask);
        // Taking: calls that wait elsewhere go on waiting. Passing on: they are restarted (or
        // not) as the program chose.
        catching.sa_flags = SA_SIGINFO | (delivery == StopDelivery::Take
                                              ? SA_RESTART
                                              : current.sa_flags & (SA_RESTART | SA_ONSTACK));
        g_bCaught[i] = ::sigaction(kStopSignals[i], &catching, nullptr) == 0;
    }
}

// Puts the actions back; returns the signals to raise again, by their default action.
std::vector<int> Uninstall() {
    std::vector<int> raise;
    for (std::size_t i = 0; i < kStops; ++i) {
        if (!g_bCaught[i]) {
            continue;
        }
        ::sigaction(kStopSignals[i], &g_previous[i], nullptr);
        g_bCaught[i] = false;
        if (g_delivery == StopDelivery::PassOn && g_bArrived[i].load() &&
            IsDisposition(g_previous[i], SIG_DFL)) {
            raise.push_back(kStopSignals[i]);
        }
    }
    return raise;
}

} // namespace

sigset_t StopSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kStopSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

StopSignals::StopSignals(StopDelivery delivery) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    const std::lock_guard<std::mutex> lock(g_installMutex);
    for (int slot = 0; slot < kMaxCatchers; ++slot) {
        int empty = 0;
        if (g_wakeFds[slot].compare_exchange_strong(empty, ends[1] + 1)) {
            m_slot = slot;
            break;
        }
    }
    if (m_slot < 0) {
        ::close(ends[0]);
        ::close(ends[1]);
        return;
    }
    m_wakeRead = ends[0];
    m_wakeWrite = ends[1];
    if (g_catchers++ == 0) {
        Install(delivery);
    }
}

StopSignals::~StopSignals() {
    if (m_slot < 0) {
        return;
    }
    std::vector<int> raise;
    {
        const sigset_t stops = StopSignalSet();
        sigset_t before;
        ::pthread_sigmask(SIG_BLOCK, &stops, &before);
        const std::lock_guard<std::mutex> lock(g_installMutex);
        g_wakeFds[m_slot].store(0);
        if (--g_catchers == 0) {
            raise = Uninstall();
        }
        ::close(m_wakeRead);
        ::close(m_wakeWrite);
        ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    }
    for (const int signal : raise) {
        ::raise(signal);
    }
}

std::vector<int> StopSignals::Take() {
    std::vector<int> signals;
    if (m_wakeRead < 0) {
        return signals;
    }
    unsigned char bytes[64];
    ssize_t got = 0;
    while ((got = ::read(m_wakeRead, bytes, sizeof(bytes))) > 0) {
        signals.insert(signals.end(), bytes, bytes + got);
    }
    m_bStopped = m_bStopped || !signals.empty();
    return signals;
}

bool StopSignals::Stopped() {
    Take();
    return m_bStopped;
}

bool StopSignals::Ignored(int signal) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) != 0) {
        return false;
    }
    return IsDisposition(current, SIG_IGN);
}

} // namespace kposix
