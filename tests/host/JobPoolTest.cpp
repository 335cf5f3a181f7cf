// Kestrin host tests: the job pool runs child processes a given number at once, hands on their
// lines whole and named by job, tells how each ended, and on an interrupt passes it on to the
// running children and starts no more; a child that closed its streams cannot hold the run. The
// children are small shell scripts.
#include "Batch/JobPool.h"
#include "Batch/RunTally.h"

#include "KestrinPosix/ProcessorCount.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <map>

using KestrinApp::Job;
using KestrinApp::JobEnd;
using KestrinApp::JobEvents;
using KestrinApp::JobStream;
using KestrinApp::PoolEnd;

namespace {

Job Shell(const std::string& script) {
    return Job{"/bin/sh", {"-c", script}};
}

struct Line {
    std::size_t job;
    JobStream stream;
    std::string text;
};

// Everything a run handed on.
struct Recorded {
    std::vector<Line> lines;
    std::map<std::size_t, JobEnd> ends;
    PoolEnd end = PoolEnd::AllRan;

    std::vector<std::string> TextsOf(std::size_t job) const {
        std::vector<std::string> texts;
        for (const Line& line : lines) {
            if (line.job == job) {
                texts.push_back(line.text);
            }
        }
        return texts;
    }
};

Recorded RunPool(const std::vector<Job>& jobs, unsigned parallel,
                 const std::function<void(const Line&)>& onLine = nullptr,
                 std::chrono::milliseconds grace = std::chrono::seconds(5)) {
    Recorded recorded;
    JobEvents events;
    events.onLine = [&](std::size_t job, JobStream stream, const std::string& text) {
        recorded.lines.push_back({job, stream, text});
        if (onLine) {
            onLine(recorded.lines.back());
        }
    };
    events.onEnd = [&](std::size_t job, const JobEnd& end) {
        EXPECT_EQ(recorded.ends.count(job), 0u) << "job " << job << " ended twice";
        recorded.ends[job] = end;
    };
    recorded.end = KestrinApp::RunJobs(jobs, parallel, events, grace);
    return recorded;
}

} // namespace

TEST(JobPool, LinesArriveWholeFromEachStreamEvenWhenWrittenInPieces) {
    const Recorded run = RunPool({Shell("printf 'par'; sleep 0.1; printf 'tial\\nnext\\n'; "
                                        "printf 'oops\\n' >&2; printf 'no line end'"),
                                  Shell("echo other")},
                                 2);
    EXPECT_EQ(run.TextsOf(0), (std::vector<std::string>{"partial", "next", "oops", "no line end"}));
    EXPECT_EQ(run.TextsOf(1), std::vector<std::string>{"other"});
    const auto oops = std::find_if(run.lines.begin(), run.lines.end(),
                                   [](const Line& line) { return line.text == "oops"; });
    ASSERT_NE(oops, run.lines.end());
    EXPECT_EQ(oops->stream, JobStream::Err);
}

TEST(JobPool, NeverRunsMoreThanAskedAndOneAtATimeInOrder) {
    std::vector<Job> jobs(5, Shell("echo start; sleep 0.05; echo end"));
    for (const unsigned parallel : {1U, 2U}) {
        int running = 0;
        int most = 0;
        const Recorded run = RunPool(jobs, parallel, [&](const Line& line) {
            running += line.text == "start" ? 1 : -1;
            most = std::max(most, running);
        });
        EXPECT_LE(most, static_cast<int>(parallel));
        EXPECT_EQ(run.ends.size(), jobs.size());
        if (parallel == 1) {
            for (std::size_t i = 0; i < run.lines.size(); ++i) {
                EXPECT_EQ(run.lines[i].job, i / 2);
            }
        }
    }
}

