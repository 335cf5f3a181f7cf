// Kestrin toolkit tests: the extents of entities and of saved drawings, and the view a saved
// drawing opens on. Arcs and circles are checked against points sampled along them (every sample
// inside the box, the box touched), and saved drawings against the independent reader, which
// computes the extents of what it reads and checks that the *Active viewport shows them whole.
#include "DxfFileTest.h"

#include <cmath>
#include <vector>

using namespace toolkit_test;

namespace {

constexpr double kPi = 3.14159265358979323846;

class DxfExtents : public DxfFileTest {};

OdGeExtents3d ExtentsOf(const OdDbEntity& entity) {
    OdGeExtents3d extents;
    EXPECT_EQ(entity.getGeomExtents(extents), eOk);
    return extents;
}

OdDbArcPtr NewArc(const OdGePoint3d& center, double radius, const OdGeVector3d& normal,
                  double startAngle, double endAngle) {
    OdDbArcPtr pArc = OdDbArc::createObject();
    pArc->setCenter(center);
    pArc->setRadius(radius);
    pArc->setNormal(normal);
    pArc->setStartAngle(startAngle);
    pArc->setEndAngle(endAngle);
    return pArc;
}

void ExpectExtentsNear(const OdGeExtents3d& extents, const OdGePoint3d& low,
                       const OdGePoint3d& high) {
    constexpr double kTol = 1e-12;
    EXPECT_TRUE(extents.minPoint().isEqualTo(low, OdGeTol(kTol)))
        << extents.minPoint().x << " " << extents.minPoint().y << " " << extents.minPoint().z;
    EXPECT_TRUE(extents.maxPoint().isEqualTo(high, OdGeTol(kTol)))
        << extents.maxPoint().x << " " << extents.maxPoint().y << " " << extents.maxPoint().z;
}

double Coordinate(const OdGePoint3d& p, int axis) {
    return axis == 0 ? p.x : (axis == 1 ? p.y : p.z);
}

// Points along an arc, its plane's axes worked out here by the arbitrary axis rule.
std::vector<OdGePoint3d> SampleArc(const OdGePoint3d& c, double r, const OdGeVector3d& normal,
                                   double startAngle, double sweep, int count) {
    const OdGeVector3d n = normal.normal();
    const bool bNearZ = std::fabs(n.x) < 1.0 / 64 && std::fabs(n.y) < 1.0 / 64;
    const OdGeVector3d x =
        (bNearZ ? OdGeVector3d::kYAxis : OdGeVector3d::kZAxis).crossProduct(n).normal();
    const OdGeVector3d y = n.crossProduct(x);
    std::vector<OdGePoint3d> points;
    for (int i = 0; i <= count; ++i) {
        const double t = startAngle + sweep * i / count;
        points.push_back(c + x * (r * std::cos(t)) + y * (r * std::sin(t)));
    }
    return points;
}

} // namespace

TEST(EntityExtents, ArcsReachOnlyTheExtremesWithinTheirSweep) {
    const OdGePoint3d c(1, 2, 3);
    // A quarter from the x axis to the y axis: its end points span the box.
    ExpectExtentsNear(ExtentsOf(*NewArc(c, 2, OdGeVector3d::kZAxis, 0, kPi / 2)),
                      OdGePoint3d(1, 2, 3), OdGePoint3d(3, 4, 3));
    // From 315 to 45 degrees: it passes angle 0 and reaches x = 3 there only.
    const double s = 2 * std::sqrt(0.5);
    ExpectExtentsNear(ExtentsOf(*NewArc(c, 2, OdGeVector3d::kZAxis, 7 * kPi / 4, kPi / 4)),
                      OdGePoint3d(1 + s, 2 - s, 3), OdGePoint3d(3, 2 + s, 3));
    // Normal (0,0,-1): the plane's x axis is (-1,0,0) and its y axis (0,1,0).
    ExpectExtentsNear(ExtentsOf(*NewArc(c, 2, OdGeVector3d(0, 0, -1), 0, kPi / 2)),
                      OdGePoint3d(-1, 2, 3), OdGePoint3d(1, 4, 3));
    // Normal (1,0,0): x axis (0,1,0), y axis (0,0,1); a half turn from 90 degrees.
    ExpectExtentsNear(ExtentsOf(*NewArc(c, 2, OdGeVector3d(1, 0, 0), kPi / 2, 3 * kPi / 2)),
                      OdGePoint3d(1, 0, 1), OdGePoint3d(1, 2, 5));
}

