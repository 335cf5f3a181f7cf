// Copyright (c) Kestrin developers.
//
// Tests of the signal catcher's self-pipe: a signal wakes every catcher alive that asked for it,
// an ignored signal stays ignored, and the actions found are back when the last catcher goes;
// passing on runs the program's own handler too.
#include "KestrinPosix/SignalCatcher.h"

#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>

#include <atomic>
#include <thread>

namespace {

std::atomic<int> g_programHandlerRuns{0};

void ProgramHandler(int) {
    g_programHandlerRuns.fetch_add(1);
}

bool Readable(int fd) {
    pollfd watched{fd, POLLIN, 0};
    return ::poll(&watched, 1, 0) == 1;
}

} // namespace

TEST(SignalCatcher, WakeEveryCatcherAndRestoreWhatTheyReplaced) {
    const auto previousHup = std::signal(SIGHUP, SIG_IGN);
    const auto previousTerm = std::signal(SIGTERM, ProgramHandler);
    {
        kposix::SignalCatcher first;
        kposix::SignalCatcher second;
        kposix::SignalCatcher resize(kposix::SignalDelivery::Take, {SIGWINCH});
        EXPECT_TRUE(kposix::SignalCatcher::Ignored(SIGHUP));
        // From another thread, as a signal may land anywhere in the process.
        std::thread([] { ::raise(SIGTERM); }).join();
        ::raise(SIGHUP); // ignored: not caught
        EXPECT_TRUE(Readable(first.WakeFd()));
        EXPECT_EQ(first.Take(), std::vector<int>{SIGTERM});
        EXPECT_TRUE(first.Take().empty());
        EXPECT_TRUE(second.Caught());
        EXPECT_TRUE(resize.Take().empty()); // it asked for another signal
        ::raise(SIGWINCH);
        EXPECT_EQ(resize.Take(), std::vector<int>{SIGWINCH});
        EXPECT_TRUE(first.Take().empty());
        EXPECT_EQ(g_programHandlerRuns.load(), 0); // taken, not passed on
    }
    EXPECT_EQ(std::signal(SIGTERM, SIG_DFL), ProgramHandler);
    EXPECT_EQ(std::signal(SIGHUP, previousHup), SIG_IGN);
    std::signal(SIGTERM, previousTerm);
}

TEST(SignalCatcher, PassingOnRunsTheProgramsHandler) {
    const auto previous = std::signal(SIGINT, ProgramHandler);
    g_programHandlerRuns = 0;
    {
        kposix::SignalCatcher watch(kposix::SignalDelivery::PassOn);
        ::raise(SIGINT);
        EXPECT_TRUE(watch.Caught());
        EXPECT_EQ(g_programHandlerRuns.load(), 1);
    }
    EXPECT_EQ(std::signal(SIGINT, previous), ProgramHandler);
}
