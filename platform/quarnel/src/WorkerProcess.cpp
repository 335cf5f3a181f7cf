// Copyright (c) Kestrin developers.
//
// The child is started through KestrinPosix/ChildProcess.h: every signal at its default
// disposition (a stop signal ignored if the caller ignores it) and none blocked, whatever the host
// has set, and with all descriptors above 4 closed. The pipes are polled against the deadline, so a
// worker that hangs without writing is still stopped in time, and together with the signal
// catcher's wake-up pipe, so that a stop delivered to any thread of the caller ends the wait at
// once.
#include "WorkerProcess.h"

#include <KestrinPosix/ChildProcess.h>
#include <KestrinPosix/SignalCatcher.h>
#include <KestrinPosix/UniqueFd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <optional>
#include <poll.h>
#include <unistd.h>

namespace quarnel {
namespace {

using Clock = std::chrono::steady_clock;

// Pipe ends are kept above the descriptors the child sets up, so each is a copy onto 3 or 4.
constexpr int kFirstPrivateDescriptor = 10;
constexpr std::size_t kReadChunk = 1 << 16;
// Phase reports are one byte each and few.
constexpr std::size_t kPhaseChunk = 256;

// Takes the phase reports that have arrived; a closed or failed descriptor is dropped from the
// poll.
void TakePhases(pollfd* phases, worker::Phase* phase) {
    std::uint8_t bytes[kPhaseChunk];
    const ssize_t got = ::read(phases->fd, bytes, sizeof(bytes));
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
        return;
    }
    if (got <= 0) {
        phases->fd = -1;
        return;
    }
    const std::uint8_t last = bytes[got - 1];
    if (last <= static_cast<std::uint8_t>(worker::kLastPhase)) {
        *phase = static_cast<worker::Phase>(last);
    }
}

// Reads the reply until end of file, a stop signal, the deadline or the size bound, taking the
// phase reports as they come; returns how reading ended.
WorkerEnd ReadReply(int replyFd, int phaseFd, Clock::time_point deadline,
                    kposix::SignalCatcher* stops, std::size_t maxBytes, WorkerRun* run) {
    std::uint8_t chunk[kReadChunk];
    pollfd watched[] = {{replyFd, POLLIN, 0}, {phaseFd, POLLIN, 0}, {stops->WakeFd(), POLLIN, 0}};
    for (;;) {
        if (stops->Caught()) {
            return WorkerEnd::Cancelled;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return WorkerEnd::TimedOut;
        }
        const int ready = ::poll(watched, 3, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR) {
            return WorkerEnd::Exited;
        }
        if (ready <= 0) {
            continue;
        }
        if (watched[1].revents != 0) {
            TakePhases(&watched[1], &run->phase);
        }
        if (watched[0].revents == 0) {
            continue;
        }
        const ssize_t got = ::read(replyFd, chunk, sizeof(chunk));
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (got <= 0) {
            return WorkerEnd::Exited;
        }
        if (run->reply.size() + static_cast<std::size_t>(got) > maxBytes) {
            return WorkerEnd::ReplyTooLarge;
        }
        run->reply.insert(run->reply.end(), chunk, chunk + got);
    }
}

} // namespace

WorkerRun RunWorker(const std::string& program, const std::vector<std::string>& arguments,
                    const WorkerBounds& bounds) {
    WorkerRun run;
    // Watching from before the start, so that no stop can leave the worker behind.
    kposix::SignalCatcher stops(kposix::SignalDelivery::PassOn);
    kposix::UniqueFd replyRead;
    kposix::UniqueFd replyWrite;
    kposix::UniqueFd phaseRead;
    kposix::UniqueFd phaseWrite;
    if (!kposix::MakePipe(&replyRead, &replyWrite, kFirstPrivateDescriptor) ||
        !kposix::MakePipe(&phaseRead, &phaseWrite, kFirstPrivateDescriptor)) {
        return run;
    }
    kposix::SpawnRequest request;
    request.program = program;
    request.arguments = arguments;
    request.descriptors = {{worker::kReplyDescriptor, replyWrite.Get()},
                           {worker::kPhaseDescriptor, phaseWrite.Get()}};
    request.keptIgnored.assign(kposix::kStopSignals.begin(), kposix::kStopSignals.end());

    const Clock::time_point deadline = Clock::now() + bounds.time;
    int error = 0;
    kposix::ChildProcess child = kposix::ChildProcess::Spawn(request, &error);
    if (!child.Running()) {
        return run;
    }
    // Each pipe ends when the child's copy closes.
    replyWrite.Reset();
    phaseWrite.Reset();
    run.end =
        ReadReply(replyRead.Get(), phaseRead.Get(), deadline, &stops, bounds.replyBytes, &run);
    std::optional<kposix::ChildEnd> end;
    if (run.end == WorkerEnd::Exited) {
        // A worker that closed its reply but goes on running is waited for no longer than the
        // deadline, and not past a stop.
        end = child.WaitUntil(deadline, stops.WakeFd());
        if (!end) {
            run.end = stops.Caught() ? WorkerEnd::Cancelled : WorkerEnd::TimedOut;
        }
    }
    if (run.end != WorkerEnd::Exited) {
        child.KillAndReap();
        return run;
    }
    run.peakResidentKb = end->peakResidentKb;
    if (end->bSignalled) {
        run.signal = end->signal;
        run.end = run.signal == SIGINT ? WorkerEnd::Cancelled : WorkerEnd::Signalled;
    } else {
        run.exitCode = end->exitCode;
    }
    // A stop that came as the worker finished cancels all the same.
    if (stops.Caught()) {
        run.end = WorkerEnd::Cancelled;
    }
    return run;
}

} // namespace quarnel
