// Copyright (c) Kestrin developers.
//
// quarnel-fake-worker: stands in for the worker to show how the library copes with one that
// misbehaves. QUARNEL_FAKE_WORKER_MODE picks the behaviour: "crash", "hang", "hang-meshing"
// (reports its phases up to meshing, then hangs), "interrupted" (ends by SIGINT, as at a Ctrl+C),
// "exit" (no reply), "garbage", "truncated", "oversized" (a reply past the tests' size bound), or
// "point" (a valid reply with one point, whose x is the number of arguments received). When
// QUARNEL_FAKE_WORKER_PID_FILE names a file, the fake writes its process id there first.
#include "GeometryStreamWriter.h"
#include "WorkerProtocol.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// More than the 16 MB reply bound the tests set.
constexpr std::size_t kOversizedBytes = 17 * 1024 * 1024;

void Write(const std::vector<std::uint8_t>& bytes, int fd = quarnel::worker::kReplyDescriptor) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

void Hang() {
    for (;;) {
        ::pause();
    }
}

} // namespace

int main(int argc, char**) {
    if (const char* pidFile = std::getenv("QUARNEL_FAKE_WORKER_PID_FILE")) {
        std::ofstream(pidFile) << ::getpid() << '\n';
    }
    const char* value = std::getenv("QUARNEL_FAKE_WORKER_MODE");
    const std::string mode = value != nullptr ? value : "";
    quarnel::TranslatedGeometry geometry;
    geometry.points.push_back({static_cast<double>(argc), 0.0, 0.0});
    if (mode == "crash") {
        std::abort();
    } else if (mode == "hang") {
        Hang();
    } else if (mode == "hang-meshing") {
        using quarnel::worker::Phase;
        Write({static_cast<std::uint8_t>(Phase::Reading),
               static_cast<std::uint8_t>(Phase::Transferring),
               static_cast<std::uint8_t>(Phase::Meshing)},
              quarnel::worker::kPhaseDescriptor);
        Hang();
    } else if (mode == "interrupted") {
        std::raise(SIGINT);
    } else if (mode == "garbage") {
        Write(std::vector<std::uint8_t>(1000, 0xA5));
    } else if (mode == "truncated") {
        std::vector<std::uint8_t> reply = quarnel::stream::EncodeGeometry(geometry);
        reply.resize(reply.size() - 1);
        Write(reply);
    } else if (mode == "oversized") {
        Write(std::vector<std::uint8_t>(kOversizedBytes, 0));
    } else if (mode == "point") {
        Write(quarnel::stream::EncodeGeometry(geometry));
    }
    return mode == "point" ? EXIT_SUCCESS : EXIT_FAILURE;
}
