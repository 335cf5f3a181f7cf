// Copyright (c) Kestrin developers.
//
// The texts of failures, as the user reads them on the command line: one line that names the file
// and says what went wrong, without the reader's jargon. UTF-8.
#pragma once

#include "ReadStatus.h"
#include "WorkerProtocol.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace quarnel {

// A failure the worker (or the file check) reported; detail as ReadStatus.h describes it.
std::string ReadFailureText(ReadStatus status, const std::string& detail, const std::string& path,
                            std::uint64_t memoryLimitMb);

// Why a worker stopped without a usable reply.
enum class WorkerFault : std::uint8_t {
    Crashed,       // killed by a signal
    ReplyTooLarge, // its reply passed the size bound
    DamagedReply,  // its reply did not decode
    NoReply,       // it ended without a reply
};

std::string WorkerFaultText(WorkerFault fault, const std::string& path);

// The worker outlived the time bound in the given phase and was stopped.
std::string TimedOutText(const std::string& path, worker::Phase phase,
                         std::chrono::milliseconds timeLimit);

// The translation was cancelled (SIGINT).
std::string CancelledText(const std::string& path);

// The worker program could not be started.
std::string WorkerMissingText(const std::string& path, const std::string& program);

// The calling process ran out of memory taking the geometry over.
std::string OutOfMemoryText(const std::string& path);

// Any other failure inside the library.
std::string UnexpectedFailureText(const std::string& path);

std::string SurfaceTypeText(int surfaceType, const std::string& path);

std::string ReservedArgumentText(int reserved, const std::string& path);

} // namespace quarnel
