// Kestrin host program: the job pool. One thread polls the standard output and error of every
// running child and a pipe that the interrupt handler writes to, so lines are handed on whole and
// in the order they arrive, and an interrupt is noticed at once without anything unsafe being
// done inside the handler. A child's streams reach their end when it exits; it is reaped then.
#include "batch/JobPool.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace KestrinApp {

namespace {

constexpr std::array<int, 3> kInterrupts = {SIGINT, SIGTERM, SIGHUP};
constexpr std::size_t kReadChunk = 1 << 14;
// Pipe ends are kept above the standard streams, so that dup2 onto them always copies.
constexpr int kFirstPipeDescriptor = 3;

int g_interruptPipe = -1; // the write end of the InterruptCatcher alive, for the handler

void NoteInterrupt(int signal) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_interruptPipe, &byte, 1);
    errno = savedErrno;
}

// Catches the interrupts while it lives (one at a time in the process) and restores the
// handling it found; an interrupt that was ignored stays ignored.
class InterruptCatcher {
public:
    InterruptCatcher() {
        if (::pipe2(m_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
            m_pipe = {-1, -1};
            return;
        }
        g_interruptPipe = m_pipe[1];
        for (std::size_t i = 0; i < kInterrupts.size(); ++i) {
            struct sigaction current {};
            if (::sigaction(kInterrupts[i], nullptr, &current) != 0 ||
                current.sa_handler == SIG_IGN) {
                continue;
            }
            struct sigaction catching {};
            catching.sa_handler = NoteInterrupt;
            sigemptyset(&catching.sa_mask);
            catching.sa_flags = SA_RESTART;
            m_bInstalled[i] = ::sigaction(kInterrupts[i], &catching, &m_previous[i]) == 0;
        }
    }
    ~InterruptCatcher() {
        for (std::size_t i = 0; i < kInterrupts.size(); ++i) {
            if (m_bInstalled[i]) {
                ::sigaction(kInterrupts[i], &m_previous[i], nullptr);
            }
        }
        g_interruptPipe = -1;
        for (const int fd : m_pipe) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    int ReadEnd() const { return m_pipe[0]; }

    /// The interrupts that arrived since the last call, oldest first.
    std::vector<int> Take() {
        std::vector<int> signals;
        unsigned char bytes[kInterrupts.size() * 8];
        ssize_t got = 0;
        while ((got = ::read(m_pipe[0], bytes, sizeof(bytes))) > 0) {
            signals.insert(signals.end(), bytes, bytes + got);
        }
        return signals;
    }

private:
    std::array<int, 2> m_pipe{-1, -1};
    std::array<struct sigaction, kInterrupts.size()> m_previous{};
    std::array<bool, kInterrupts.size()> m_bInstalled{};
};

// Starts the program with standard input from /dev/null, output and error into the given pipe
// ends, no other descriptor, a process group of its own and no signal blocked; 0 or an errno.
int Spawn(const Job& job, int outWriteEnd, int errWriteEnd, pid_t* pid) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(job.program.c_str()));
    for (const std::string& argument : job.arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    sigset_t none;
    sigemptyset(&none);
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    const bool bPrepared =
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0) == 0 &&
        posix_spawn_file_actions_adddup2(&actions, outWriteEnd, STDOUT_FILENO) == 0 &&
        posix_spawn_file_actions_adddup2(&actions, errWriteEnd, STDERR_FILENO) == 0 &&
        posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1) == 0 &&
        posix_spawnattr_setpgroup(&attributes, 0) == 0 &&
        posix_spawnattr_setsigmask(&attributes, &none) == 0 &&
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK) == 0;
    const int failure = bPrepared ? ::posix_spawn(pid, job.program.c_str(), &actions, &attributes,
                                                  argv.data(), environ)
                                  : ENOMEM;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return failure;
}