TEST(JobPool, TellsHowEachChildEnded) {
    const Recorded run = RunPool({Shell("exit 0"), Shell("exit 3"), Shell("kill -SEGV $$"),
                                  Job{"/no/such/program", {}}, Shell("read line || echo no input")},
                                 2);
    ASSERT_EQ(run.ends.size(), 5u);
    EXPECT_EQ(run.ends.at(0).kind, JobEnd::Kind::Exited);
    EXPECT_EQ(run.ends.at(0).code, 0);
    EXPECT_EQ(run.ends.at(1).code, 3);
    EXPECT_EQ(run.ends.at(2).kind, JobEnd::Kind::Signalled);
    EXPECT_EQ(run.ends.at(2).code, SIGSEGV);
    EXPECT_EQ(run.ends.at(3).kind, JobEnd::Kind::NotStarted);
    EXPECT_EQ(run.ends.at(3).code, ENOENT);
    EXPECT_EQ(run.TextsOf(4), std::vector<std::string>{"no input"});
    EXPECT_EQ(run.end, PoolEnd::AllRan);
}

TEST(JobPool, InterruptReachesRunningChildrenAndStartsNoMore) {
    // The first child handles the interrupt itself, as the single-file import does, and its
    // last words still arrive; the second never starts.
    const std::vector<Job> jobs = {
        Shell("trap 'echo cancelled; exit 5' INT; echo started; sleep 5 & wait"),
        Shell("echo second"),
    };
    const Recorded run = RunPool(jobs, 1, [](const Line& line) {
        if (line.text == "started") {
            std::raise(SIGINT);
        }
    });
    EXPECT_EQ(run.end, PoolEnd::Interrupted);
    ASSERT_EQ(run.ends.size(), 1u);
    EXPECT_TRUE(run.ends.at(0).bInterrupted);
    EXPECT_EQ(run.ends.at(0).code, 5);
    EXPECT_EQ(run.TextsOf(0), (std::vector<std::string>{"started", "cancelled"}));
    EXPECT_TRUE(run.TextsOf(1).empty());
    // The pool's own handler is gone again.
    struct sigaction now {};
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST(JobPool, AChildThatClosesItsStreamsAndRunsOnIsKilledAfterItsGraceAndEachGetsItsShare) {
    const Recorded run =
        RunPool({Shell("exec >&- 2>&-; exec sleep 600"), Shell("echo \"$KESTRIN_PROCESSORS\"")}, 2,
                nullptr, std::chrono::milliseconds(200));
    ASSERT_EQ(run.ends.size(), 2u);
    EXPECT_EQ(run.ends.at(0).kind, JobEnd::Kind::Signalled);
    EXPECT_EQ(run.ends.at(0).code, SIGKILL);
    EXPECT_EQ(run.TextsOf(1), std::vector<std::string>{std::to_string(kposix::ShareFor(2))});
}

// An interrupted run named no file it left undone; its rerun needs every one, in the run's order.
TEST(RunTally, SummaryNamesEveryFileNotImportedInTheRunsOrder) {
    KestrinApp::RunTally tally({"good.step", "bad.step", "cut.step", "later.stp"});
    tally.Imported(0);
    EXPECT_EQ(tally.ProgressLabel(), "1 of 4 files done, 0 failed, elapsed");
    tally.Stopped(2);
    tally.Failed(1, "damaged");
    EXPECT_EQ(tally.Summary("out", true),
              "Interrupted: 1 of 4 files imported into out; 1 failed, 1 stopped, 1 not started:\n"
              "  bad.step: damaged\n"
              "  cut.step: stopped by the interrupt\n"
              "  later.stp: not started\n");
    tally.Imported(2);
    tally.Imported(3);
    EXPECT_EQ(tally.Summary("", false), "3 of 4 files imported; 1 failed:\n  bad.step: damaged\n");
    KestrinApp::RunTally single({"a.step"});
    single.Imported(0);
    EXPECT_TRUE(single.AllImported());
    EXPECT_EQ(single.Summary("all.dxf", false), "1 file imported into all.dxf\n");
}
