// Copyright (c) Kestrin developers.
//
// The library's side of the worker: a worker that crashes, hangs, ends without a reply or sends a
// damaged or oversized one is a failure that says the reader stopped unexpectedly (a hang names
// the phase that took too long), the time bound grows with the file, and the settings come from
// the environment. A fake worker plays the misbehaving part.
#include "WorkerClient.h"

#include "QuarnelTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quarnel {
namespace {

constexpr const char* kModeVariable = "QUARNEL_FAKE_WORKER_MODE";
// Long enough for a sanitized fake worker on a busy machine; the hang test uses the short one.
constexpr std::chrono::milliseconds kTimeLimit{10000};
constexpr std::chrono::milliseconds kShortTimeLimit{300};
constexpr std::uint64_t kSmallMemoryLimitMb = 16;
constexpr std::uint64_t kMegabyte = 1024 * 1024;

class WorkerClient : public ::testing::Test {
protected:
    void TearDown() override { ::unsetenv(kModeVariable); }

    // Translates a valid little STEP file with the fake worker in the given mode.
    bool RunFake(const char* mode, std::chrono::milliseconds timeLimit = kTimeLimit) {
        ::setenv(kModeVariable, mode, 1);
        WorkerSettings settings;
        settings.program = QUARNEL_FAKE_WORKER;
        settings.time = {timeLimit, std::chrono::milliseconds(0)};
        settings.memoryLimitMb = kSmallMemoryLimitMb;
        m_path = test::WriteScratchFile("fake.stp", test::kEmptyStepText);
        m_geometry = {};
        return TranslateInWorker(m_path, worker::SurfaceMode::Mesh, settings, &m_geometry,
                                 &m_failure);
    }

    void ExpectStopped(const std::string& reason) const {
        EXPECT_EQ(m_failure,
                  "The STEP reader stopped unexpectedly while reading " + m_path + " " + reason);
        EXPECT_TRUE(m_geometry.points.empty());
    }