void CloseAll(std::initializer_list<int> fds) {
    for (const int fd : fds) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

// A pipe whose ends are close-on-exec and lie above the standard streams; false (errno set)
// when it cannot be made.
bool MakePipe(std::array<int, 2>* ends) {
    int made[2];
    if (::pipe2(made, O_CLOEXEC) != 0) {
        return false;
    }
    for (std::size_t i = 0; i < 2; ++i) {
        (*ends)[i] = ::fcntl(made[i], F_DUPFD_CLOEXEC, kFirstPipeDescriptor);
    }
    const int savedErrno = errno;
    CloseAll({made[0], made[1]});
    if ((*ends)[0] < 0 || (*ends)[1] < 0) {
        CloseAll({(*ends)[0], (*ends)[1]});
        errno = savedErrno;
        return false;
    }
    return true;
}

struct Child {
    std::size_t job = 0;
    pid_t pid = -1;
    std::array<int, 2> fds{-1, -1};     // standard output and error; -1 once at their end
    std::array<std::string, 2> pending; // each stream's line not ended yet
    bool bInterrupted = false;
};

// Starts a job; 0, or the errno of what failed.
int Start(const Job& job, Child* child) {
    std::array<int, 2> out{-1, -1};
    std::array<int, 2> err{-1, -1};
    if (!MakePipe(&out)) {
        return errno;
    }
    if (!MakePipe(&err)) {
        const int failure = errno;
        CloseAll({out[0], out[1]});
        return failure;
    }
    const int failure = Spawn(job, out[1], err[1], &child->pid);
    CloseAll({out[1], err[1]}); // the streams end when the child's copies close
    if (failure != 0) {
        CloseAll({out[0], err[0]});
        return failure;
    }
    child->fds = {out[0], err[0]};
    return 0;
}

// Reads what is there from one of the child's streams and hands on the lines it completes.
void ReadFrom(Child* child, std::size_t stream, const JobEvents& events) {
    char chunk[kReadChunk];
    const ssize_t got = ::read(child->fds[stream], chunk, sizeof(chunk));
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
        return;
    }
    const JobStream kind = stream == 0 ? JobStream::Out : JobStream::Err;
    std::string& pending = child->pending[stream];
    if (got <= 0) {
        if (!pending.empty()) {
            events.onLine(child->job, kind, pending);
            pending.clear();
        }
        ::close(child->fds[stream]);
        child->fds[stream] = -1;
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

JobEnd Reap(const Child& child) {
    int status = 0;
    while (::waitpid(child.pid, &status, 0) < 0 && errno == EINTR) {
    }
    JobEnd end;
    end.bInterrupted = child.bInterrupted;
    if (WIFSIGNALED(status)) {
        end.kind = JobEnd::Kind::Signalled;
        end.code = WTERMSIG(status);
    } else {
        end.kind = JobEnd::Kind::Exited;
        end.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return end;
}

} // namespace

PoolEnd RunJobs(const std::vector<Job>& jobs, unsigned parallel, const JobEvents& events) {
    InterruptCatcher interrupts;
    std::vector<Child> running;
    std::size_t next = 0;
    bool bInterrupted = false;
    for (;;) {
        while (!bInterrupted && next < jobs.size() && running.size() < parallel) {
            Child child;
            child.job = next++;
            const int failure = Start(jobs[child.job], &child);
            if (failure == 0) {
                running.push_back(std::move(child));
            } else {
                events.onEnd(child.job, JobEnd{JobEnd::Kind::NotStarted, failure, false});
            }
        }
        if (running.empty()) {
            break;
        }
        std::vector<pollfd> watched{{interrupts.ReadEnd(), POLLIN, 0}};
        std::vector<std::pair<std::size_t, std::size_t>> owners; // (child, stream) per entry
        for (std::size_t c = 0; c < running.size(); ++c) {
            for (std::size_t stream = 0; stream < 2; ++stream) {
                if (running[c].fds[stream] >= 0) {
                    watched.push_back({running[c].fds[stream], POLLIN, 0});
                    owners.emplace_back(c, stream);
                }
            }
        }
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            continue; // EINTR: an interrupt, which the pipe holds
        }
        if (watched[0].revents & POLLIN) {
            for (const int signal : interrupts.Take()) {
                bInterrupted = true;
                for (Child& child : running) {
                    ::kill(-child.pid, signal); // the child and whatever it started
                    child.bInterrupted = true;
                }
            }
        }
        for (std::size_t w = 1; w < watched.size(); ++w) {
            if (watched[w].revents != 0) {
                ReadFrom(&running[owners[w - 1].first], owners[w - 1].second, events);
            }
        }
        for (auto child = running.begin(); child != running.end();) {
            if (child->fds[0] >= 0 || child->fds[1] >= 0) {
                ++child;
                continue;
            }
            events.onEnd(child->job, Reap(*child));
            child = running.erase(child);
        }
    }
    return bInterrupted ? PoolEnd::Interrupted : PoolEnd::AllRan;
}

} // namespace KestrinApp
