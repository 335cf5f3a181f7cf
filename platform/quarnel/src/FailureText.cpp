// Copyright (c) Kestrin developers.
//
// Every failure text of the library, in one place so that they read alike.
#include "FailureText.h"

#include "PhaseText.h"

#include <cstdio>

namespace quarnel {
namespace {

constexpr long long kMillisecondsPerSecond = 1000;
constexpr const char* kStoppedPrefix = "The STEP reader stopped unexpectedly while reading ";

// The worker's detail is not trusted to be one line.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < ' ') {
            c = ' ';
        }
    }
    return text;
}

// Whole seconds as they are, shorter limits (tests) with their fraction.
std::string Seconds(std::chrono::milliseconds duration) {
    const long long ms = duration.count();
    if (ms % kMillisecondsPerSecond == 0) {
        return std::to_string(ms / kMillisecondsPerSecond);
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%.1f", static_cast<double>(ms) / kMillisecondsPerSecond);
    return text;
}

} // namespace

std::string ReadFailureText(ReadStatus status, const std::string& rawDetail,
                            const std::string& path, std::uint64_t memoryLimitMb) {
    const std::string detail = OneLine(rawDetail);
    switch (status) {
    case ReadStatus::Translated:
        break;
    case ReadStatus::FileMissing:
        return "The file " + path + " does not exist";
    case ReadStatus::NotAFile:
        return path + " is " + (detail.empty() ? "not a regular file" : detail) +
               ", not a STEP file";
    case ReadStatus::NoPermission:
        return "No permission to read " + path;
    case ReadStatus::EmptyFile:
        return "The file " + path + " is empty";
    case ReadStatus::NotStep:
        return path + " is not a STEP file" +
               (detail.empty() ? std::string() : " (it looks like " + detail + ")");
    case ReadStatus::Damaged:
        if (detail == "truncated") {
            return path + " is truncated: it ends before the end of its data";
        }
        return path + " is damaged and could not be read" +
               (detail.empty() ? std::string() : " (" + detail + ")");
    case ReadStatus::NothingTransferable:
        return "The geometry in " + path + " could not be translated";
    case ReadStatus::UnreadableContent:
        return path + " holds no geometry that can be imported (it holds " + detail + ")";
    case ReadStatus::OutOfMemory:
        return kStoppedPrefix + path + " (it needed more than " + std::to_string(memoryLimitMb) +
               " MB of memory)";
    case ReadStatus::TranslationFailed:
        return "The geometry in " + path + " could not be translated (it failed while " + detail +
               ")";
    case ReadStatus::BadArguments:
        return "The STEP reader was started wrongly and did not read " + path;
    }
    return kStoppedPrefix + path;
}

std::string WorkerFaultText(WorkerFault fault, const std::string& path) {
    switch (fault) {
    case WorkerFault::Crashed:
        return kStoppedPrefix + path + " (it crashed)";
    case WorkerFault::ReplyTooLarge:
        return kStoppedPrefix + path + " (its result was too large)";
    case WorkerFault::DamagedReply:
        return kStoppedPrefix + path + " (its result was damaged)";
    case WorkerFault::NoReply:
        break;
    }
    return kStoppedPrefix + path + " (it ended without a result)";
}

std::string TimedOutText(const std::string& path, worker::Phase phase,
                         std::chrono::milliseconds timeLimit) {
    return "The STEP reader was stopped while reading " + path + ": " + PhaseText(phase) +
           " took longer than " + Seconds(timeLimit) + " s";
}

std::string CancelledText(const std::string& path) {
    return "The translation of " + path + " was cancelled";
}

std::string WorkerMissingText(const std::string& path, const std::string& program) {
    return "The STEP reader " + program + " could not be started to read " + path;
}

std::string OutOfMemoryText(const std::string& path) {
    return "There is not enough memory to import the geometry of " + path;
}

std::string UnexpectedFailureText(const std::string& path) {
    return "Importing " + path + " failed unexpectedly";
}

std::string SurfaceTypeText(int surfaceType, const std::string& path) {
    return "Surface type " + std::to_string(surfaceType) +
           " is not supported (0 for meshes, 1 for edge curves); " + path + " was not read";
}

std::string ReservedArgumentText(int reserved, const std::string& path) {
    return "Option value " + std::to_string(reserved) + " is not supported (it must be 0); " +
           path + " was not read";
}

} // namespace quarnel
