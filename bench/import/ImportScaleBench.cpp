// Copyright (c) Kestrin developers.
//
// The import at scale against Open CASCADE alone, in the same run. Models are grids of spheres
// (SphereGridModel.h) at two sizes, 8^3 and 16^3 spheres (about 0.33 and 2.65 million triangles),
// written once to $TMPDIR/kestrin-scale-models and kept for later runs. Each case is one mesh form
// and one way of writing the spheres (a solid each, or all in one shell; either way the import
// makes a mesh per sphere). A single mesh of millions of triangles cannot be had this way (Open
// CASCADE meshes body by body, and its STEP parser takes time quadratic in the length of one
// entity's list, so a tessellated mesh of 166,000 points already takes half a minute to read):
// bench/convert times our conversion of such meshes. Every iteration runs, at both sizes: Open
// CASCADE alone (OpenCascadeAlone.h), the worker alone (its reply to /dev/null), and `kestrin
// import` into a DXF file that is removed afterwards. Counters (_s small model, _l large):
//   ratio_s, ratio_l         import time / Open CASCADE time
//   occt_s_s, occt_s_l       seconds of Open CASCADE alone; worker_s_l, import_s_l likewise
//   added_ns_s, added_ns_l   (import - Open CASCADE) per triangle, ns: the cost our code adds
//   added_growth             added_ns_l / added_ns_s (linear: within 1.15)
//   host_B_per_tri           the host's peak resident memory per triangle, large model
//   worker_peak_MB, occt_peak_MB, worker_peak_ratio   peaks on the large model
//   dxf_MB                   size of the large model's DXF
//   tri_l                    triangles of the large model
// Each of the three runs is made KESTRIN_SCALE_RUNS times per size (default 3), interleaved, and
// the fastest of each counts: Open CASCADE's parallel mesher and the virtual machine's memory
// (pages touched for the first time cost several times more now and then) make single runs vary
// by 10 % and more. Peaks are the highest of the runs. Run on an unloaded machine where possible.
#include "OpenCascadeAlone.h"
#include "SphereGridModel.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using kestrin::bench::SphereBodies;

constexpr double kKbPerMb = 1024.0;
constexpr double kBytesPerKb = 1024.0;
constexpr double kBytesPerMb = 1024.0 * 1024.0;
constexpr double kNsPerSecond = 1e9;
constexpr int kSmallSide = 8;
constexpr int kLargeSide = 16;
constexpr auto kPeakPollInterval = std::chrono::milliseconds(10);
constexpr int kDefaultRuns = 3;

namespace fs = std::filesystem;

fs::path ModelFolder() {
    return fs::temp_directory_path() / "kestrin-scale-models";
}

// The model's file, written on first use.
std::string Model(int side, SphereBodies bodies) {
    const fs::path path =
        ModelFolder() / ((bodies == SphereBodies::Separate ? "spheres-" : "shell-of-spheres-") +
                         std::to_string(side * side * side) + ".step");
    std::error_code error;
    if (!fs::exists(path, error)) {
        fs::create_directories(ModelFolder(), error);
        if (!kestrin::bench::WriteSphereGrid(side, bodies, path.string())) {
            return {};
        }
    }
    return path.string();
}

// A "VmHWM:   N kB" line of /proc/PID/status, in kB; 0 once the process is gone.
long PeakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(line.find(':') + 1));
        }
    }
    return 0;
}

struct ChildRun {
    double seconds = 0.0;
    double peakMb = 0.0; // the process's own peak (children not included)
    bool ok = false;
};

// Runs argv with descriptor outFd as its `toFd`, standard input from /dev/null, and waits. The
// process's own peak memory is polled from /proc while it runs: the peak of a host's worker
// would otherwise be mixed into the host's rusage.
ChildRun RunChild(const std::vector<std::string>& arguments, int toFd, const std::string& out) {
    ChildRun run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, toFd, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return run;
    }
    long peakKb = 0;
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, WNOHANG, &usage) == 0) {
        peakKb = std::max(peakKb, PeakResidentKb(pid));
        std::this_thread::sleep_for(kPeakPollInterval);
    }
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.peakMb = static_cast<double>(peakKb) / kKbPerMb;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

