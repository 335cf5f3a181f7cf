// Copyright (c) Kestrin developers.
//
// Geometry that no drawing can hold as a bounded entity is left out of the translation: curves
// whose parameter range has no end and curves or meshes beyond 1e15 mm (the fixtures of
// quarnel-make-fixtures); a file that holds nothing else has no geometry to import.
#include "QuarnelTestSupport.h"

#include <gtest/gtest.h>

namespace quarnel::test {
namespace {

using worker::SurfaceMode;

constexpr SurfaceMode kModes[] = {SurfaceMode::Mesh, SurfaceMode::EdgeCurves};

TEST(UnboundedGeometry, CurvesWithoutBoundsAloneAreNoGeometryToImport) {
    const std::string path = FixturePath("unbounded-curves.step");
    for (SurfaceMode mode : kModes) {
        const Translation t = Translate(path, mode);
        EXPECT_FALSE(t.ok);
        // The line and the parabola have no bounds; the hyperbola reaches 2.9e26 mm.
        EXPECT_EQ(t.failure, path + " holds no geometry that can be imported (it holds 2 unbounded "
                                    "curves and 1 curve or mesh beyond 1e15 mm)");
    }
}

TEST(UnboundedGeometry, BoundedLineBesideThemIsAllThatComesBack) {
    for (SurfaceMode mode : kModes) {
        const Translation t = Translate(FixturePath("unbounded-curves-and-line.step"), mode);
        ASSERT_TRUE(t.ok) << t.failure;
        ASSERT_EQ(t.geometry.lines.size(), 1u);
        ExpectNear(t.geometry.lines[0].from, {0, 0, 0}, 1e-12);
        ExpectNear(t.geometry.lines[0].to, {10, 0, 0}, 1e-12);
        EXPECT_TRUE(t.geometry.nurbsCurves.empty());
        EXPECT_TRUE(t.geometry.polylines.empty());
    }
}

TEST(UnboundedGeometry, FarBoxIsLeftOutAsCurvesAndAsMesh) {
    const std::string path = FixturePath("far-box.step");
    // Its edges (the reader merges some at that distance) all lie out there.
    const Translation edges = Translate(path, SurfaceMode::EdgeCurves);
    EXPECT_EQ(edges.failure.rfind(path + " holds no geometry that can be imported (it holds ", 0),
              0u)
        << edges.failure;
    EXPECT_NE(edges.failure.find(" curves or meshes beyond 1e15 mm)"), std::string::npos);
    const Translation mesh = Translate(path, SurfaceMode::Mesh);
    EXPECT_EQ(mesh.failure, path + " holds no geometry that can be imported (it holds 1 curve or "
                                   "mesh beyond 1e15 mm)");
}

} // namespace
} // namespace quarnel::test
