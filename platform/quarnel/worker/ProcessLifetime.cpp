// Copyright (c) Kestrin developers.
//
// Stop signals keep the action the worker was started with: the default (the process ends, and
// the library sees the signal that ended it), or ignored when the library's process ignores
// SIGINT. Open CASCADE's own SIGINT handler only sets a flag that the reader never looks at.
#include "ProcessLifetime.h"

#include "WorkerProtocol.h"

#include <OSD.hxx>

#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <sys/prctl.h>

namespace quarnel::worker {
namespace {

constexpr int kStopSignals[] = {SIGINT, SIGQUIT, SIGHUP, SIGTERM};
constexpr int kStopSignalCount = sizeof(kStopSignals) / sizeof(kStopSignals[0]);

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
    struct sigaction kept[kStopSignalCount];
    for (int i = 0; i < kStopSignalCount; ++i) {
        ::sigaction(kStopSignals[i], nullptr, &kept[i]);
    }
    OSD::SetSignal(false);
    for (int i = 0; i < kStopSignalCount; ++i) {
        ::sigaction(kStopSignals[i], &kept[i], nullptr);
    }
}

} // namespace quarnel::worker