TEST(EntityExtents, TiltedCircleReachesRadiusTimesInPlaneLength) {
    // Along each axis e_i the circle reaches r * sqrt(1 - (n.e_i)^2) either side, not r.
    OdDbCirclePtr pCircle = OdDbCircle::createObject();
    pCircle->setCenter(OdGePoint3d(10, 20, 30));
    pCircle->setRadius(7);
    pCircle->setNormal(OdGeVector3d(1, 2, 3));
    const double n[] = {1 / std::sqrt(14.0), 2 / std::sqrt(14.0), 3 / std::sqrt(14.0)};
    double reach[3];
    for (int i = 0; i < 3; ++i) {
        reach[i] = 7 * std::sqrt(1 - n[i] * n[i]);
    }
    ExpectExtentsNear(ExtentsOf(*pCircle), OdGePoint3d(10 - reach[0], 20 - reach[1], 30 - reach[2]),
                      OdGePoint3d(10 + reach[0], 20 + reach[1], 30 + reach[2]));
}

TEST(EntityExtents, TiltedArcsHoldEverySampleAndTouchTheCurve) {
    const OdGeVector3d normals[] = {{1, 2, 3}, {-0.3, 0.4, 0.2}, {1.0 / 64, 0, 1}, {0, 1, 1e-9},
                                    {1, 1, 1}, {1e-12, 0, -1},   {-5, 0.01, -2},   {0, 0, 1}};
    struct Sweep {
        double start, end, sweep;
    };
    // End angles as an arc stores them; the sweep as the file draws it.
    const Sweep sweeps[] = {{0.3, 2.0, 1.7},
                            {5.0, 0.5, 0.5 + 2 * kPi - 5.0},
                            {1.0, 1.001, 0.001},
                            {-2.0, 3.0, 5.0},
                            {4.5, 4.5 + 1.5 * kPi, 1.5 * kPi}};
    constexpr int kSamples = 20000;
    const OdGePoint3d c(1e3, -2e3, 5e2);
    const double r = 40;
    for (const OdGeVector3d& normal : normals) {
        for (const Sweep& arc : sweeps) {
            const OdGeExtents3d box = ExtentsOf(*NewArc(c, r, normal, arc.start, arc.end));
            const double start = std::fmod(arc.start + 2 * kPi, 2 * kPi);
            double low[3] = {1e300, 1e300, 1e300}, high[3] = {-1e300, -1e300, -1e300};
            for (const OdGePoint3d& p : SampleArc(c, r, normal, start, arc.sweep, kSamples)) {
                for (int i = 0; i < 3; ++i) {
                    low[i] = std::min(low[i], Coordinate(p, i));
                    high[i] = std::max(high[i], Coordinate(p, i));
                }
            }
            // Samples fall short of an extreme by at most r (1 - cos(step / 2)).
            const double step = arc.sweep / kSamples;
            const double shortfall = r * (1 - std::cos(step / 2)) + 1e-9;
            for (int i = 0; i < 3; ++i) {
                SCOPED_TRACE(testing::Message()
                             << "normal " << normal.x << "," << normal.y << "," << normal.z
                             << " start " << arc.start << " axis " << i);
                EXPECT_LE(Coordinate(box.minPoint(), i), low[i] + 1e-9);
                EXPECT_GE(Coordinate(box.minPoint(), i), low[i] - shortfall);
                EXPECT_GE(Coordinate(box.maxPoint(), i), high[i] - 1e-9);
                EXPECT_LE(Coordinate(box.maxPoint(), i), high[i] + shortfall);
            }
        }
    }
}

TEST(EntityExtents, SplineWithoutCurveDataHasNone) {
    OdGeExtents3d extents;
    EXPECT_EQ(OdDbSpline::createObject()->getGeomExtents(extents), eNotApplicable);
    EXPECT_FALSE(extents.isValidExtents());
}

