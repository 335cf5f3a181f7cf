// Copyright (c) Kestrin developers.
//
// Translation of STEP files whose content is known exactly (written by quarnel-make-fixtures)
// through the real worker: counts, positions, units, assembly placement, mesh closure and
// orientation, and the failures of damaged input.
#include "QuarnelTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace quarnel::test {
namespace {

using worker::SurfaceMode;

constexpr double kExact = 1e-9;
// Mesh vertices are single precision.
constexpr double kFloat = 1e-4;
constexpr double kPi = 3.141592653589793;

double Length(const LineSegment& l) {
    return std::hypot(l.to.x - l.from.x, l.to.y - l.from.y, l.to.z - l.from.z);
}

Translation TranslateFixture(const char* name, SurfaceMode mode) {
    Translation t = Translate(FixturePath(name), mode);
    EXPECT_TRUE(t.ok) << t.failure;
    return t;
}

TEST(Translation, BoxGivesTwelveLines) {
    const Translation t = TranslateFixture("box.step", SurfaceMode::EdgeCurves);
    ASSERT_EQ(t.geometry.lines.size(), 12u);
    int byLength[3] = {0, 0, 0};
    for (const LineSegment& l : t.geometry.lines) {
        const double length = Length(l);
        for (int k = 0; k < 3; ++k) {
            byLength[k] += std::abs(length - 10.0 * (k + 1)) < kExact ? 1 : 0;
        }
    }
    EXPECT_EQ(byLength[0], 4);
    EXPECT_EQ(byLength[1], 4);
    EXPECT_EQ(byLength[2], 4);
    EXPECT_TRUE(t.geometry.meshes.empty());
    EXPECT_TRUE(t.geometry.circles.empty());
}

TEST(Translation, BoxGivesOneClosedMeshOfTwelveTriangles) {
    const Translation t = TranslateFixture("box.step", SurfaceMode::Mesh);
    ASSERT_EQ(t.geometry.meshes.size(), 1u);
    const MeshData& mesh = t.geometry.meshes[0];
    EXPECT_EQ(mesh.faces.size(), 12u);
    EXPECT_EQ(DistinctPositions(mesh), 8u);
    EXPECT_EQ(mesh.vertices.size(), 8u);
    for (const auto& face : mesh.faces) {
        EXPECT_EQ(face[2], face[3]);
    }
    EXPECT_TRUE(IsClosedAndOriented(mesh));
    EXPECT_NEAR(EnclosedVolume(mesh), 10.0 * 20.0 * 30.0, kFloat);
    EXPECT_TRUE(t.geometry.lines.empty());
}

TEST(Translation, CylinderGivesTwoCirclesAndOneLine) {
    const Translation t = TranslateFixture("cylinder.step", SurfaceMode::EdgeCurves);
    ASSERT_EQ(t.geometry.circles.size(), 2u);
    ASSERT_EQ(t.geometry.lines.size(), 1u);
    EXPECT_TRUE(t.geometry.arcs.empty());
    EXPECT_TRUE(t.geometry.nurbsCurves.empty());
    EXPECT_NEAR(Length(t.geometry.lines[0]), 10.0, kExact);
    double heights = 0.0;
    for (const FullCircle& c : t.geometry.circles) {
        EXPECT_NEAR(c.radius, 5.0, kExact);
        EXPECT_NEAR(std::abs(c.plane.zAxis.z), 1.0, kExact);
        heights += c.plane.origin.z;
    }
    EXPECT_NEAR(heights, 10.0, kExact);
}

// The arcs look round: the tessellated volume is within 1 % of the exact one, and the mesh is
// closed and faces outwards.
TEST(Translation, CurvedBodiesGiveClosedOutwardMeshes) {
    const struct {
        const char* file;
        double volume;
    } bodies[] = {{"cylinder.step", kPi * 25.0 * 10.0},
                  {"sphere.step", 4.0 / 3.0 * kPi * 343.0},
                  {"torus.step", 2.0 * kPi * kPi * 20.0 * 25.0}};
    for (const auto& body : bodies) {
        const Translation t = TranslateFixture(body.file, SurfaceMode::Mesh);
        ASSERT_EQ(t.geometry.meshes.size(), 1u) << body.file;
        EXPECT_TRUE(IsClosedAndOriented(t.geometry.meshes[0])) << body.file;
        EXPECT_NEAR(EnclosedVolume(t.geometry.meshes[0]) / body.volume, 1.0, 0.01) << body.file;
    }
}

TEST(Translation, SphereAndTorusEdgesAreTheirSeams) {
    const Translation sphere = TranslateFixture("sphere.step", SurfaceMode::EdgeCurves);
    ASSERT_EQ(sphere.geometry.arcs.size(), 1u);
    const CircularArc& meridian = sphere.geometry.arcs[0];
    EXPECT_NEAR(meridian.circle.radius, 7.0, kExact);
    EXPECT_NEAR(meridian.endAngle - meridian.startAngle, kPi, kExact);
    EXPECT_TRUE(sphere.geometry.lines.empty());

    const Translation torus = TranslateFixture("torus.step", SurfaceMode::EdgeCurves);
    ASSERT_EQ(torus.geometry.circles.size(), 2u);
    const double r0 = torus.geometry.circles[0].radius;
    const double r1 = torus.geometry.circles[1].radius;
    EXPECT_NEAR(std::min(r0, r1), 5.0, kExact);
    EXPECT_NEAR(std::max(r0, r1), 25.0, kExact);
}

// The bracket: 80 x 40 x 8 base, 8 x 40 x 50 upright, holes of radius 7 and 6, two fillets of
// radius 6; its volume computed by hand from those figures.
TEST(Translation, FilletedBracketKeepsHolesAndFillets) {
    const Translation edges = TranslateFixture("bracket.step", SurfaceMode::EdgeCurves);
    EXPECT_EQ(edges.geometry.circles.size(), 4u);
    EXPECT_EQ(edges.geometry.arcs.size(), 4u);
    EXPECT_EQ(edges.geometry.lines.size(), 32u);
    for (const CircularArc& fillet : edges.geometry.arcs) {
        EXPECT_NEAR(fillet.circle.radius, 6.0, kExact);
        EXPECT_NEAR(fillet.endAngle - fillet.startAngle, kPi / 2.0, kExact);
    }
    const Translation mesh = TranslateFixture("bracket.step", SurfaceMode::Mesh);
    ASSERT_EQ(mesh.geometry.meshes.size(), 1u);
    EXPECT_TRUE(IsClosedAndOriented(mesh.geometry.meshes[0]));
    const double volume = 80.0 * 40.0 * 8.0 + 8.0 * 40.0 * 42.0 - kPi * 49.0 * 8.0 -
                          kPi * 36.0 * 8.0 - 2.0 * (36.0 - kPi * 9.0) * 8.0;
    EXPECT_NEAR(EnclosedVolume(mesh.geometry.meshes[0]) / volume, 1.0, 0.005);
}

TEST(Translation, AssemblyInstanceIsWhereTheAssemblyPutsIt) {
    const Translation t = TranslateFixture("assembly.step", SurfaceMode::Mesh);
    ASSERT_EQ(t.geometry.meshes.size(), 2u);
    Box3 first = BoundsOf(t.geometry.meshes[0]);
    Box3 second = BoundsOf(t.geometry.meshes[1]);
    if (first.min.x > second.min.x) {
        std::swap(first, second);
    }
    ExpectNear(first.min, {0, 0, 0}, kFloat);
    ExpectNear(first.max, {10, 20, 30}, kFloat);
    ExpectNear(second.min, {100, 50, 0}, kFloat);
    ExpectNear(second.max, {110, 70, 30}, kFloat);

    const Translation edges = TranslateFixture("assembly.step", SurfaceMode::EdgeCurves);
    EXPECT_EQ(edges.geometry.lines.size(), 24u);
}

TEST(Translation, InchFileComesBackInMillimetres) {
    ASSERT_NE(ReadFile(FixturePath("inch-box.step")).find("INCH"), std::string::npos);
    const Translation t = TranslateFixture("inch-box.step", SurfaceMode::Mesh);
    ASSERT_EQ(t.geometry.meshes.size(), 1u);
    ExpectNear(BoundsOf(t.geometry.meshes[0]).max, {25.4, 50.8, 76.2}, kFloat);
}

// An AP242 tessellated part in inches, placed twice into a millimetre assembly: moved by
// (100, 0, 0), and moved by (0, 200, 0) and turned 90 degrees about z. Written by hand.
TEST(Translation, TessellatedPartIsPlacedAndScaledInBothModes) {
    const std::string path =
        std::string(QUARNEL_TEST_SOURCE_DIR) + "/tessellated-assembly-inch.stp";
    for (SurfaceMode mode : {SurfaceMode::Mesh, SurfaceMode::EdgeCurves}) {
        const Translation t = Translate(path, mode);
        ASSERT_TRUE(t.ok) << t.failure;
        ASSERT_EQ(t.geometry.meshes.size(), 2u);
        const MeshData& moved = t.geometry.meshes[0];
        const MeshData& turned = t.geometry.meshes[1];
        ASSERT_EQ(moved.vertices.size(), 3u);
        ASSERT_EQ(turned.vertices.size(), 3u);
        const auto at = [](const MeshData& m, std::size_t i) {
            return Point3{m.vertices[i][0], m.vertices[i][1], m.vertices[i][2]};
        };
        ExpectNear(at(moved, 1), {125.4, 0, 0}, kFloat);
        ExpectNear(at(moved, 2), {100, 25.4, 0}, kFloat);
        ExpectNear(at(turned, 1), {0, 225.4, 0}, kFloat);
        ExpectNear(at(turned, 2), {-25.4, 200, 0}, kFloat);
    }
}

// Free curves come back in both modes, each the way the wire runs.
TEST(Translation, WireGivesLineArcAndSplineInBothModes) {
    for (SurfaceMode mode : {SurfaceMode::Mesh, SurfaceMode::EdgeCurves}) {
        const Translation t = TranslateFixture("wire.step", mode);
        ASSERT_EQ(t.geometry.lines.size(), 1u);
        ASSERT_EQ(t.geometry.arcs.size(), 1u);
        ASSERT_EQ(t.geometry.nurbsCurves.size(), 1u);
        EXPECT_TRUE(t.geometry.meshes.empty());
        ExpectNear(t.geometry.lines[0].from, {0, 0, 0}, kExact);
        ExpectNear(t.geometry.lines[0].to, {10, 0, 0}, kExact);

        const CircularArc& arc = t.geometry.arcs[0];
        ExpectNear(arc.circle.plane.origin, {15, 0, 0}, kExact);
        EXPECT_NEAR(arc.circle.radius, 5.0, kExact);
        EXPECT_NEAR(arc.endAngle - arc.startAngle, kPi, kExact);
        // The arc bulges towards +y: its middle is (15, 5, 0).
        const Frame& f = arc.circle.plane;
        const double middle = 0.5 * (arc.startAngle + arc.endAngle);
        EXPECT_NEAR(f.origin.y +
                        5.0 * (std::cos(middle) * f.xAxis.y + std::sin(middle) * f.yAxis.y),
                    5.0, kExact);

        const NurbsData& spline = t.geometry.nurbsCurves[0];
        EXPECT_EQ(spline.order, 4);
        ExpectNear(spline.points.front(), {20, 0, 0}, kExact);
        ExpectNear(spline.points.back(), {35, 0, 0}, kExact);
        EXPECT_EQ(spline.knots.size(), spline.points.size() + 2);
    }
}

TEST(Translation, FreePointsComeBackInBothModes) {
    for (SurfaceMode mode : {SurfaceMode::Mesh, SurfaceMode::EdgeCurves}) {
        const Translation t = TranslateFixture("points.step", mode);
        ASSERT_EQ(t.geometry.points.size(), 3u);
        ExpectNear(t.geometry.points[0], {1, 2, 3}, kExact);
        ExpectNear(t.geometry.points[1], {-4, 5, 6}, kExact);
        ExpectNear(t.geometry.points[2], {7, -8, 9}, kExact);
    }
}

TEST(Translation, StepFileWithoutGeometryIsAnEmptySuccess) {
    const std::string path = WriteScratchFile(
        "product-only.stp",
        "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n"
        "FILE_NAME('p','2024-01-01T00:00:00',(''),(''),'','','');\n"
        "FILE_SCHEMA(('AUTOMOTIVE_DESIGN'));\nENDSEC;\nDATA;\n#1=APPLICATION_CONTEXT('x');\n"
        "#2=PRODUCT_CONTEXT('',#1,'mechanical');\n#3=PRODUCT('p','p','',(#2));\nENDSEC;\n"
        "END-ISO-10303-21;\n");
    const Translation t = Translate(path, SurfaceMode::Mesh);
    ASSERT_TRUE(t.ok) << t.failure;
    EXPECT_TRUE(t.geometry.points.empty());
    EXPECT_TRUE(t.geometry.meshes.empty());
}

TEST(Translation, FileOfUnknownContentSaysWhatItHolds) {
    const std::string path = WriteScratchFile(
        "unknown.stp",
        "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n"
        "FILE_NAME('u','2024-01-01T00:00:00',(''),(''),'','','');\n"
        "FILE_SCHEMA(('AUTOMOTIVE_DESIGN'));\nENDSEC;\nDATA;\n#1=FOO_BAR_ENTITY('x',1.);\n"
        "#2=FOO_BAR_ENTITY('y',2.);\n#3=WIDGET_THING(#1,#2);\nENDSEC;\nEND-ISO-10303-21;\n");
    const Translation t = Translate(path, SurfaceMode::Mesh);
    EXPECT_FALSE(t.ok);
    EXPECT_EQ(t.failure, path + " holds no geometry that can be imported (it holds FOO_BAR_ENTITY, "
                                "WIDGET_THING)");
}

// Each damaged input is one clear line naming the file.
TEST(Translation, DamagedInputsAreClearFailures) {
    const std::string box = ReadFile(FixturePath("box.step"));
    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    std::string garbled = box;
    for (std::size_t i = box.size() / 2; i < box.size() / 2 + 300; ++i) {
        garbled[i] = static_cast<char>('A' + random() % 26);
    }
    const struct {
        std::string path;
        std::string expected;
    } cases[] = {
        {WriteScratchFile("cut.step", box.substr(0, box.size() / 2)),
         " is truncated: it ends before the end of its data"},
        {WriteScratchFile("noise.stp", noise), " is not a STEP file (it looks like binary data)"},
        {WriteScratchFile("zero.stp", ""), " is empty"},
        {WriteScratchFile("garbled.stp", garbled), " is damaged and could not be read (syntax"},
        {ScratchDirectory(), " is a folder, not a STEP file"},
        {ScratchDirectory() + "/absent.step", " does not exist"},
    };
    for (const auto& c : cases) {
        const Translation t = Translate(c.path, SurfaceMode::Mesh);
        EXPECT_FALSE(t.ok) << c.path;
        EXPECT_NE(t.failure.find(c.path + c.expected), std::string::npos) << t.failure;
        EXPECT_EQ(t.failure.find('\n'), std::string::npos);
    }
}

TEST(Translation, MemoryBoundStopsTheWorker) {
    ::setenv("QUARNEL_MEMORY_LIMIT_MB", "8", 1);
    const Translation t = Translate(FixturePath("sphere.step"), SurfaceMode::Mesh);
    ::unsetenv("QUARNEL_MEMORY_LIMIT_MB");
    EXPECT_FALSE(t.ok);
    EXPECT_NE(t.failure.find("stopped unexpectedly while reading " + FixturePath("sphere.step")),
              std::string::npos)
        << t.failure;
}

} // namespace
} // namespace quarnel::test
