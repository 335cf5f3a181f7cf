// Copyright (c) Kestrin developers.
//
// The library's side of the worker: a worker that crashes, hangs, ends without a reply or sends a
// damaged or oversized one is a failure that says the reader stopped unexpectedly, and the
// settings come from the environment. A fake worker plays the misbehaving part.
#include "WorkerClient.h"

#include "QuarnelTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quarnel {
namespace {

constexpr const char* kModeVariable = "QUARNEL_FAKE_WORKER_MODE";
constexpr const char* kStepText = "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\nENDSEC;\n"
                                  "END-ISO-10303-21;\n";
// Long enough for a sanitized fake worker on a busy machine; the hang test uses the short one.
constexpr std::chrono::milliseconds kTimeLimit{10000};
constexpr std::chrono::milliseconds kShortTimeLimit{300};
constexpr std::uint64_t kSmallMemoryLimitMb = 16;

class WorkerClient : public ::testing::Test {
protected:
    void TearDown() override { ::unsetenv(kModeVariable); }

    // Translates a valid little STEP file with the fake worker in the given mode.
    bool RunFake(const char* mode, std::chrono::milliseconds timeLimit = kTimeLimit) {
        ::setenv(kModeVariable, mode, 1);
        WorkerSettings settings;
        settings.program = QUARNEL_FAKE_WORKER;
        settings.timeLimit = timeLimit;
        settings.memoryLimitMb = kSmallMemoryLimitMb;
        m_path = test::WriteScratchFile("fake.stp", kStepText);
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

TEST_F(WorkerClient, HangIsStoppedAtTheTimeLimit) {
    EXPECT_FALSE(RunFake("hang", kShortTimeLimit));
    ExpectStopped("(it took longer than 0.3 s)");
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
    const std::string path = test::WriteScratchFile("any.stp", kStepText);
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
    EXPECT_EQ(set.timeLimit, std::chrono::seconds(42));
    EXPECT_EQ(set.memoryLimitMb, 512u);

    ::setenv("QUARNEL_TIME_LIMIT_SECONDS", "-3", 1);
    ::setenv("QUARNEL_MEMORY_LIMIT_MB", "lots", 1);
    ::unsetenv("QUARNEL_WORKER");
    const WorkerSettings fallback = WorkerSettingsFromEnvironment();
    EXPECT_EQ(fallback.timeLimit, std::chrono::seconds(600));
    EXPECT_GT(fallback.memoryLimitMb, 0u);
    EXPECT_LE(fallback.memoryLimitMb, 8192u);
    EXPECT_NE(fallback.program.find("quarnel-worker"), std::string::npos);
    ::unsetenv("QUARNEL_TIME_LIMIT_SECONDS");
    ::unsetenv("QUARNEL_MEMORY_LIMIT_MB");
}

} // namespace
} // namespace quarnel
