// Copyright (c) Kestrin developers.
//
// The library's interface as the module calls it: arguments checked before anything is read,
// geometry appended after what the arrays held, openNURBS objects that are valid and exact, one
// line of failure text per failure, nothing printed, and Open CASCADE never loaded into the caller.
#include "Quarnel.h"

#include "QuarnelTestSupport.h"

#include <KestrinImport/TranslatedGeometrySet.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

using quarnel::test::FixturePath;
using quarnel::test::kEmptyStepText;

constexpr int kMesh = 0;
constexpr int kEdgeCurves = 1;
constexpr double kExact = 1e-9;

int Read(TranslatedGeometrySet* a, const std::string& path, int surfaceType, int reserved = 0) {
    return Quarnel::FileToGeometry(CString(quarnel::test::Wide(path).c_str()), a->points, a->lines,
                                   a->polylines, a->circles, a->arcs, a->nurbsCurves, a->meshes,
                                   surfaceType, reserved);
}

std::string LastError() {
    const CString error = Quarnel::GetError();
    return quarnel::test::Narrow(std::wstring(error.GetString(), error.GetLength()));
}

void ExpectPoint(const ON_3dPoint& p, double x, double y, double z, double tolerance = kExact) {
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
    EXPECT_NEAR(p.z, z, tolerance);
}

TEST(Quarnel, UnknownSurfaceTypeReadsNothing) {
    for (int surfaceType : {-1, 2}) {
        TranslatedGeometrySet a;
        EXPECT_EQ(Read(&a, FixturePath("box.step"), surfaceType), 0);
        EXPECT_EQ(a.ObjectCount(), 0);
        EXPECT_EQ(LastError(), "Surface type " + std::to_string(surfaceType) +
                                   " is not supported (0 for meshes, 1 for edge curves); " +
                                   FixturePath("box.step") + " was not read");
    }
}

TEST(Quarnel, ReservedArgumentMustBeZero) {
    TranslatedGeometrySet a;
    EXPECT_EQ(Read(&a, FixturePath("box.step"), kMesh, 3), 0);
    EXPECT_EQ(a.ObjectCount(), 0);
    EXPECT_EQ(LastError(), "Option value 3 is not supported (it must be 0); " +
                               FixturePath("box.step") + " was not read");
}

TEST(Quarnel, AppendsAfterWhatTheArraysHold) {
    TranslatedGeometrySet a;
    a.lines.Append(ON_Line(ON_3dPoint(7, 7, 7), ON_3dPoint(8, 8, 8)));
    a.points.Append(ON_3dPoint(1, 1, 1));
    ASSERT_NE(Read(&a, FixturePath("box.step"), kEdgeCurves), 0) << LastError();
    ASSERT_EQ(a.lines.Count(), 13);
    ExpectPoint(a.lines[0].from, 7, 7, 7);
    EXPECT_EQ(a.points.Count(), 1);
    for (int i = 0; i < a.lines.Count(); ++i) {
        EXPECT_TRUE(a.lines[i].IsValid());
    }
}

// A failure leaves the arrays as they were.
TEST(Quarnel, FailureNamesTheFileAndLeavesTheArrays) {
    TranslatedGeometrySet a;
    a.points.Append(ON_3dPoint(1, 2, 3));
    const std::string missing = quarnel::test::ScratchDirectory() + "/gone.step";
    EXPECT_EQ(Read(&a, missing, kMesh), 0);
    EXPECT_EQ(a.ObjectCount(), 1);
    EXPECT_EQ(LastError(), "The file " + missing + " does not exist");
}

// A worker ended by SIGINT (a Ctrl+C at the terminal) is a cancelled translation.
TEST(Quarnel, CancelledTranslationLeavesTheArrays) {
    ::setenv("QUARNEL_WORKER", QUARNEL_FAKE_WORKER, 1);
    ::setenv("QUARNEL_FAKE_WORKER_MODE", "interrupted", 1);
    TranslatedGeometrySet a;
    a.points.Append(ON_3dPoint(1, 2, 3));
    const std::string path = quarnel::test::WriteScratchFile("cancelled.stp", kEmptyStepText);
    EXPECT_EQ(Read(&a, path, kMesh), 0);
    EXPECT_EQ(a.ObjectCount(), 1);
    EXPECT_EQ(LastError(), "The translation of " + path + " was cancelled");
    ::unsetenv("QUARNEL_WORKER");
    ::unsetenv("QUARNEL_FAKE_WORKER_MODE");
}

