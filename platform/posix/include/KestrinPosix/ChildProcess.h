// Copyright (c) Kestrin developers.
//
// Starting a program as a child process and reaping it: the one way to do both. The child starts
// without a shell, with exactly the descriptors it is given (standard streams it is not given are
// /dev/null, every other descriptor of the caller is closed), every signal at its default action
// and none blocked, whatever the caller has set; only signals the caller asks to keep ignored stay
// ignored. Every set-up step is checked: a child that could not be set up as asked is not started.
// A ChildProcess owns its child: one still running when the object goes is killed and reaped, so
// no path leaves a zombie or a stray process, unless it is handed to ReapInBackground on purpose.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kposix {

// A descriptor of the child and where it comes from.
struct ChildDescriptor {
    int childFd = -1;  // its number in the child
    int parentFd = -1; // the caller's descriptor copied there; -1: /dev/null
};

struct SpawnRequest {
    std::string program;                      // a path, or a name looked up in PATH (bSearchPath)
    std::vector<std::string> arguments;       // without the program name
    bool bSearchPath = false;                 // look program up in PATH as a shell would
    std::string workingFolder;                // empty: the caller's
    std::vector<ChildDescriptor> descriptors; // each parentFd above every childFd (MakePipe)
    std::vector<int> keptIgnored;             // signals the child ignores if the caller does
    bool bNewSession = false; // a session of its own: no controlling terminal, so a Ctrl+C or a
                              // hang-up meant for the caller does not reach it
    bool bNewProcessGroup = false;        // a process group of its own (led by the child), which
                                          // SignalGroup() reaches with whatever the child started
    std::vector<std::string> environment; // "NAME=value" entries set for the child on top of
                                          // the caller's environment (a processor share)
};

// How a child ended.
struct ChildEnd {
    bool bSignalled = false; // killed by signal; otherwise it exited with exitCode
    int exitCode = 0;
    int signal = 0;
    std::uint64_t peakResidentKb = 0; // its peak resident memory
};

class ChildProcess {
public:
    using Clock = std::chrono::steady_clock;

    /* Description:
         Starts a child as request says.
       Parameters:
         request - [in] the program, its arguments and its set-up.
         pError - [out] 0, or the errno of the step that failed (ENOENT: no such program).
       Returns:
         The child; Running() is false when it could not be started.
    */
    static ChildProcess Spawn(const SpawnRequest& request, int* pError);

    ChildProcess() = default;
    // Kills and reaps a child still running.
    ~ChildProcess();
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Started and not reaped yet.
    bool Running() const { return m_pid > 0; }
    pid_t Pid() const { return m_pid; }

    /* Description:
         Reaps the child if it has ended, without waiting.
       Returns:
         How it ended; nothing while it runs.
    */
    std::optional<ChildEnd> TryReap();

    /* Description:
         Waits for the child to end, at most until deadline, and no longer than until wakeFd
         becomes readable.
       Parameters:
         deadline - [in] when to give up waiting.
         wakeFd - [in] a descriptor that ends the wait when readable (a SignalCatcher read end),
           or -1.
       Returns:
         How it ended; nothing when it still runs (the deadline passed or wakeFd woke the wait).
    */
    std::optional<ChildEnd> WaitUntil(Clock::time_point deadline, int wakeFd = -1);

    /* Description:
         Sends signal to the child, if it runs.
    */
    void Signal(int signal) const;

    /* Description:
         Sends signal to the child's process group (SpawnRequest::bNewProcessGroup), if it runs.
    */
    void SignalGroup(int signal) const;

    /* Description:
         Kills the child with SIGKILL and reaps it.
       Returns:
         How it ended (by SIGKILL, or by itself if it ended first).
    */
    ChildEnd KillAndReap();

    /* Description:
         Leaves the child running and reaps it on a thread of its own when it ends: for a
         program meant to outlive the call that started it (a desktop opener). The object no
         longer owns it.
    */
    void ReapInBackground();

private:
    explicit ChildProcess(pid_t pid) : m_pid(pid) {}
    std::optional<ChildEnd> Reap(int options);

    pid_t m_pid = -1; // the running child, or -1
};

} // namespace kposix
