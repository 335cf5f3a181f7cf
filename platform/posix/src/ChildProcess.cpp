// Copyright (c) Kestrin developers.
//
// posix_spawn with its file actions and attributes checked one by one. The child's descriptors
// are copied from parent numbers above every child number, so no copy overwrites a source still
// to be copied. Waiting polls the wake descriptor in short slices between looks at the child, so
// a deadline or a wake-up is noticed within one slice.
#include "KestrinPosix/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string_view>
#include <thread>
#include <utility>

extern char** environ;

namespace kposix {
namespace {

constexpr int kStandardStreams = 3;
// How often a waited-for child is looked at.
constexpr std::chrono::milliseconds kWaitSlice{5};

class SpawnSetup {
public:
    SpawnSetup() {
        m_error = posix_spawn_file_actions_init(&m_actions);
        m_bActions = m_error == 0;
        if (m_bActions) {
            m_error = posix_spawnattr_init(&m_attributes);
            m_bAttributes = m_error == 0;
        }
    }
    ~SpawnSetup() {
        if (m_bActions) {
            posix_spawn_file_actions_destroy(&m_actions);
        }
        if (m_bAttributes) {
            posix_spawnattr_destroy(&m_attributes);
        }
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // Returns 0 or the error of the first step that failed.
    int Prepare(const SpawnRequest& request) {
        int highest = kStandardStreams - 1;
        for (const ChildDescriptor& descriptor : request.descriptors) {
            highest = std::max(highest, descriptor.childFd);
        }
        if (!request.workingFolder.empty()) {
            Check(posix_spawn_file_actions_addchdir_np(&m_actions, request.workingFolder.c_str()));
        }
        for (int fd = 0; fd < kStandardStreams; ++fd) {
            if (!Names(request, fd)) {
                Check(posix_spawn_file_actions_addopen(&m_actions, fd, "/dev/null", O_RDWR, 0));
            }
        }
        for (const ChildDescriptor& descriptor : request.descriptors) {
            if (descriptor.childFd < 0 ||
                (descriptor.parentFd >= 0 && descriptor.parentFd <= highest)) {
                Check(EINVAL);
            } else if (descriptor.parentFd < 0) {
                Check(posix_spawn_file_actions_addopen(&m_actions, descriptor.childFd, "/dev/null",
                                                       O_RDWR, 0));
            } else {
                Check(posix_spawn_file_actions_adddup2(&m_actions, descriptor.parentFd,
                                                       descriptor.childFd));
            }
        }
        Check(posix_spawn_file_actions_addclosefrom_np(&m_actions, highest + 1));

        sigset_t defaults;
        sigset_t none;
        sigfillset(&defaults);
        sigemptyset(&none);
        for (const int signal : request.keptIgnored) {
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) == 0 &&
                (current.sa_flags & SA_SIGINFO) == 0 && current.sa_handler == SIG_IGN) {
                sigdelset(&defaults, signal);
            }
        }
        short flags = POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK;
        if (request.bNewSession) {
            flags |= POSIX_SPAWN_SETSID;
        }
        if (request.bNewProcessGroup) {
            flags |= POSIX_SPAWN_SETPGROUP;
            Check(posix_spawnattr_setpgroup(&m_attributes, 0));
        }
        Check(posix_spawnattr_setsigdefault(&m_attributes, &defaults));
        Check(posix_spawnattr_setsigmask(&m_attributes, &none));
        Check(posix_spawnattr_setflags(&m_attributes, flags));
        return m_error;
    }

    const posix_spawn_file_actions_t* Actions() const { return &m_actions; }
    const posix_spawnattr_t* Attributes() const { return &m_attributes; }

private:
    static bool Names(const SpawnRequest& request, int childFd) {
        return std::any_of(request.descriptors.begin(), request.descriptors.end(),
                           [&](const ChildDescriptor& d) { return d.childFd == childFd; });
    }
    void Check(int result) {
        if (m_error == 0) {
            m_error = result;
        }
    }