TEST(Quarnel, BoxMeshHasTheTopologyOfAClosedBox) {
    TranslatedGeometrySet a;
    ASSERT_NE(Read(&a, FixturePath("box.step"), kMesh), 0) << LastError();
    ASSERT_EQ(a.meshes.Count(), 1);
    const ON_Mesh& mesh = a.meshes[0];
    EXPECT_TRUE(mesh.IsValid());
    EXPECT_EQ(mesh.VertexCount(), 8);
    ASSERT_EQ(mesh.FaceCount(), 12);
    for (int i = 0; i < mesh.FaceCount(); ++i) {
        EXPECT_TRUE(mesh.m_F[i].IsTriangle());
    }
    const ON_MeshTopology& topology = mesh.Topology();
    EXPECT_EQ(topology.m_topv.Count(), 8);
    // Twelve box edges and one diagonal per side.
    ASSERT_EQ(topology.m_tope.Count(), 18);
    for (int i = 0; i < topology.m_tope.Count(); ++i) {
        EXPECT_EQ(topology.m_tope[i].m_topf_count, 2);
    }
}

TEST(Quarnel, CurvesEvaluateWhereTheFileHasThem) {
    TranslatedGeometrySet a;
    ASSERT_NE(Read(&a, FixturePath("wire.step"), kMesh), 0) << LastError();
    ASSERT_EQ(a.arcs.Count(), 1);
    const ON_Arc& arc = a.arcs[0];
    EXPECT_TRUE(arc.IsValid());
    ExpectPoint(arc.StartPoint(), 10, 0, 0);
    ExpectPoint(arc.MidPoint(), 15, 5, 0);
    ExpectPoint(arc.EndPoint(), 20, 0, 0);
    ASSERT_EQ(a.nurbsCurves.Count(), 1);
    const ON_NurbsCurve& spline = a.nurbsCurves[0];
    EXPECT_TRUE(spline.IsValid());
    ExpectPoint(spline.PointAtStart(), 20, 0, 0);
    ExpectPoint(spline.PointAtEnd(), 35, 0, 0);
}

// An ellipse is a conic: its NURBS form is rational and lies on the ellipse exactly.
TEST(Quarnel, EllipseBecomesAnExactRationalCurve) {
    TranslatedGeometrySet a;
    ASSERT_NE(Read(&a, FixturePath("ellipse.step"), kEdgeCurves), 0) << LastError();
    ASSERT_EQ(a.nurbsCurves.Count(), 1);
    const ON_NurbsCurve& curve = a.nurbsCurves[0];
    ASSERT_TRUE(curve.IsValid());
    EXPECT_TRUE(curve.IsRational());
    const ON_Interval domain = curve.Domain();
    constexpr int kSamples = 16;
    for (int i = 0; i <= kSamples; ++i) {
        const ON_3dPoint p = curve.PointAt(domain[0] + (domain[1] - domain[0]) * i / kSamples);
        EXPECT_NEAR(p.x * p.x / 100.0 + p.y * p.y / 25.0, 1.0, kExact);
    }
    ExpectPoint(curve.PointAtStart(), 10, 0, 0);
    ExpectPoint(curve.PointAtEnd(), 0, 5, 0);
}

TEST(Quarnel, NonAsciiPathRoundTrips) {
    const std::string box = quarnel::test::ReadFile(FixturePath("box.step"));
    const std::string path = quarnel::test::WriteScratchFile("Kl\xC3\xB6tzchen \xCE\xB1.step", box);
    TranslatedGeometrySet a;
    ASSERT_NE(Read(&a, path, kMesh), 0) << LastError();
    EXPECT_EQ(a.meshes.Count(), 1);
    const std::string missing = path + ".missing";
    EXPECT_EQ(Read(&a, missing, kMesh), 0);
    EXPECT_EQ(LastError(), "The file " + missing + " does not exist");
}

// Standard output is the host's command line: nothing of the reader may appear there, even for
// a file the reader complains about.
TEST(Quarnel, PrintsNothingAndNeverLoadsOpenCascade) {
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    const std::string capture = quarnel::test::ScratchDirectory() + "/stdout.txt";
    const int file = ::open(capture.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0600);
    ASSERT_GE(file, 0);
    ::dup2(file, STDOUT_FILENO);
    TranslatedGeometrySet a;
    Read(&a, FixturePath("bracket.step"), kMesh);
    EXPECT_EQ(Read(&a, FixturePath("damaged-box.step"), kEdgeCurves), 0);
    std::fflush(stdout);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    ::close(file);
    EXPECT_EQ(quarnel::test::ReadFile(capture), "");
    EXPECT_EQ(quarnel::test::ReadFile("/proc/self/maps").find("libTKernel"), std::string::npos);
}

} // namespace
