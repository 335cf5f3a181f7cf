// Copyright (c) Kestrin developers.
//
// Cancelling a translation with SIGINT. SIGINT to the waiting process stops the worker whatever
// the program does with SIGINT: its handler still runs, at the default action the process still
// ends, but only after the worker is gone; a program that ignores SIGINT is not cancelled. The
// fake worker hangs and leaves its process id, so that the tests can see it is gone. The real
// worker must end by SIGINT too, although Open CASCADE installs a handler for it.
#include "WorkerClient.h"

#include "QuarnelTestSupport.h"
#include "WorkerProtocol.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace quarnel {
namespace {

constexpr const char* kModeVariable = "QUARNEL_FAKE_WORKER_MODE";
constexpr const char* kPidFileVariable = "QUARNEL_FAKE_WORKER_PID_FILE";
// Far longer than any test takes, so that only a cancel can end the fake's hang in time.
constexpr std::chrono::milliseconds kTimeLimit{20000};
constexpr std::chrono::milliseconds kShortTimeLimit{1000};
constexpr std::chrono::milliseconds kPidPollInterval{10};

std::atomic<int> g_handledInterrupts{0};

void CountInterrupt(int) {
    ++g_handledInterrupts;
}

// Sets SIGINT's action for one test and puts the previous one back.
class SigintAction {
public:
    explicit SigintAction(void (*handler)(int)) {
        struct sigaction action {};
        action.sa_handler = handler;
        ::sigaction(SIGINT, &action, &m_previous);
    }
    ~SigintAction() { ::sigaction(SIGINT, &m_previous, nullptr); }
    SigintAction(const SigintAction&) = delete;
    SigintAction& operator=(const SigintAction&) = delete;

private:
    struct sigaction m_previous {};
};

bool IsRunning(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string ignored;
    char state = 'X';
    // pid (name) state ...; the fake's name has no spaces.
    return stat >> ignored >> ignored >> state && state != 'Z' && state != 'X';
}

class Cancel : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = test::WriteScratchFile("cancel.stp", test::kEmptyStepText);
        m_pidFile = test::ScratchDirectory() + "/fake-worker.pid";
        ::unlink(m_pidFile.c_str());
        ::setenv(kPidFileVariable, m_pidFile.c_str(), 1);
    }
    void TearDown() override {
        const pid_t worker = WorkerPid();
        if (worker > 0 && IsRunning(worker)) {
            ::kill(worker, SIGKILL); // a failed test leaves no hanging fake behind
        }
        ::unsetenv(kModeVariable);
        ::unsetenv(kPidFileVariable);
    }

    bool RunFake(const char* mode, std::chrono::milliseconds timeLimit = kTimeLimit) {
        ::setenv(kModeVariable, mode, 1);
        WorkerSettings settings;
        settings.program = QUARNEL_FAKE_WORKER;
        settings.time = {timeLimit, std::chrono::milliseconds(0)};
        settings.memoryLimitMb = 16;
        return TranslateInWorker(m_path, worker::SurfaceMode::Mesh, settings, &m_geometry,
                                 &m_failure);
    }

    pid_t WorkerPid() const {
        pid_t pid = 0;
        std::ifstream(m_pidFile) >> pid;
        return pid;
    }

    // Once the fake worker runs, sends SIGINT to it (when asked) and then to this process.
    std::thread InterruptWhenTheWorkerRuns(bool bWorkerToo = false) const {
        return std::thread([this, bWorkerToo] {
            pid_t worker = 0;
            while ((worker = WorkerPid()) <= 0) {
                std::this_thread::sleep_for(kPidPollInterval);
            }
            if (bWorkerToo) {
                ::kill(worker, SIGINT);
            }
            ::kill(::getpid(), SIGINT);
        });
    }

    std::string CancelledText() const { return "The translation of " + m_path + " was cancelled"; }

    std::string m_path;
    std::string m_pidFile;
    std::string m_failure;
    TranslatedGeometry m_geometry;
};

TEST_F(Cancel, WorkerEndedBySigintIsACancelledTranslation) {
    EXPECT_FALSE(RunFake("interrupted"));
    EXPECT_EQ(m_failure, CancelledText());
    EXPECT_TRUE(m_geometry.points.empty());
}

TEST_F(Cancel, SigintToTheProcessStopsTheWorkerAndReachesTheProgramsHandler) {
    const SigintAction counting(CountInterrupt);
    g_handledInterrupts = 0;
    std::thread interrupter = InterruptWhenTheWorkerRuns();
    EXPECT_FALSE(RunFake("hang"));
    interrupter.join();
    EXPECT_EQ(m_failure, CancelledText());
    EXPECT_EQ(g_handledInterrupts, 1);
    EXPECT_FALSE(IsRunning(WorkerPid()));
}

TEST_F(Cancel, SigintAtTheDefaultActionEndsTheProcessOnlyAfterTheWorker) {
    EXPECT_EXIT(
        {
            const SigintAction standard(SIG_DFL);
            std::thread interrupter = InterruptWhenTheWorkerRuns();
            RunFake("hang");
            interrupter.join();
            std::exit(EXIT_SUCCESS);
        },
        ::testing::KilledBySignal(SIGINT), "");
    const pid_t worker = WorkerPid();
    ASSERT_GT(worker, 0);
    EXPECT_FALSE(IsRunning(worker));
}

// A background job ignores SIGINT so that a Ctrl+C meant for the foreground passes it by.
TEST_F(Cancel, IgnoredSigintIsIgnoredByTheWorkerToo) {
    const SigintAction ignoring(SIG_IGN);
    std::thread interrupter = InterruptWhenTheWorkerRuns(true);
    EXPECT_FALSE(RunFake("hang", kShortTimeLimit));
    interrupter.join();
    EXPECT_EQ(m_failure, "The STEP reader was stopped while reading " + m_path +
                             ": starting the STEP reader took longer than 1 s");
}

TEST(CancelRealWorker, WorkerEndsBySigintWhileReading) {
    int phases[2];
    ASSERT_EQ(::pipe(phases), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, worker::kReplyDescriptor, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, phases[1], worker::kPhaseDescriptor);
    const std::string program = WorkerSettingsFromEnvironment().program;
    const std::string file = test::FixturePath("bracket.step");
    const char* argv[] = {program.c_str(), "--surface", "mesh", "--", file.c_str(), nullptr};
    pid_t pid = 0;
    const int spawned =
        ::posix_spawn(&pid, program.c_str(), &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(phases[1]);
    ASSERT_EQ(spawned, 0);
    // The first report comes after Open CASCADE's signal handlers are in.
    std::uint8_t phase = 0;
    EXPECT_EQ(::read(phases[0], &phase, 1), 1);
    EXPECT_EQ(phase, static_cast<std::uint8_t>(worker::Phase::Reading));
    ::kill(pid, SIGINT);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ::close(phases[0]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << "status " << status;
}

} // namespace
} // namespace quarnel