    std::string m_path;
    std::string m_failure;
    TranslatedGeometry m_geometry;
};

TEST_F(WorkerClient, GoodReplyIsDecoded) {
    ASSERT_TRUE(RunFake("point")) << m_failure;
    ASSERT_EQ(m_geometry.points.size(), 1u);
    // --surface mesh --memory-limit-mb N -- FILE, after the program name.
    EXPECT_EQ(m_geometry.points[0].x, 7.0);
}

TEST_F(WorkerClient, CrashIsAFailure) {
    EXPECT_FALSE(RunFake("crash"));
    ExpectStopped("(it crashed)");
}

TEST_F(WorkerClient, HangIsStoppedAtTheTimeLimitWithItsPhase) {
    EXPECT_FALSE(RunFake("hang", kShortTimeLimit));
    EXPECT_EQ(m_failure, "The STEP reader was stopped while reading " + m_path +
                             ": starting the STEP reader took longer than 0.3 s");

    // The bound from the environment, and the last phase the worker reported.
    ::setenv("QUARNEL_WORKER", QUARNEL_FAKE_WORKER, 1);
    ::setenv("QUARNEL_TIME_LIMIT_SECONDS", "1", 1);
    ::setenv(kModeVariable, "hang-meshing", 1);
    std::string failure;
    EXPECT_FALSE(TranslateInWorker(m_path, worker::SurfaceMode::Mesh,
                                   WorkerSettingsFromEnvironment(), &m_geometry, &failure));
    EXPECT_EQ(failure, "The STEP reader was stopped while reading " + m_path +
                           ": meshing the surfaces took longer than 1 s");
    EXPECT_TRUE(m_geometry.points.empty());
    ::unsetenv("QUARNEL_WORKER");
    ::unsetenv("QUARNEL_TIME_LIMIT_SECONDS");
}

TEST_F(WorkerClient, DamagedRepliesAreFailures) {
    for (const char* mode : {"garbage", "truncated"}) {
        EXPECT_FALSE(RunFake(mode)) << mode;
        ExpectStopped("(its result was damaged)");
    }
}

TEST_F(WorkerClient, NoReplyIsAFailure) {
    EXPECT_FALSE(RunFake("exit"));
    ExpectStopped("(it ended without a result)");
}

TEST_F(WorkerClient, OversizedReplyIsAFailure) {
    EXPECT_FALSE(RunFake("oversized"));
    ExpectStopped("(its result was too large)");
}

TEST_F(WorkerClient, MissingWorkerIsAFailure) {
    WorkerSettings settings = WorkerSettingsFromEnvironment();
    settings.program = test::ScratchDirectory() + "/no-such-worker";
    const std::string path = test::WriteScratchFile("any.stp", test::kEmptyStepText);
    TranslatedGeometry geometry;
    std::string failure;
    EXPECT_FALSE(TranslateInWorker(path, worker::SurfaceMode::Mesh, settings, &geometry, &failure));
    EXPECT_EQ(failure,
              "The STEP reader " + settings.program + " could not be started to read " + path);
}

TEST_F(WorkerClient, FileProblemIsToldWithoutStartingTheWorker) {
    WorkerSettings settings;
    settings.program = test::ScratchDirectory() + "/no-such-worker";
    TranslatedGeometry geometry;
    std::string failure;
    const std::string path = test::ScratchDirectory() + "/missing.step";
    EXPECT_FALSE(TranslateInWorker(path, worker::SurfaceMode::Mesh, settings, &geometry, &failure));
    EXPECT_EQ(failure, "The file " + path + " does not exist");
}

TEST(WorkerSettings, EnvironmentOverridesDefaults) {
    ::setenv("QUARNEL_WORKER", "/opt/reader", 1);
    ::setenv("QUARNEL_TIME_LIMIT_SECONDS", "42", 1);
    ::setenv("QUARNEL_MEMORY_LIMIT_MB", "512", 1);
    const WorkerSettings set = WorkerSettingsFromEnvironment();
    EXPECT_EQ(set.program, "/opt/reader");
    EXPECT_EQ(set.time.For(0), std::chrono::seconds(42));
    EXPECT_EQ(set.time.For(kMegabyte * 100), std::chrono::seconds(42));
    EXPECT_EQ(set.memoryLimitMb, 512u);

    ::setenv("QUARNEL_TIME_LIMIT_SECONDS", "-3", 1);
    ::setenv("QUARNEL_MEMORY_LIMIT_MB", "lots", 1);
    ::unsetenv("QUARNEL_WORKER");
    const WorkerSettings fallback = WorkerSettingsFromEnvironment();
    EXPECT_EQ(fallback.time.For(0), std::chrono::seconds(60));
    EXPECT_GT(fallback.memoryLimitMb, 0u);
    EXPECT_LE(fallback.memoryLimitMb, 8192u);
    EXPECT_NE(fallback.program.find("quarnel-worker"), std::string::npos);
    ::unsetenv("QUARNEL_TIME_LIMIT_SECONDS");
    ::unsetenv("QUARNEL_MEMORY_LIMIT_MB");
}

TEST(WorkerSettings, DefaultTimeBoundGrowsWithTheFile) {
    ::unsetenv("QUARNEL_TIME_LIMIT_SECONDS");
    const TimeBound bound = WorkerSettingsFromEnvironment().time;
    EXPECT_EQ(bound.For(kMegabyte), std::chrono::seconds(90));
    EXPECT_EQ(bound.For(kMegabyte * 3 / 2), std::chrono::seconds(105));
    // The share is rounded up to whole seconds, never down to nothing.
    EXPECT_EQ(bound.For(1), std::chrono::seconds(61));
    EXPECT_EQ(bound.For(kMegabyte * 74), std::chrono::seconds(60 + 30 * 74));
}

} // namespace
} // namespace quarnel
