// Kestrin host program: the job pool. One thread polls the standard output and error (and the
// report descriptor) of every running child and the stop-signal catcher's descriptor, so lines are
// handed on whole and in the order they arrive, and an interrupt is noticed at once. A child whose
// streams reached their end is reaped when it exits; one that closed its streams and goes on
// running is given a grace period and then killed, so that it cannot stall the run.
#include "Batch/JobPool.h"

#include "KestrinPosix/ChildProcess.h"
#include "KestrinPosix/ProcessorCount.h"
#include "KestrinPosix/SignalCatcher.h"
#include "KestrinPosix/UniqueFd.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <poll.h>
#include <unistd.h>

namespace KestrinApp {

namespace {

using Clock = kposix::ChildProcess::Clock;

constexpr std::size_t kReadChunk = 1 << 14;
constexpr std::size_t kStreams = 3; // indexed by JobStream
// Pipe ends are kept above every descriptor a child is given, so that its set-up always copies.
constexpr int kFirstPipeDescriptor = 10;

struct Child {
    std::size_t job = 0;
    kposix::ChildProcess process;
    std::array<kposix::UniqueFd, kStreams> streams; // closed at their end; a report only if asked
    std::array<std::string, kStreams> pending;      // each stream's line not ended yet
    std::optional<Clock::time_point> killAt; // both streams ended: when it is killed if alive
    bool bInterrupted = false;
};

// Starts a job with standard input from /dev/null, output, error and any report into pipes, a
// process group of its own and its share of the processors; 0, or the errno of what failed.
int Start(const Job& job, unsigned parallel, Child* child) {
    std::array<kposix::UniqueFd, kStreams> writeEnds;
    const std::array<int, kStreams> childFds = {STDOUT_FILENO, STDERR_FILENO, job.reportFd};
    kposix::SpawnRequest request;
    for (std::size_t stream = 0; stream < kStreams; ++stream) {
        if (childFds[stream] < 0) {
            continue;
        }
        if (!kposix::MakePipe(&child->streams[stream], &writeEnds[stream], kFirstPipeDescriptor)) {
            return errno;
        }
        request.descriptors.push_back({childFds[stream], writeEnds[stream].Get()});
    }
    request.program = job.program;
    request.arguments = job.arguments;
    request.bNewProcessGroup = true;
    request.environment = {std::string(kposix::kProcessorShareVariable) + "=" +
                           std::to_string(kposix::ShareFor(parallel))};
    int failure = 0;
    child->process = kposix::ChildProcess::Spawn(request, &failure);
    return failure; // the write ends close here: the streams end when the child's copies close
}

// Reads what is there from one of the child's streams and hands on the lines it completes.
void ReadFrom(Child* child, std::size_t stream, const JobEvents& events) {
    char chunk[kReadChunk];
    const ssize_t got = ::read(child->streams[stream].Get(), chunk, sizeof(chunk));
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
        return;
    }
    const auto kind = static_cast<JobStream>(stream);
    std::string& pending = child->pending[stream];
    if (got <= 0) {
        if (!pending.empty()) {
            events.onLine(child->job, kind, pending);
            pending.clear();
        }
        child->streams[stream].Reset();
        return;
    }
    pending.append(chunk, static_cast<std::size_t>(got));
    std::size_t lineStart = 0;
    for (std::size_t lineEnd = pending.find('\n'); lineEnd != std::string::npos;
         lineEnd = pending.find('\n', lineStart)) {
        events.onLine(child->job, kind, pending.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
    }
    pending.erase(0, lineStart);
}

JobEnd EndOf(const Child& child, const kposix::ChildEnd& end) {
    return end.bSignalled ? JobEnd{JobEnd::Kind::Signalled, end.signal, child.bInterrupted}
                          : JobEnd{JobEnd::Kind::Exited, end.exitCode, child.bInterrupted};
}

// How long poll() may wait: until the first grace period ends, or for ever.
int PollTimeout(const std::vector<Child>& running) {
    std::optional<Clock::time_point> first;
    for (const Child& child : running) {
        if (child.killAt && (!first || *child.killAt < *first)) {
            first = child.killAt;
        }
    }
    if (!first) {
        return -1;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*first - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count()));
}

} // namespace

PoolEnd RunJobs(const std::vector<Job>& jobs, unsigned parallel, const JobEvents& events,
                std::chrono::milliseconds streamlessGrace) {
    kposix::SignalCatcher interrupts;
    std::vector<Child> running;
    std::size_t next = 0;
    PoolEnd result = PoolEnd::AllRan;
    for (;;) {
        while (result == PoolEnd::AllRan && next < jobs.size() && running.size() < parallel) {
            Child child;
            child.job = next++;
            const int failure = Start(jobs[child.job], parallel, &child);
            if (failure == 0) {
                running.push_back(std::move(child));
            } else {
                events.onEnd(child.job, JobEnd{JobEnd::Kind::NotStarted, failure, false});
            }
        }
        if (running.empty()) {
            break;
        }
        std::vector<pollfd> watched{{interrupts.WakeFd(), POLLIN, 0}};
        std::vector<std::pair<std::size_t, std::size_t>> owners; // (child, stream) per entry
        for (std::size_t c = 0; c < running.size(); ++c) {
            for (std::size_t stream = 0; stream < kStreams; ++stream) {
                if (running[c].streams[stream].IsOpen()) {
                    watched.push_back({running[c].streams[stream].Get(), POLLIN, 0});
                    owners.emplace_back(c, stream);
                }
            }
        }
        const int ready = ::poll(watched.data(), watched.size(), PollTimeout(running));
        if (ready < 0 && errno != EINTR) {
            // The streams cannot be watched any more: the children are ended (each object
            // kills and reaps its own) and reported, and nothing more starts.
            for (Child& child : running) {
                events.onEnd(child.job, EndOf(child, child.process.KillAndReap()));
            }
            return PoolEnd::Failed;
        }
        if (ready > 0 && (watched[0].revents & POLLIN)) {
            for (const int signal : interrupts.Take()) {
                result = PoolEnd::Interrupted;
                for (Child& child : running) {
                    child.process.SignalGroup(signal); // the child and whatever it started
                    child.bInterrupted = true;
                }
            }
        }
        for (std::size_t w = 1; ready > 0 && w < watched.size(); ++w) {
            if (watched[w].revents != 0) {
                ReadFrom(&running[owners[w - 1].first], owners[w - 1].second, events);
            }
        }
        for (auto child = running.begin(); child != running.end();) {
            if (std::any_of(child->streams.begin(), child->streams.end(),
                            [](const kposix::UniqueFd& stream) { return stream.IsOpen(); })) {
                ++child;
                continue;
            }
            std::optional<kposix::ChildEnd> end = child->process.TryReap();
            if (!end) {
                if (!child->killAt) {
                    child->killAt = Clock::now() + streamlessGrace;
                } else if (Clock::now() >= *child->killAt) {
                    end = child->process.KillAndReap();
                }
            }
            if (!end) {
                ++child;
                continue;
            }
            events.onEnd(child->job, EndOf(*child, *end));
            child = running.erase(child);
        }
    }
    return result;
}

} // namespace KestrinApp
