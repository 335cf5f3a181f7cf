// Copyright (c) Kestrin developers.
//
// The handler finds the catchers' pipes, and the signals each asked for, in a fixed table of
// atomics: the only state it reads besides the actions it replaced, which stay fixed while it is
// installed. A catcher leaves the table before its pipe is closed, with its signals blocked on its
// own thread meanwhile, so that no handler on that thread is halfway through a write to it.
#include "KestrinPosix/SignalCatcher.h"

#include <cerrno>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <mutex>

namespace kposix {
namespace {

// Catchers alive at once: one per translation running, one per waiting host loop.
constexpr int kMaxCatchers = 64;
// Signals 1 to 63: the standard ones and the real-time ones.
constexpr int kSignalLimit = 64;

struct Slot {
    std::atomic<int> wakeFd{0};           // the pipe's write end plus one; 0 (as zero-initialized)
                                          // is a free slot
    std::atomic<std::uint64_t> wanted{0}; // bit n: signal n
};
Slot g_slots[kMaxCatchers];
static_assert(std::atomic<int>::is_always_lock_free &&
                  std::atomic<std::uint64_t>::is_always_lock_free,
              "read in a signal handler");

std::mutex g_installMutex;
int g_catchers[kSignalLimit] = {};            // guarded by g_installMutex
bool g_bInstalled[kSignalLimit] = {};         // fixed while installed
SignalDelivery g_delivery[kSignalLimit] = {}; // fixed while installed
struct sigaction g_previous[kSignalLimit];    // fixed while installed
std::atomic<bool> g_bArrived[kSignalLimit] = {};

bool IsDisposition(const struct sigaction& action, void (*disposition)(int)) {
    return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == disposition;
}

bool Catchable(int signal) {
    return signal > 0 && signal < kSignalLimit;
}

void OnSignal(int signal, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signal);
    const std::uint64_t bit = std::uint64_t{1} << signal;
    for (const Slot& slot : g_slots) {
        const int wake = slot.wakeFd.load() - 1;
        if (wake >= 0 && (slot.wanted.load() & bit) != 0) {
            // A full pipe already holds a wake-up; losing this byte loses nothing.
            [[maybe_unused]] const ssize_t written = ::write(wake, &byte, 1);
        }
    }
    g_bArrived[signal].store(true);
    const struct sigaction& previous = g_previous[signal];
    if (g_delivery[signal] == SignalDelivery::PassOn) {
        if ((previous.sa_flags & SA_SIGINFO) != 0) {
            previous.sa_sigaction(signal, info, context);
        } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
            previous.sa_handler(signal);
        }
    }
    errno = savedErrno;
}

void Install(int signal, SignalDelivery delivery) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) != 0 || IsDisposition(current, SIG_IGN)) {
        return;
    }
    g_bArrived[signal].store(false);
    g_delivery[signal] = delivery;
    g_previous[signal] = current;
    struct sigaction catching {};
    catching.sa_sigaction = OnSignal;
    sigemptyset(&catching.sa_mask);
    // Taking: calls that wait elsewhere go on waiting. Passing on: they are restarted (or not) as
    // the program chose.
    catching.sa_flags = SA_SIGINFO | (delivery == SignalDelivery::Take
                                          ? SA_RESTART
                                          : current.sa_flags & (SA_RESTART | SA_ONSTACK));
    g_bInstalled[signal] = ::sigaction(signal, &catching, nullptr) == 0;
}

// Puts the action back; returns whether the signal is to be raised again, by its default action.
bool Uninstall(int signal) {
    if (!g_bInstalled[signal]) {
        return false;
    }
    ::sigaction(signal, &g_previous[signal], nullptr);
    g_bInstalled[signal] = false;
    return g_delivery[signal] == SignalDelivery::PassOn && g_bArrived[signal].load() &&
           IsDisposition(g_previous[signal], SIG_DFL);
}

sigset_t SetOf(const std::vector<int>& signals) {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : signals) {
        sigaddset(&set, signal);
    }
    return set;
}

} // namespace

sigset_t StopSignalSet() {
    return SetOf({kStopSignals.begin(), kStopSignals.end()});
}

SignalCatcher::SignalCatcher(SignalDelivery delivery, std::vector<int> signals) {
    std::uint64_t wanted = 0;
    for (const int signal : signals) {
        if (Catchable(signal) && (wanted & (std::uint64_t{1} << signal)) == 0) {
            wanted |= std::uint64_t{1} << signal;
            m_signals.push_back(signal);
        }
    }
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    const std::lock_guard<std::mutex> lock(g_installMutex);
    for (int slot = 0; slot < kMaxCatchers; ++slot) {
        int empty = 0;
        if (g_slots[slot].wakeFd.compare_exchange_strong(empty, ends[1] + 1)) {
            g_slots[slot].wanted.store(wanted);
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
    for (const int signal : m_signals) {
        if (g_catchers[signal]++ == 0) {
            Install(signal, delivery);
        }
    }
}

SignalCatcher::~SignalCatcher() {
    if (m_slot < 0) {
        return;
    }
    std::vector<int> raise;
    {
        const sigset_t caught = SetOf(m_signals);
        sigset_t before;
        ::pthread_sigmask(SIG_BLOCK, &caught, &before);
        const std::lock_guard<std::mutex> lock(g_installMutex);
        g_slots[m_slot].wanted.store(0);
        g_slots[m_slot].wakeFd.store(0);
        for (const int signal : m_signals) {
            if (--g_catchers[signal] == 0 && Uninstall(signal)) {
                raise.push_back(signal);
            }
        }
        ::close(m_wakeRead);
        ::close(m_wakeWrite);
        ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    }
    for (const int signal : raise) {
        ::raise(signal);
    }
}

std::vector<int> SignalCatcher::Take() {
    std::vector<int> signals;
    if (m_wakeRead < 0) {
        return signals;
    }
    unsigned char bytes[64];
    ssize_t got = 0;
    while ((got = ::read(m_wakeRead, bytes, sizeof(bytes))) > 0) {
        signals.insert(signals.end(), bytes, bytes + got);
    }
    m_bCaught = m_bCaught || !signals.empty();
    return signals;
}

bool SignalCatcher::Caught() {
    Take();
    return m_bCaught;
}

bool SignalCatcher::Ignored(int signal) {
    struct sigaction current {};
    return ::sigaction(signal, nullptr, &current) == 0 && IsDisposition(current, SIG_IGN);
}

} // namespace kposix
