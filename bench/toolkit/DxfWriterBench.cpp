// Kestrin toolkit benchmarks: saving large drawings as DXF. Reports seconds, MB/s of file
// written, and how far the process's peak memory rose during the save (the writer streams, so
// that stays at its buffer size whatever the file's size). Building the drawing is not timed.
// Files go to $TMPDIR (default /tmp) and are removed afterwards.
#include "DbDxfWriter.h"
#include "DbFace.h"
#include "DbPolyFaceMesh.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr double kBytesPerMB = 1e6;
constexpr double kKiBPerMB = 1e3 / 1.024;

// Reads a "Vm...:   N kB" line of /proc/self/status, in kB.
long ReadStatusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::stol(line.substr(line.find(':') + 1));
        }
    }
    return 0;
}

// Resets the peak resident size so that VmHWM afterwards is the peak of what follows.
void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::string OutputPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            (std::string("kestrin-bench-") + std::to_string(::getpid()) + "-" + name))
        .string();
}

void AppendEntity(OdDbDatabase* pDb, OdDbEntity* pEntity) {
    OdDbBlockTableRecordPtr pMs = pDb->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    pMs->appendOdDbEntity(pEntity);
}

// Times one save of pDb and reports its figures.
void TimeSave(benchmark::State& state, const OdDbDatabase& db, const char* name) {
    const std::string path = OutputPath(name);
    const long rssBefore = ReadStatusKb("VmRSS");
    ResetPeakMemory();
    for (auto _ : state) {
        const OdDbDxfSaveStatus status = odDbSaveAsDxf(db, path);
        if (!status.ok()) {
            state.SkipWithError(odStringToUtf8(status.reason).c_str());
            return;
        }
    }
    const long peakGrowthKb = ReadStatusKb("VmHWM") - rssBefore;
    const auto bytes = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
    state.counters["file_MB"] = bytes / kBytesPerMB;
    state.counters["MB_per_s"] = benchmark::Counter(
        bytes / kBytesPerMB * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["peak_growth_MB"] = static_cast<double>(peakGrowthKb) / kKiBPerMB;
}

// A drawing of n 3D faces: triangles of a strip, as a mesh import makes them.
void BM_Save3dFaces(benchmark::State& state) {
    OdDbDatabasePtr pDb = OdDbDatabase::createObject();
    const auto count = static_cast<int>(state.range(0));
    for (int i = 0; i < count; ++i) {
        OdDbFacePtr pFace = OdDbFace::createObject();
        const double x = i * 0.001;
        pFace->setVertexAt(0, OdGePoint3d(x, 0.0, 1.0 / 3.0));
        pFace->setVertexAt(1, OdGePoint3d(x + 0.001, 0.0, 0.25));
        pFace->setVertexAt(2, OdGePoint3d(x, 1.0, 0.125 * i));
        pFace->setVertexAt(3, OdGePoint3d(x, 1.0, 0.125 * i));
        AppendEntity(pDb, pFace);
    }
    TimeSave(state, *pDb, "faces.dxf");
}

// A drawing of n polyface meshes, each a grid of 150 x 100 quads split into 30,000 triangles.
void BM_SavePolyfaceMeshes(benchmark::State& state) {
    constexpr int kColumns = 150;
    constexpr int kRows = 100;
    OdDbDatabasePtr pDb = OdDbDatabase::createObject();
    const auto count = static_cast<int>(state.range(0));
    for (int m = 0; m < count; ++m) {
        OdDbPolyFaceMeshPtr pMesh = OdDbPolyFaceMesh::createObject();
        for (int r = 0; r <= kRows; ++r) {
            for (int c = 0; c <= kColumns; ++c) {
                OdDbPolyFaceMeshVertexPtr pVertex = OdDbPolyFaceMeshVertex::createObject();
                pVertex->setPosition(OdGePoint3d(c * 0.1 + m, r * 0.1, 0.01 * (c % 7) + 1.0 / 3.0));
                pMesh->appendVertex(pVertex);
            }
        }
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                const auto a = static_cast<OdInt16>(r * (kColumns + 1) + c + 1);
                const auto b = static_cast<OdInt16>(a + 1);
                const auto d = static_cast<OdInt16>(a + kColumns + 1);
                const auto e = static_cast<OdInt16>(d + 1);
                const OdInt16 faces[2][3] = {{a, b, e}, {a, e, d}};
                for (const auto& face : faces) {
                    OdDbFaceRecordPtr pRecord = OdDbFaceRecord::createObject();
                    pRecord->setVertexAt(0, face[0]);
                    pRecord->setVertexAt(1, face[1]);
                    pRecord->setVertexAt(2, face[2]);
                    pMesh->appendFaceRecord(pRecord);
                }
            }
        }
        AppendEntity(pDb, pMesh);
    }
    TimeSave(state, *pDb, "polyfaces.dxf");
}

} // namespace

BENCHMARK(BM_Save3dFaces)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_SavePolyfaceMeshes)
    ->Arg(1)
    ->Arg(100)
    ->Arg(1000)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
