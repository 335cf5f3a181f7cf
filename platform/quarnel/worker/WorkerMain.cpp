// Copyright (c) Kestrin developers.
//
// quarnel-worker: reads one STEP file and writes the translated geometry, or the reason it could
// not, to descriptor 3 (WorkerProtocol.h), reporting its phases on descriptor 4. It runs in a
// process of its own so that a crash or a runaway read on a damaged file cannot take the host
// down. The memory bound is applied here, first thing (MemoryBound.h); the library that starts
// the worker enforces the time bound and cancels it with SIGINT.
#include "GeometryStreamWriter.h"
#include "MemoryBound.h"
#include "PhaseReport.h"
#include "ProcessLifetime.h"
#include "SilentMessenger.h"
#include "StepTranslator.h"
#include "WorkerProtocol.h"

#include <KestrinPosix/WriteAll.h>

#include <cstdlib>
#include <new>
#include <string>
#include <unistd.h>

namespace {

using namespace quarnel;
using namespace quarnel::worker;

struct Arguments {
    SurfaceMode mode = SurfaceMode::Mesh;
    std::uint64_t memoryLimitMb = 0; // 0: no bound of our own
    std::string path;
};

bool ParseArguments(int argc, char** argv, Arguments* arguments) {
    bool hasMode = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == kEndOfOptions && i + 2 == argc && arguments->path.empty()) {
            arguments->path = argv[++i];
        } else if (argument == kSurfaceOption && i + 1 < argc) {
            const std::string value = argv[++i];
            hasMode = value == kMeshSurface || value == kEdgeSurface;
            arguments->mode = value == kEdgeSurface ? SurfaceMode::EdgeCurves : SurfaceMode::Mesh;
        } else if (argument == kMemoryLimitOption && i + 1 < argc) {
            char* end = nullptr;
            arguments->memoryLimitMb = std::strtoull(argv[++i], &end, 10);
            if (end == nullptr || *end != '\0') {
                return false;
            }
        } else if (arguments->path.empty() && !argument.empty() && argument[0] != '-') {
            arguments->path = argument;
        } else {
            return false;
        }
    }
    return hasMode && !arguments->path.empty();
}

bool WriteReply(const std::vector<std::uint8_t>& reply) {
    return kposix::WriteAll(kReplyDescriptor, reply.data(), reply.size()) == 0;
}

} // namespace

int main(int argc, char** argv) {
    EndWithCaller();
    Arguments arguments;
    if (!ParseArguments(argc, argv, &arguments)) {
        WriteReply(stream::EncodeFailure(ReadStatus::BadArguments,
                                         "usage: quarnel-worker --surface "
                                         "mesh|edges [--memory-limit-mb N] [--] FILE"));
        return EXIT_FAILURE;
    }
    ApplyMemoryBound(arguments.memoryLimitMb);
    SilenceMessenger();
    InstallFaultHandlers();

    TranslatedGeometry geometry;
    std::string detail;
    const ReadStatus status = TranslateStepFile(arguments.path, arguments.mode, &geometry, &detail);
    ReportPhase(Phase::SendingResult);
    bool written = false;
    try {
        written = status == ReadStatus::Translated
                      ? stream::WriteGeometry(kReplyDescriptor, geometry)
                      : WriteReply(stream::EncodeFailure(status, detail));
    } catch (const std::bad_alloc&) {
        // Only the encoder's first block is allocated, before anything is written.
        written = WriteReply(stream::EncodeFailure(ReadStatus::OutOfMemory, {}));
    }
    written = written && ::close(kReplyDescriptor) == 0;
    // Open CASCADE's static state is not worth tearing down, and after a failure it may be broken.
    std::_Exit(written ? EXIT_SUCCESS : EXIT_FAILURE);
}
