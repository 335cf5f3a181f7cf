// Copyright (c) Kestrin developers.
//
// Tests of ChildProcess on /bin/sh children: what the child starts with whatever the caller has
// set (descriptors, signal mask, ignored signals, session), and that waiting is bounded and no
// child outlives its owner.
#include "KestrinPosix/ChildProcess.h"
#include "KestrinPosix/UniqueFd.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include <string>

namespace {

using kposix::ChildProcess;
using Clock = ChildProcess::Clock;

constexpr auto kPatience = std::chrono::seconds(10);

// Runs script under /bin/sh with its standard output on a pipe; returns what it wrote.
std::string OutputOf(const std::string& script, kposix::SpawnRequest request = {}) {
    kposix::UniqueFd readEnd;
    kposix::UniqueFd writeEnd;
    EXPECT_TRUE(kposix::MakePipe(&readEnd, &writeEnd, 10));
    request.program = "/bin/sh";
    request.arguments = {"-c", script};
    request.descriptors.push_back({STDOUT_FILENO, writeEnd.Get()});
    int error = 0;
    ChildProcess child = ChildProcess::Spawn(request, &error);
    EXPECT_EQ(error, 0);
    writeEnd.Reset();
    std::string output;
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(readEnd.Get(), buffer, sizeof(buffer))) > 0) {
        output.append(buffer, static_cast<std::size_t>(got));
    }
    EXPECT_TRUE(child.WaitUntil(Clock::now() + kPatience).has_value());
    return output;
}

} // namespace

// The help opener once inherited the host's open descriptors, its blocked signals and its
// terminal; a child starts clean of all three, with the environment it is given.
TEST(ChildProcess, StartsWithOnlyItsDescriptorsNoMaskAndDefaultSignals) {
    const int inherited = ::open("/dev/null", O_RDONLY); // not close-on-exec
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGUSR1);
    sigset_t before;
    ::pthread_sigmask(SIG_BLOCK, &blocked, &before);
    const auto previousTerm = std::signal(SIGTERM, SIG_IGN);
    const auto previousInt = std::signal(SIGINT, SIG_IGN);

    kposix::SpawnRequest request;
    request.keptIgnored = {SIGINT};
    request.bNewSession = true;
    request.environment = {"KESTRIN_PROCESSORS=3"};
    ::setenv("KESTRIN_PROCESSORS", "1", 1);
    const std::string output =
        OutputOf("ls /proc/self/fd | sort -n | tr '\\n' ' '; echo;"
                 "echo \"share $KESTRIN_PROCESSORS\";"
                 "grep -E '^(SigBlk|SigIgn)' /proc/self/status | tr -s '\\t' ' ';"
                 "cut -d' ' -f6 /proc/$$/stat",
                 request);

    std::signal(SIGINT, previousInt);
    std::signal(SIGTERM, previousTerm);
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    ::close(inherited);
    ::unsetenv("KESTRIN_PROCESSORS");
    EXPECT_NE(output.find("share 3\n"), std::string::npos) << output; // set on top of the caller's
    // ls's own directory descriptor is 3; nothing of the caller's is there.
    EXPECT_EQ(output.substr(0, output.find('\n')), "0 1 2 3 ");
    EXPECT_NE(output.find("SigBlk: 0000000000000000\n"), std::string::npos) << output;
    // Of the standard signals only SIGINT (bit 1) stays ignored; SIGTERM is back at its default.
    // (The C library's own signals, from 32 on, are its business.)
    const std::size_t ignored = output.find("SigIgn: ");
    ASSERT_NE(ignored, std::string::npos) << output;
    EXPECT_EQ(std::stoull(output.substr(ignored + 8, 16), nullptr, 16) & 0x7FFFFFFFu, 0x2u);
    EXPECT_NE(output.substr(output.rfind('\n', output.size() - 2) + 1),
              std::to_string(::getsid(0)) + "\n");
}

TEST(ChildProcess, FailedStartIsAnErrorAndNoChild) {
    kposix::SpawnRequest request;
    request.program = "/nonexistent/program";
    int error = 0;
    const ChildProcess child = ChildProcess::Spawn(request, &error);
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(child.Running());

    request.program = "/bin/true";
    request.descriptors = {{3, 3}}; // a source among the child's numbers would be overwritten
    EXPECT_FALSE(ChildProcess::Spawn(request, &error).Running());
    EXPECT_EQ(error, EINVAL);
}

// A child that keeps running after closing its streams is waited for within the deadline only,
// and killed and reaped when its owner goes.
TEST(ChildProcess, WaitIsBoundedAndOwnerEndsTheChild) {
    kposix::SpawnRequest request;
    request.program = "/bin/sleep";
    request.arguments = {"60"};
    int error = 0;
    pid_t pid = 0;
    {
        ChildProcess child = ChildProcess::Spawn(request, &error);
        ASSERT_TRUE(child.Running());
        pid = child.Pid();
        const Clock::time_point start = Clock::now();
        EXPECT_FALSE(child.WaitUntil(start + std::chrono::milliseconds(50)).has_value());
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
        EXPECT_TRUE(child.Running());
    }
    EXPECT_NE(::kill(pid, 0), 0); // neither running nor a zombie: reaped
    EXPECT_EQ(errno, ESRCH);

    request.program = "/bin/sh";
    request.arguments = {"-c", "exit 7"};
    ChildProcess exiting = ChildProcess::Spawn(request, &error);
    const std::optional<kposix::ChildEnd> end = exiting.WaitUntil(Clock::now() + kPatience);
    ASSERT_TRUE(end.has_value());
    EXPECT_FALSE(end->bSignalled);
    EXPECT_EQ(end->exitCode, 7);
    EXPECT_TRUE(exiting.KillAndReap().exitCode == 0 && !exiting.Running());
}