std::string ScratchPath(const char* name) {
    return (fs::temp_directory_path() /
            ("kestrin-scale-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

bool Succeeded(const std::string& transcript) {
    std::ifstream in(transcript);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("Successfully imported", 0) == 0) {
            return true;
        }
    }
    return false;
}

struct SizeFigures {
    quarnel::bench::OpenCascadeRun occt;
    ChildRun worker;
    ChildRun import;
    double dxfMb = 0.0;
};

int RunsPerSize() {
    const char* text = std::getenv("KESTRIN_SCALE_RUNS");
    const int runs = text != nullptr ? std::atoi(text) : kDefaultRuns;
    return runs > 0 ? runs : kDefaultRuns;
}

// Keeps the faster run's figures, with the higher of the two peaks.
template <class Run> void KeepBest(const Run& run, Run* best) {
    const double peakMb = std::max(run.peakMb, best->peakMb);
    if (best->seconds == 0.0 || run.seconds < best->seconds) {
        *best = run;
    }
    best->peakMb = peakMb;
}

bool MeasureOnce(const std::string& model, const char* meshType, SizeFigures* best,
                 std::string* failure) {
    quarnel::bench::OpenCascadeRun occt;
    if (!quarnel::bench::RunOpenCascadeAlone(model, quarnel::worker::SurfaceMode::Mesh, &occt)) {
        *failure = "Open CASCADE alone failed on " + model;
        return false;
    }
    KeepBest(occt, &best->occt);
    const ChildRun worker =
        RunChild({KESTRIN_BENCH_WORKER, quarnel::worker::kSurfaceOption,
                  quarnel::worker::kMeshSurface, quarnel::worker::kEndOfOptions, model},
                 quarnel::worker::kReplyDescriptor, "/dev/null");
    if (!worker.ok) {
        *failure = "the worker failed on " + model;
        return false;
    }
    KeepBest(worker, &best->worker);
    const std::string dxf = ScratchPath("out.dxf");
    const std::string transcript = ScratchPath("transcript.txt");
    ::setenv("KESTRIN_REGISTRY_FILE", ScratchPath("settings.ini").c_str(), 1);
    const ChildRun import =
        RunChild({KESTRIN_BENCH_HOST, "import", model, "-o", dxf, "--surfaces", "mesh",
                  "--mesh-type", meshType, "--warning", "off", "--no-progress"},
                 STDOUT_FILENO, transcript);
    std::error_code error;
    best->dxfMb = static_cast<double>(fs::file_size(dxf, error)) / kBytesPerMb;
    const bool imported = import.ok && Succeeded(transcript);
    fs::remove(dxf, error);
    fs::remove(transcript, error);
    fs::remove(ScratchPath("settings.ini"), error);
    if (!imported) {
        *failure = "kestrin import failed on " + model;
        return false;
    }
    KeepBest(import, &best->import);
    return true;
}

bool MeasureSize(const std::string& model, const char* meshType, SizeFigures* figures,
                 std::string* failure) {
    *figures = SizeFigures();
    for (int run = 0; run < RunsPerSize(); ++run) {
        if (!MeasureOnce(model, meshType, figures, failure)) {
            return false;
        }
    }
    return true;
}

double AddedNsPerTriangle(const SizeFigures& figures) {
    return (figures.import.seconds - figures.occt.seconds) * kNsPerSecond /
           static_cast<double>(figures.occt.triangles);
}

void BM_ImportAgainstOpenCascade(benchmark::State& state, SphereBodies bodies,
                                 const char* meshType) {
    const std::string small = Model(kSmallSide, bodies);
    const std::string large = Model(kLargeSide, bodies);
    if (small.empty() || large.empty()) {
        state.SkipWithError("could not write the models");
        return;
    }
    SizeFigures s;
    SizeFigures l;
    double occtSmall = 0.0;
    double importSmall = 0.0;
    double occtLarge = 0.0;
    double importLarge = 0.0;
    double workerLarge = 0.0;
    double addedSmall = 0.0;
    double addedLarge = 0.0;
    for (auto _ : state) {
        std::string failure;
        if (!MeasureSize(small, meshType, &s, &failure) ||
            !MeasureSize(large, meshType, &l, &failure)) {
            state.SkipWithError(failure.c_str());
            return;
        }
        occtSmall += s.occt.seconds;
        importSmall += s.import.seconds;
        occtLarge += l.occt.seconds;
        importLarge += l.import.seconds;
        workerLarge += l.worker.seconds;
        addedSmall += AddedNsPerTriangle(s);
        addedLarge += AddedNsPerTriangle(l);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ratio_s"] = importSmall / occtSmall;
    state.counters["ratio_l"] = importLarge / occtLarge;
    state.counters["occt_s_s"] = occtSmall / n;
    state.counters["occt_s_l"] = occtLarge / n;
    state.counters["worker_s_l"] = workerLarge / n;
    state.counters["import_s_l"] = importLarge / n;
    state.counters["added_ns_s"] = addedSmall / n;
    state.counters["added_ns_l"] = addedLarge / n;
    state.counters["added_growth"] = addedLarge / addedSmall;
    state.counters["host_B_per_tri"] =
        l.import.peakMb * kKbPerMb * kBytesPerKb / static_cast<double>(l.occt.triangles);
    state.counters["worker_peak_MB"] = l.worker.peakMb;
    state.counters["occt_peak_MB"] = l.occt.peakMb;
    state.counters["worker_peak_ratio"] = l.worker.peakMb / l.occt.peakMb;
    state.counters["dxf_MB"] = l.dxfMb;
    state.counters["tri_l"] = static_cast<double>(l.occt.triangles);
}

void RegisterBenchmarks() {
    for (SphereBodies bodies : {SphereBodies::Separate, SphereBodies::OneShell}) {
        for (const char* meshType : {"faces", "polyface", "lines", "points"}) {
            const std::string name =
                std::string("ImportAgainstOpenCascade/") +
                (bodies == SphereBodies::Separate ? "solid_per_sphere/" : "one_shell/") + meshType;
            benchmark::RegisterBenchmark(name.c_str(), BM_ImportAgainstOpenCascade, bodies,
                                         meshType)
                ->Iterations(1)
                ->Unit(benchmark::kSecond)
                ->UseRealTime();
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RegisterBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
