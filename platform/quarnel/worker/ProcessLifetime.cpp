// Copyright (c) Kestrin developers.
//
// Stop signals (kposix::kStopSignals) and SIGQUIT keep the action the worker was started with: the
// default (the process ends, and the library sees the signal that ended it), or ignored when the
// library's process ignores it. Open CASCADE's own SIGINT handler only sets a flag that the reader
// never looks at.
#include "ProcessLifetime.h"

#include "WorkerProtocol.h"

#include <KestrinPosix/SignalCatcher.h>
#include <OSD.hxx>

#include <array>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <sys/prctl.h>

namespace quarnel::worker {
namespace {

// The signals whose action Open CASCADE's fault handlers would replace and the worker keeps.
constexpr std::array<int, kposix::kStopSignals.size() + 1> kKeptSignals = {
    kposix::kStopSignals[0], kposix::kStopSignals[1], kposix::kStopSignals[2], SIGQUIT};

} // namespace

void EndWithCaller() {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The caller may have gone before the line above; then nobody reads the reply pipe.
    pollfd reply{kReplyDescriptor, POLLOUT, 0};
    if (::poll(&reply, 1, 0) == 1 && (reply.revents & POLLERR) != 0) {
        std::_Exit(EXIT_FAILURE);
    }
}

void InstallFaultHandlers() {
    struct sigaction kept[kKeptSignals.size()];
    for (std::size_t i = 0; i < kKeptSignals.size(); ++i) {
        ::sigaction(kKeptSignals[i], nullptr, &kept[i]);
    }
    OSD::SetSignal(false);
    for (std::size_t i = 0; i < kKeptSignals.size(); ++i) {
        ::sigaction(kKeptSignals[i], &kept[i], nullptr);
    }
}

} // namespace quarnel::worker