TEST_F(DxfExtents, TiltedArcsAndCirclesMatchTheIndependentReader) {
    DxfTestDrawing drawing;
    const OdGePoint3d c(-159000, 2500, 40);
    drawing.addArc(c, 12.5, OdGeVector3d(1, 2, 3), 0.3, 2.0);
    drawing.addArc(c, 30, OdGeVector3d(-0.3, 0.4, 0.2), 5.0, 0.5);
    drawing.addArc(c, 8, OdGeVector3d(1.0 / 64, 0, 1), 1, 4);
    drawing.addArc(c, 50, OdGeVector3d(0, -1, 1e-3), 2.5, 2.6);
    drawing.addCircle(OdGePoint3d(-158950, 2480, 0), 20, OdGeVector3d(-5, 0.01, -2));
    ExpectReadsBack(drawing);
}

TEST_F(DxfExtents, EveryKindCountsAndTheViewShowsAFarModel) {
    // Around x = -159,000 mm, as the motor assembly of a real file, and wider than high.
    DxfTestDrawing drawing;
    const double x = -159000;
    drawing.addPoint(OdGePoint3d(x, 0, -3));
    drawing.addLine(OdGePoint3d(x - 400, 5, 0), OdGePoint3d(x + 10, 6, 1));
    drawing.addCircle(OdGePoint3d(x + 300, 10, 0), 15, OdGeVector3d(0, 0, 1));
    drawing.addArc(OdGePoint3d(x, 30, 0), 10, OdGeVector3d(0, 1, 1), 0, kPi);
    drawing.addPolyline({{x, 0, 0}, {x + 20, -40, 0}, {x + 30, 0, 60}}, true);
    drawing.addPolyface({{x, 0, 0}, {x + 1, 0, 0}, {x, 80, 0}, {x, 0, -75}},
                        {{1, 2, 3, 0}, {1, 3, 4, 0}});
    drawing.addFace({x, 0, 0}, {x + 500, 0, 0}, {x, 1, 0}, {x, 1, 0});
    drawing.addSpline(3, false, false, false,
                      {{x, 0, 0}, {x + 100, 90, 0}, {x + 200, -90, 10}, {x + 300, 0, 0}},
                      {0, 0, 0, 0, 1, 1, 1, 1}, {1, 1, 1, 1}, 300, {});
    ExpectReadsBack(drawing);
}

TEST_F(DxfExtents, EmptyDrawingWritesConventionalExtents) {
    DxfTestDrawing drawing;
    AppendToModelSpace(drawing.database(), OdDbSpline::createObject()); // left out of the file
    ASSERT_TRUE(odDbSaveAsDxf(*drawing.database(), path("empty.dxf")).ok());
    const std::string text = ReadFile(path("empty.dxf"));
    EXPECT_NE(text.find("  9\n$EXTMIN\n 10\n1e+20\n 20\n1e+20\n 30\n1e+20\n"
                        "  9\n$EXTMAX\n 10\n-1e+20\n 20\n-1e+20\n 30\n-1e+20\n"
                        "  9\n$INSUNITS\n 70\n4\n  9\n$MEASUREMENT\n 70\n1\n"),
              std::string::npos);
    // The view of a drawing without extents: 100 units around the origin, from above.
    EXPECT_NE(text.find(" 12\n0\n 22\n0\n 16\n0\n 26\n0\n 36\n1\n 17\n0\n 27\n0\n 37\n0\n"
                        " 40\n100\n 41\n1.34\n"),
              std::string::npos);
}

TEST_F(DxfExtents, PointAloneIsViewedAroundItself) {
    DxfTestDrawing drawing;
    drawing.addPoint(OdGePoint3d(-159000, 42.5, 7));
    ASSERT_TRUE(odDbSaveAsDxf(*drawing.database(), path("point.dxf")).ok());
    EXPECT_NE(ReadFile(path("point.dxf")).find(" 12\n-159000\n 22\n42.5\n"), std::string::npos);
    ExpectReadsBack(drawing);
}

TEST_F(DxfExtents, ExtremeCoordinatesGiveAFiniteView) {
    // The width does not fit in a double: the view height must still be a number.
    DxfTestDrawing drawing;
    drawing.addLine(OdGePoint3d(-1.7e308, 0, 0), OdGePoint3d(1.7e308, 1, 0));
    ASSERT_TRUE(odDbSaveAsDxf(*drawing.database(), path("huge.dxf")).ok());
    const std::string text = ReadFile(path("huge.dxf"));
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_NE(text.find(" 40\n1.7976931348623157e+308\n"), std::string::npos);
}
