// Copyright (c) Kestrin developers.
//
// The child is started with every signal at its default disposition (SIGINT ignored if the caller
// ignores it) and none blocked, whatever the host has set, and with all descriptors above 4
// closed. The pipes are polled against the deadline, so a worker that hangs without writing is
// still stopped in time, and in short slices, so that an interrupt delivered to another thread of
// the caller is noticed soon too.
#include "WorkerProcess.h"

#include "InterruptWatch.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quarnel {
namespace {

using Clock = std::chrono::steady_clock;

// Pipe ends are moved above the descriptors the child sets up, so dup2 onto 3 always copies.
constexpr int kFirstPrivateDescriptor = 10;
constexpr std::size_t kReadChunk = 1 << 16;
// Phase reports are one byte each and few.
constexpr std::size_t kPhaseChunk = 256;
// How often a worker whose reply has ended is checked for having exited.
constexpr std::chrono::milliseconds kExitPollInterval{5};
// The longest wait between two looks at the interrupt count.
constexpr std::chrono::milliseconds kInterruptPollInterval{50};

class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    void Reset(int fd) {
        Close();
        m_fd = fd;
    }
    void Close() {
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }

private:
    int m_fd = -1;
};

class SpawnSetup {
public:
    SpawnSetup() {
        posix_spawn_file_actions_init(&m_actions);
        posix_spawnattr_init(&m_attributes);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&m_actions);
        posix_spawnattr_destroy(&m_attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    bool Prepare(int replyWriteEnd, int phaseWriteEnd, bool bKeepSigintIgnored) {
        sigset_t reset;
        sigset_t none;
        sigfillset(&reset);
        if (bKeepSigintIgnored) {
            sigdelset(&reset, SIGINT);
        }
        sigemptyset(&none);
        return posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY,
                                                0) == 0 &&
               posix_spawn_file_actions_addopen(&m_actions, STDOUT_FILENO, "/dev/null", O_WRONLY,
                                                0) == 0 &&
               posix_spawn_file_actions_addopen(&m_actions, STDERR_FILENO, "/dev/null", O_WRONLY,
                                                0) == 0 &&
               posix_spawn_file_actions_adddup2(&m_actions, replyWriteEnd,
                                                worker::kReplyDescriptor) == 0 &&
               posix_spawn_file_actions_adddup2(&m_actions, phaseWriteEnd,
                                                worker::kPhaseDescriptor) == 0 &&
               posix_spawn_file_actions_addclosefrom_np(&m_actions, worker::kPhaseDescriptor + 1) ==
                   0 &&
               posix_spawnattr_setsigdefault(&m_attributes, &reset) == 0 &&
               posix_spawnattr_setsigmask(&m_attributes, &none) == 0 &&
               posix_spawnattr_setflags(&m_attributes,
                                        POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK) == 0;
    }

    const posix_spawn_file_actions_t* Actions() const { return &m_actions; }
    const posix_spawnattr_t* Attributes() const { return &m_attributes; }

private:
    posix_spawn_file_actions_t m_actions;
    posix_spawnattr_t m_attributes;
};

bool MakePipe(Descriptor* readEnd, Descriptor* writeEnd) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        return false;
    }
    Descriptor low0(ends[0]);
    Descriptor low1(ends[1]);
    readEnd->Reset(::fcntl(ends[0], F_DUPFD_CLOEXEC, kFirstPrivateDescriptor));
    writeEnd->Reset(::fcntl(ends[1], F_DUPFD_CLOEXEC, kFirstPrivateDescriptor));
    return readEnd->Get() >= 0 && writeEnd->Get() >= 0;
}

// Why the worker must be stopped now, if it must.
std::optional<WorkerEnd> ReasonToStop(Clock::time_point deadline,
                                      const InterruptWatch& interrupts) {
    if (interrupts.Interrupted()) {
        return WorkerEnd::Cancelled;
    }
    if (Clock::now() >= deadline) {
        return WorkerEnd::TimedOut;
    }
    return std::nullopt;
}

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

// Reads the reply until end of file, a reason to stop or the size bound, taking the phase reports
// as they come; returns how reading ended.
WorkerEnd ReadReply(int replyFd, int phaseFd, Clock::time_point deadline,
                    const InterruptWatch& interrupts, std::size_t maxBytes, WorkerRun* run) {
    std::uint8_t chunk[kReadChunk];
    pollfd watched[] = {{replyFd, POLLIN, 0}, {phaseFd, POLLIN, 0}};
    for (;;) {
        if (const std::optional<WorkerEnd> stop = ReasonToStop(deadline, interrupts)) {
            return *stop;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        const int ready = ::poll(watched, 2,
                                 static_cast<int>(std::clamp<long long>(
                                     left.count(), 1, kInterruptPollInterval.count())));
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

// Waits for the child to end; returns a reason to stop it if one comes first.
std::optional<WorkerEnd> WaitForExit(pid_t pid, Clock::time_point deadline,
                                     const InterruptWatch& interrupts, int* status, rusage* usage) {
    for (;;) {
        const pid_t done = ::wait4(pid, status, WNOHANG, usage);
        if (done == pid || (done < 0 && errno != EINTR)) {
            return std::nullopt;
        }
        if (const std::optional<WorkerEnd> stop = ReasonToStop(deadline, interrupts)) {
            return stop;
        }
        ::usleep(static_cast<useconds_t>(
            std::chrono::duration_cast<std::chrono::microseconds>(kExitPollInterval).count()));
    }
}

void KillAndReap(pid_t pid) {
    ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

WorkerRun RunWorker(const std::string& program, const std::vector<std::string>& arguments,
                    const WorkerBounds& bounds) {
    WorkerRun run;
    // Watching from before the start, so that no interrupt can leave the worker behind.
    const InterruptWatch interrupts;
    Descriptor replyRead;
    Descriptor replyWrite;
    Descriptor phaseRead;
    Descriptor phaseWrite;
    SpawnSetup setup;
    if (!MakePipe(&replyRead, &replyWrite) || !MakePipe(&phaseRead, &phaseWrite) ||
        !setup.Prepare(replyWrite.Get(), phaseWrite.Get(), interrupts.Ignored())) {
        return run;
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    const Clock::time_point deadline = Clock::now() + bounds.time;
    pid_t pid = 0;
    if (::posix_spawn(&pid, program.c_str(), setup.Actions(), setup.Attributes(), argv.data(),
                      environ) != 0) {
        return run;
    }
    // Each pipe ends when the child's copy closes.
    replyWrite.Close();
    phaseWrite.Close();
    run.end =
        ReadReply(replyRead.Get(), phaseRead.Get(), deadline, interrupts, bounds.replyBytes, &run);
    int status = 0;
    rusage usage{};
    if (run.end == WorkerEnd::Exited) {
        if (const std::optional<WorkerEnd> stop =
                WaitForExit(pid, deadline, interrupts, &status, &usage)) {
            run.end = *stop;
        }
    }
    if (run.end != WorkerEnd::Exited) {
        KillAndReap(pid);
        return run;
    }
    run.peakResidentKb = static_cast<std::uint64_t>(usage.ru_maxrss);
    if (WIFSIGNALED(status)) {
        run.signal = WTERMSIG(status);
        run.end = run.signal == SIGINT ? WorkerEnd::Cancelled : WorkerEnd::Signalled;
    } else {
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // An interrupt that came as the worker finished cancels all the same.
    if (interrupts.Interrupted()) {
        run.end = WorkerEnd::Cancelled;
    }
    return run;
}

} // namespace quarnel
