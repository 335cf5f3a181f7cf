// Kestrin host program: runs programs as child processes, a given number at once, and hands on
// what they write, line by line. Each child has a process group of its own, so that a Ctrl+C at
// the terminal reaches this process alone: it passes every interrupt (SIGINT, SIGTERM, SIGHUP)
// on to the running children, whose own handling decides how they end, and starts no more. Each
// child gets its share of the processors (KESTRIN_PROCESSORS), so that children run at once do
// not each start a thread per processor.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace KestrinApp {

/// One child process: the program and its arguments (without the program name).
struct Job {
    std::string program;
    std::vector<std::string> arguments;
    int reportFd = -1; // the child's descriptor for a report to the pool (JobStream::Report)
};

/// The child's stream a line came from: its standard output or error, or its report.
enum class JobStream : std::uint8_t { Out, Err, Report };

/// How a child ended.
struct JobEnd {
    enum class Kind : std::uint8_t { Exited, Signalled, NotStarted };
    Kind kind = Kind::NotStarted;
    int code = 0;              // Exited: the exit status; Signalled: the signal; NotStarted: errno
    bool bInterrupted = false; // an interrupt was passed on to it
};

struct JobEvents {
    /// A whole line that a job wrote (without its line break; a last line without one too).
    std::function<void(std::size_t job, JobStream stream, const std::string& line)> onLine;
    /// A job ended; all its lines came before.
    std::function<void(std::size_t job, const JobEnd& end)> onEnd;
};

/// How a run of jobs ended.
enum class PoolEnd : std::uint8_t {
    AllRan,      // every job started (some may have failed)
    Interrupted, // an interrupt came: the jobs not started by then never start
    Failed,      // the children's streams could not be watched: those running were killed
};

/*
Description:
  Runs jobs, at most parallel at once, started in their order.
Parameters:
  jobs     - [in] the child processes.
  parallel        - [in] how many run at once, >= 1.
  events          - [in] called on this thread as lines arrive and jobs end.
  streamlessGrace - [in] how long a child that closed both its streams may go on running
                    before it is killed.
Returns:
  How the run ended.
Remarks:
  Returns once every started child has ended and been reaped. Children read /dev/null and
  inherit no descriptors but their standard streams. Interrupts that were ignored when the run
  began (a job in the background of a shell script) stay ignored.
*/
PoolEnd RunJobs(const std::vector<Job>& jobs, unsigned parallel, const JobEvents& events,
                std::chrono::milliseconds streamlessGrace = std::chrono::seconds(5));

} // namespace KestrinApp
