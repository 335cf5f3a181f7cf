// Copyright (c) Kestrin developers.
//
// Runs the worker program as a child process and collects its reply: started without a shell,
// standard streams on /dev/null, the reply read from descriptor 3 and its phases from descriptor 4,
// killed when it outlives its time bound or its reply grows past a size bound, or when the calling
// process receives a stop signal (KestrinPosix/SignalCatcher.h) meanwhile. Nothing of the caller's
// other descriptors or signal handling reaches the child, except that it ignores a stop signal
// when the caller does.
#pragma once

#include "WorkerProtocol.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace quarnel {

enum class WorkerEnd : std::uint8_t {
    Exited,        // ended by itself; see exitCode
    Signalled,     // killed by a signal it did not survive (a crash); see signal
    Cancelled,     // ended by SIGINT, or killed because the caller received a stop signal
    TimedOut,      // outlived the time bound and was killed
    ReplyTooLarge, // its reply passed the size bound and it was killed
    NotStarted,    // the program could not be started
};

struct WorkerRun {
    WorkerEnd end = WorkerEnd::NotStarted;
    int exitCode = 0;
    int signal = 0;
    std::vector<std::uint8_t> reply;               // everything read from descriptor 3
    worker::Phase phase = worker::Phase::Starting; // the last phase it reported
    std::uint64_t peakResidentKb = 0; // the child's peak resident memory, when it was reaped
};

struct WorkerBounds {
    std::chrono::milliseconds time{0}; // wall-clock time bound, > 0
    std::size_t replyBytes = 0;        // largest reply accepted
};

/*
Description:
  Starts program with arguments, waits for it to end and returns what it wrote to descriptor 3.
Parameters:
  program - [in] path of the executable.
  arguments - [in] its arguments, without the program name.
  bounds - [in] the time and reply-size bounds.
Returns:
  How the worker ended and its reply. Always reaps the child: no zombie is left behind.
*/
WorkerRun RunWorker(const std::string& program, const std::vector<std::string>& arguments,
                    const WorkerBounds& bounds);

} // namespace quarnel
