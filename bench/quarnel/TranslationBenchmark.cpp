// Copyright (c) Kestrin developers.
//
// The cost of reading in a worker process. Each case translates one of the largest corpus files
// twice per iteration, in the same run: once through Quarnel::FileToGeometry (worker process,
// reply stream, decoding, openNURBS objects) and once with Open CASCADE alone (read, transfer, and
// for meshes the tessellation with the worker's settings, OpenCascadeAlone.h). Counters:
//   ratio          library time / Open CASCADE time (the overhead; aim below 1.10)
//   library_s      seconds per translation through the library
//   occt_s         seconds per translation by Open CASCADE alone
//   stream_ms      encoding plus decoding the reply once, in this process
//   reply_MB       size of the reply
//   worker_peak_MB, occt_peak_MB   peak resident memory of the worker and of the baseline child
#include "GeometryStreamReader.h"
#include "GeometryStreamWriter.h"
#include "OpenCascadeAlone.h"
#include "Quarnel.h"
#include "WorkerClient.h"
#include <KestrinImport/TranslatedGeometrySet.h>
#include <KestrinPosix/FileNameText.h>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
using quarnel::worker::SurfaceMode;

constexpr double kKbPerMb = 1024.0;
constexpr double kBytesPerMb = 1024.0 * 1024.0;
constexpr double kMsPerSecond = 1000.0;
constexpr int kIterations = 3;

const char* const kFiles[] = {
    "large-kicad-samtec-fmc.step",
    "large-kicad-pqfp256.step",
    "large-creo-ap242-polyline-pmi.stp",
    "odd-solidworks2017-cyrillic-asm.stp",
};

std::string CorpusFile(const char* name) {
    return std::string(QUARNEL_BENCH_CORPUS_DIR) + "/" + name;
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The reply's size, the worker's peak memory and the cost of encoding and decoding the reply.
struct StreamFigures {
    quarnel::WorkerStats stats;
    double streamSeconds = 0.0;
};

bool MeasureStream(const std::string& path, SurfaceMode mode, StreamFigures* figures,
                   std::string* failure) {
    quarnel::TranslatedGeometry geometry;
    if (!quarnel::TranslateInWorker(path, mode, quarnel::WorkerSettingsFromEnvironment(), &geometry,
                                    failure, &figures->stats)) {
        return false;
    }
    const Clock::time_point start = Clock::now();
    const std::vector<std::uint8_t> reply = quarnel::stream::EncodeGeometry(geometry);
    quarnel::stream::WorkerReply decoded;
    std::string problem;
    benchmark::DoNotOptimize(
        quarnel::stream::DecodeReply(reply.data(), reply.size(), &decoded, &problem));
    figures->streamSeconds = SecondsSince(start);
    return true;
}

bool TimeLibrary(const std::string& path, SurfaceMode mode, double* seconds) {
    TranslatedGeometrySet geometry;
    const Clock::time_point start = Clock::now();
    const int ok = Quarnel::FileToGeometry(CString(kposix::FromUtf8(path).c_str()), geometry.points,
                                           geometry.lines, geometry.polylines, geometry.circles,
                                           geometry.arcs, geometry.nurbsCurves, geometry.meshes,
                                           mode == SurfaceMode::Mesh ? 0 : 1, 0);
    *seconds = SecondsSince(start);
    return ok != 0;
}

void BM_WorkerAgainstOpenCascade(benchmark::State& state, const char* file, SurfaceMode mode) {
    const std::string path = CorpusFile(file);
    StreamFigures figures;
    std::string failure;
    if (!MeasureStream(path, mode, &figures, &failure)) {
        state.SkipWithError(failure.c_str());
        return;
    }
    double library = 0.0;
    double occt = 0.0;
    double occtPeak = 0.0;
    for (auto _ : state) {
        double seconds = 0.0;
        if (!TimeLibrary(path, mode, &seconds)) {
            state.SkipWithError("the library failed");
            return;
        }
        library += seconds;
        quarnel::bench::OpenCascadeRun baseline;
        if (!quarnel::bench::RunOpenCascadeAlone(path, mode, &baseline)) {
            state.SkipWithError("Open CASCADE alone failed");
            return;
        }
        occt += baseline.seconds;
        occtPeak = baseline.peakMb;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ratio"] = library / occt;
    state.counters["library_s"] = library / n;
    state.counters["occt_s"] = occt / n;
    state.counters["stream_ms"] = figures.streamSeconds * kMsPerSecond;
    state.counters["reply_MB"] = static_cast<double>(figures.stats.replyBytes) / kBytesPerMb;
    state.counters["worker_peak_MB"] = static_cast<double>(figures.stats.peakResidentKb) / kKbPerMb;
    state.counters["occt_peak_MB"] = occtPeak;
}

void RegisterBenchmarks() {
    for (const char* file : kFiles) {
        for (SurfaceMode mode : {SurfaceMode::Mesh, SurfaceMode::EdgeCurves}) {
            const std::string name = std::string("WorkerAgainstOpenCascade/") + file +
                                     (mode == SurfaceMode::Mesh ? "/mesh" : "/edges");
            benchmark::RegisterBenchmark(name.c_str(), BM_WorkerAgainstOpenCascade, file, mode)
                ->Iterations(kIterations)
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
