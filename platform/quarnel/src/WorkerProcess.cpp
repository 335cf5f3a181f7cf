// Copyright (c) Kestrin developers.
//
// The child is started with every signal at its default disposition and none blocked, whatever
// the host has set, and with all descriptors above 3 closed. The reply pipe's read end is polled
// against the deadline, so a worker that hangs without writing is still stopped in time.
#include "WorkerProcess.h"

#include "WorkerProtocol.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <limits>
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
// How often a worker whose reply has ended is checked for having exited.
constexpr std::chrono::milliseconds kExitPollInterval{5};

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

    bool Prepare(int replyWriteEnd) {
        sigset_t all;
        sigset_t none;
        sigfillset(&all);
        sigemptyset(&none);
        return posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY,
                                                0) == 0 &&
               posix_spawn_file_actions_addopen(&m_actions, STDOUT_FILENO, "/dev/null", O_WRONLY,
                                                0) == 0 &&
               posix_spawn_file_actions_addopen(&m_actions, STDERR_FILENO, "/dev/null", O_WRONLY,
                                                0) == 0 &&
               posix_spawn_file_actions_adddup2(&m_actions, replyWriteEnd,
                                                worker::kReplyDescriptor) == 0 &&
               posix_spawn_file_actions_addclosefrom_np(&m_actions, worker::kReplyDescriptor + 1) ==
                   0 &&
               posix_spawnattr_setsigdefault(&m_attributes, &all) == 0 &&
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

bool MakeReplyPipe(Descriptor* readEnd, Descriptor* writeEnd) {
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

// Reads until end of file, the deadline or the size bound; returns how reading ended.
WorkerEnd ReadReply(int fd, Clock::time_point deadline, std::size_t maxBytes,
                    std::vector<std::uint8_t>* reply) {
    std::uint8_t chunk[kReadChunk];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return WorkerEnd::TimedOut;
        }
        pollfd watched{fd, POLLIN, 0};
        const int ready = ::poll(
            &watched, 1,
            static_cast<int>(std::min<long long>(left.count(), std::numeric_limits<int>::max())));
        if (ready < 0 && errno != EINTR) {
            return WorkerEnd::Exited;
        }
        if (ready <= 0) {
            continue;
        }
        const ssize_t got = ::read(fd, chunk, sizeof(chunk));
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (got <= 0) {
            return WorkerEnd::Exited;
        }
        if (reply->size() + static_cast<std::size_t>(got) > maxBytes) {
            return WorkerEnd::ReplyTooLarge;
        }
        reply->insert(reply->end(), chunk, chunk + got);
    }
}

// Waits for the child until the deadline; false when it is still running then.
bool WaitUntil(pid_t pid, Clock::time_point deadline, int* status, rusage* usage) {
    for (;;) {
        const pid_t done = ::wait4(pid, status, WNOHANG, usage);
        if (done == pid || (done < 0 && errno != EINTR)) {
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
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
    Descriptor readEnd;
    Descriptor writeEnd;
    SpawnSetup setup;
    if (!MakeReplyPipe(&readEnd, &writeEnd) || !setup.Prepare(writeEnd.Get())) {
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
    writeEnd.Close(); // the reply ends when the child's copy closes
    run.end = ReadReply(readEnd.Get(), deadline, bounds.replyBytes, &run.reply);
    int status = 0;
    rusage usage{};
    if (run.end != WorkerEnd::Exited || !WaitUntil(pid, deadline, &status, &usage)) {
        KillAndReap(pid);
        run.end = run.end == WorkerEnd::Exited ? WorkerEnd::TimedOut : run.end;
        return run;
    }
    run.peakResidentKb = static_cast<std::uint64_t>(usage.ru_maxrss);
    if (WIFSIGNALED(status)) {
        run.end = WorkerEnd::Signalled;
        run.signal = WTERMSIG(status);
    } else {
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return run;
}

} // namespace quarnel
