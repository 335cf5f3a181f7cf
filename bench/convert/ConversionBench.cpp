// Kestrin conversion benchmarks: a triangle mesh of 331,776 and 2,654,208 triangles converted to
// 3D faces, to edge lines and to vertex points, its topology built, and 10,000 and 100,000 NURBS
// curves converted to splines. Each figure is objects per second (items_per_second: faces,
// topology triangles, lines, points, splines). Making the input and the empty drawing, and
// destroying the filled drawing, are not timed.
#include "KestrinConvert/CurveConversion.h"
#include "KestrinConvert/MeshConversion.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Rows of a triangle grid whose triangle count is a benchmark argument: rows x columns squares,
// two triangles each.
constexpr int kGridRows = 500;

// A grid of 2 x rows x columns triangles in the x-y plane with a gentle z wave, over
// (rows + 1) x (columns + 1) distinct vertices, every inner side shared by two triangles.
ON_Mesh TriangleGrid(int triangleCount) {
    const int rows = std::min(kGridRows, triangleCount / 2);
    const int columns = triangleCount / (2 * rows);
    ON_Mesh mesh;
    mesh.m_V.Reserve((rows + 1) * (columns + 1));
    mesh.m_F.Reserve(2 * rows * columns);
    for (int r = 0; r <= rows; ++r) {
        for (int c = 0; c <= columns; ++c) {
            mesh.m_V.Append(ON_3fPoint(static_cast<float>(c), static_cast<float>(r),
                                       static_cast<float>(std::sin(0.1 * c + 0.07 * r))));
        }
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int v00 = r * (columns + 1) + c;
            const int v10 = v00 + 1;
            const int v01 = v00 + columns + 1;
            const int v11 = v01 + 1;
            ON_MeshFace lower;
            lower.vi[0] = v00;
            lower.vi[1] = v10;
            lower.vi[2] = lower.vi[3] = v11;
            ON_MeshFace upper;
            upper.vi[0] = v00;
            upper.vi[1] = v11;
            upper.vi[2] = upper.vi[3] = v01;
            mesh.m_F.Append(lower);
            mesh.m_F.Append(upper);
        }
    }
    return mesh;
}

// Runs convert on a fresh drawing per iteration and reports produced objects per second.
template <class Convert>
void TimeIntoFreshDrawing(benchmark::State& state, int64_t objectsPerRun, Convert convert) {
    for (auto _ : state) {
        state.PauseTiming();
        OdDbDatabasePtr pDb = OdDbDatabase::createObject();
        state.ResumeTiming();
        convert(pDb);
        state.PauseTiming();
        pDb.release();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(objectsPerRun * state.iterations());
}

void BM_MeshAs3dFaces(benchmark::State& state) {
    const ON_Mesh mesh = TriangleGrid(static_cast<int>(state.range(0)));
    TimeIntoFreshDrawing(state, mesh.m_F.Count(),
                         [&](const OdDbDatabasePtr& pDb) { AddMeshAs3dFaces(mesh, pDb); });
}

void BM_MeshTopology(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        // The topology is cached in the mesh, so each run needs a mesh of its own.
        auto pMesh = std::make_unique<ON_Mesh>(TriangleGrid(static_cast<int>(state.range(0))));
        state.ResumeTiming();
        benchmark::DoNotOptimize(pMesh->Topology().m_tope.Count());
        state.PauseTiming();
        pMesh.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.range(0) * state.iterations());
}

void BM_MeshEdges(benchmark::State& state) {
    const ON_Mesh mesh = TriangleGrid(static_cast<int>(state.range(0)));
    const int edgeCount = mesh.Topology().m_tope.Count(); // built once, as the import does
    TimeIntoFreshDrawing(state, edgeCount,
                         [&](const OdDbDatabasePtr& pDb) { AddMeshEdges(mesh, pDb); });
}

void BM_MeshVertices(benchmark::State& state) {
    const ON_Mesh mesh = TriangleGrid(static_cast<int>(state.range(0)));
    const int pointCount = mesh.Topology().TopVertexCount();
    TimeIntoFreshDrawing(state, pointCount,
                         [&](const OdDbDatabasePtr& pDb) { AddMeshVertices(mesh, pDb); });
}

// Cubic splines of eight control points, clamped and non-rational, each one a little different.
ON_ClassArray<ON_NurbsCurve> Splines(int count) {
    constexpr int kDegree = 3;
    constexpr int kControlPoints = 8;
    ON_ClassArray<ON_NurbsCurve> curves(count);
    for (int n = 0; n < count; ++n) {
        ON_NurbsCurve curve(3, false, kDegree + 1, kControlPoints);
        for (int i = 0; i < kControlPoints; ++i) {
            curve.SetCV(i, ON_3dPoint(i + 0.001 * n, (i % 2) * 2.0, 0.5 * (i % 3)));
        }
        for (int k = 0; k < curve.KnotCount(); ++k) {
            curve.SetKnot(k, std::clamp(k - (kDegree - 1), 0, kControlPoints - kDegree));
        }
        curves.Append(curve);
    }
    return curves;
}

void BM_Splines(benchmark::State& state) {
    const ON_ClassArray<ON_NurbsCurve> curves = Splines(static_cast<int>(state.range(0)));
    TimeIntoFreshDrawing(state, curves.Count(), [&](const OdDbDatabasePtr& pDb) {
        for (int i = 0; i < curves.Count(); ++i) {
            AddCurve(curves[i], pDb);
        }
    });
}

} // namespace

BENCHMARK(BM_MeshAs3dFaces)->Arg(331776)->Arg(2654208)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshTopology)->Arg(331776)->Arg(2654208)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshEdges)->Arg(331776)->Arg(2654208)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshVertices)->Arg(331776)->Arg(2654208)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Splines)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