    posix_spawn_file_actions_t m_actions;
    posix_spawnattr_t m_attributes;
    bool m_bActions = false;
    bool m_bAttributes = false;
    int m_error = 0; // the first failure
};

// The caller's environment with the request's entries set on top (an entry replaces the
// caller's of the same name).
std::vector<char*> EnvironmentOf(const SpawnRequest& request) {
    std::vector<char*> entries;
    for (char** pEntry = environ; *pEntry; ++pEntry) {
        const std::string_view entry(*pEntry);
        const std::string_view name = entry.substr(0, entry.find('='));
        const bool bReplaced = std::any_of(
            request.environment.begin(), request.environment.end(), [&](const std::string& set) {
                return set.size() > name.size() && set.compare(0, name.size(), name) == 0 &&
                       set[name.size()] == '=';
            });
        if (!bReplaced) {
            entries.push_back(*pEntry);
        }
    }
    for (const std::string& set : request.environment) {
        entries.push_back(const_cast<char*>(set.c_str()));
    }
    entries.push_back(nullptr);
    return entries;
}

ChildEnd EndOf(int status, const rusage& usage) {
    ChildEnd end;
    end.peakResidentKb = static_cast<std::uint64_t>(usage.ru_maxrss);
    if (WIFSIGNALED(status)) {
        end.bSignalled = true;
        end.signal = WTERMSIG(status);
    } else {
        end.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return end;
}

} // namespace

ChildProcess ChildProcess::Spawn(const SpawnRequest& request, int* pError) {
    SpawnSetup setup;
    *pError = setup.Prepare(request);
    if (*pError != 0) {
        return ChildProcess();
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(request.program.c_str()));
    for (const std::string& argument : request.arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> environment = EnvironmentOf(request);
    pid_t pid = 0;
    *pError = request.bSearchPath
                  ? ::posix_spawnp(&pid, request.program.c_str(), setup.Actions(),
                                   setup.Attributes(), argv.data(), environment.data())
                  : ::posix_spawn(&pid, request.program.c_str(), setup.Actions(),
                                  setup.Attributes(), argv.data(), environment.data());
    return *pError == 0 ? ChildProcess(pid) : ChildProcess();
}

ChildProcess::~ChildProcess() {
    if (Running()) {
        KillAndReap();
    }
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : m_pid(std::exchange(other.m_pid, -1)) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        if (Running()) {
            KillAndReap();
        }
        m_pid = std::exchange(other.m_pid, -1);
    }
    return *this;
}

std::optional<ChildEnd> ChildProcess::Reap(int options) {
    if (!Running()) {
        return std::nullopt;
    }
    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t done = ::wait4(m_pid, &status, options, &usage);
        if (done == m_pid) {
            m_pid = -1;
            return EndOf(status, usage);
        }
        if (done == 0) {
            return std::nullopt;
        }
        if (errno != EINTR) {
            // Reaped elsewhere (SIGCHLD ignored, say): it is gone all the same.
            m_pid = -1;
            return ChildEnd{};
        }
    }
}

std::optional<ChildEnd> ChildProcess::TryReap() {
    return Reap(WNOHANG);
}

std::optional<ChildEnd> ChildProcess::WaitUntil(Clock::time_point deadline, int wakeFd) {
    for (;;) {
        if (std::optional<ChildEnd> end = TryReap()) {
            return end;
        }
        if (!Running()) {
            return std::nullopt;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return std::nullopt;
        }
        pollfd wake{wakeFd, POLLIN, 0};
        const int ready = ::poll(&wake, 1, static_cast<int>(std::min(left, kWaitSlice).count()));
        if (ready > 0) {
            return TryReap();
        }
    }
}

void ChildProcess::Signal(int signal) const {
    if (Running()) {
        ::kill(m_pid, signal);
    }
}

void ChildProcess::SignalGroup(int signal) const {
    if (Running()) {
        ::kill(-m_pid, signal);
    }
}

ChildEnd ChildProcess::KillAndReap() {
    Signal(SIGKILL);
    const std::optional<ChildEnd> end = Reap(0);
    return end ? *end : ChildEnd{};
}

void ChildProcess::ReapInBackground() {
    if (!Running()) {
        return;
    }
    const pid_t pid = std::exchange(m_pid, -1);
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

} // namespace kposix
