// Kestrin tests: the NURBS shape tests. IsLinear decides from the control points (collinear, in
// order, within the ends); IsArc at the converters' tolerance is the strict test that accepts
// rational Bezier arcs only, and returns the arc oriented and started as the curve runs.
#include "NurbsTestCurves.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using test_curves::BezierKnots;
using test_curves::FullCircle;
using test_curves::MakeCurve;
using test_curves::MakeRationalCurve;
using test_curves::QuarterCircle;

constexpr double kShapeTolerance = 1e-12;   // what the converters pass
constexpr double kLooseTolerance = 1e-3;    // loose enough for a cubic arc approximation
constexpr double kCompareTolerance = 1e-12; // comparisons of computed geometry

ON_NurbsCurve QuadraticThrough(const ON_3dPoint& middle) {
    return MakeCurve(3, {ON_3dPoint(0, 0, 0), middle, ON_3dPoint(2, 0, 0)}, BezierKnots(3));
}

TEST(NurbsCurveIsLinear, CollinearControlPointsInOrderAreLinear) {
    EXPECT_TRUE(QuadraticThrough(ON_3dPoint(1, 0, 0)).IsLinear(kShapeTolerance));
    // Non-uniform spacing and a CV just off the line within the tolerance still count.
    EXPECT_TRUE(QuadraticThrough(ON_3dPoint(0.3, 0, 0)).IsLinear(kShapeTolerance));
    EXPECT_TRUE(QuadraticThrough(ON_3dPoint(1, 1e-13, 0)).IsLinear(kShapeTolerance));
}

TEST(NurbsCurveIsLinear, ControlPointOffTheLineIsNotLinear) {
    EXPECT_FALSE(QuadraticThrough(ON_3dPoint(1, 1e-11, 0)).IsLinear(kShapeTolerance));
    // With no tolerance the coincidence test applies, which is looser than 1e-12.
    EXPECT_TRUE(QuadraticThrough(ON_3dPoint(1, 1e-11, 0)).IsLinear(0.0));
}

TEST(NurbsCurveIsLinear, ControlPointBeyondEitherEndIsNotLinear) {
    EXPECT_FALSE(QuadraticThrough(ON_3dPoint(3, 0, 0)).IsLinear(kShapeTolerance));
    EXPECT_FALSE(QuadraticThrough(ON_3dPoint(2.01, 0, 0)).IsLinear(kShapeTolerance));
    EXPECT_FALSE(QuadraticThrough(ON_3dPoint(-0.005, 0, 0)).IsLinear(kShapeTolerance));
}

TEST(NurbsCurveIsLinear, DoublingBackIsNotLinear) {
    const ON_NurbsCurve curve = MakeCurve(
        4, {ON_3dPoint(0, 0, 0), ON_3dPoint(2, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(3, 0, 0)},
        BezierKnots(4));
    EXPECT_FALSE(curve.IsLinear(kShapeTolerance));
}

TEST(NurbsCurveIsLinear, ZeroLengthChordIsNotLinear) {
    EXPECT_FALSE(MakeCurve(3, {ON_3dPoint(1, 1, 1), ON_3dPoint(2, 1, 1), ON_3dPoint(1, 1, 1)},
                           BezierKnots(3))
                     .IsLinear(kShapeTolerance));
    // A chord shorter than the tolerance is still a chord: two CVs 1e-20 apart are linear.
    EXPECT_TRUE(MakeCurve(2, {ON_3dPoint(0, 0, 0), ON_3dPoint(1e-20, 0, 0)}, BezierKnots(2))
                    .IsLinear(kShapeTolerance));
}

TEST(NurbsCurveIsLinear, RationalCollinearCurveIsLinear) {
    const ON_NurbsCurve curve =
        MakeRationalCurve(3, {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 1), ON_3dPoint(3, 3, 3)},
                          {1.0, 5.0, 0.5}, BezierKnots(3));
    EXPECT_TRUE(curve.IsLinear(kShapeTolerance));
}

TEST(NurbsCurveIsLinear, UnclampedKnotsAreNeverLinear) {
    const ON_NurbsCurve curve = MakeCurve(
        3, {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(2, 0, 0)}, {0.0, 1.0, 2.0, 3.0});
    EXPECT_FALSE(curve.IsLinear(kShapeTolerance));
}

TEST(NurbsCurveIsArc, RationalQuadraticQuarterCircleIsAnArc) {
    const ON_NurbsCurve curve = QuarterCircle(ON_3dPoint(1, 2, 3), 2.0);
    ON_Arc arc;
    ASSERT_TRUE(curve.IsArc(nullptr, &arc, kShapeTolerance));
    EXPECT_NEAR(arc.Radius(), 2.0, kCompareTolerance);
    EXPECT_LT(arc.Center().DistanceTo(ON_3dPoint(1, 2, 3)), kCompareTolerance);
    EXPECT_LT((arc.Normal() - ON_3dVector::ZAxis).Length(), kCompareTolerance);
    EXPECT_EQ(arc.m_angle[0], 0.0);
    EXPECT_NEAR(arc.AngleRadians(), ON_HALFPI, kCompareTolerance);
    EXPECT_LT(arc.StartPoint().DistanceTo(curve.PointAtStart()), kCompareTolerance);
    EXPECT_LT(arc.EndPoint().DistanceTo(curve.PointAtEnd()), kCompareTolerance);
}

TEST(NurbsCurveIsArc, ParameterDomainPlaysNoRoleInTheAngles) {
    ON_NurbsCurve curve = QuarterCircle(ON_3dPoint(0, 0, 0), 1.0);
    for (int i = 0; i < curve.KnotCount(); ++i) {
        curve.SetKnot(i, i < 2 ? 5.0 : 7.0);
    }
    ON_Arc arc;
    ASSERT_TRUE(curve.IsArc(nullptr, &arc, kShapeTolerance));
    EXPECT_EQ(arc.m_angle[0], 0.0);
    EXPECT_NEAR(arc.m_angle[1], ON_HALFPI, kCompareTolerance);
}

TEST(NurbsCurveIsArc, ClockwiseArcComesBackWithNegativeZ) {
    const ON_NurbsCurve curve =
        MakeRationalCurve(3, {ON_3dPoint(0, 1, 0), ON_3dPoint(1, 1, 0), ON_3dPoint(1, 0, 0)},
                          {1.0, std::sqrt(0.5), 1.0}, BezierKnots(3));
    ON_Arc arc;
    ASSERT_TRUE(curve.IsArc(nullptr, &arc, kShapeTolerance));
    EXPECT_LT((arc.Normal() - ON_3dVector(0, 0, -1)).Length(), kCompareTolerance);
    // The x axis points at the start, so the arc starts at angle 0.
    EXPECT_LT((arc.plane.xaxis - ON_3dVector(0, 1, 0)).Length(), kCompareTolerance);
    EXPECT_NEAR(arc.AngleRadians(), ON_HALFPI, kCompareTolerance);
}

TEST(NurbsCurveIsArc, PassedPlaneDoesNotShapeTheResult) {
    const ON_NurbsCurve curve = QuarterCircle(ON_3dPoint(0, 0, 0), 1.0);
    ON_Arc arc;
    ASSERT_TRUE(curve.IsArc(&ON_Plane::World_yz, &arc, kShapeTolerance));
    EXPECT_LT((arc.Normal() - ON_3dVector::ZAxis).Length(), kCompareTolerance);
}

TEST(NurbsCurveIsArc, FullNineControlPointCircleIsAClosedArc) {
    const ON_NurbsCurve curve = FullCircle(ON_3dPoint(0, 0, 0), 3.0);
    EXPECT_TRUE(curve.IsClosed());
    ON_Arc arc;
    ASSERT_TRUE(curve.IsArc(nullptr, &arc, kShapeTolerance));
    EXPECT_EQ(arc.AngleRadians(), ON_2PI);
    EXPECT_TRUE(arc.IsCircle());
    EXPECT_NEAR(arc.Radius(), 3.0, kCompareTolerance);
}

TEST(NurbsCurveIsArc, DegreeElevatedRationalArcIsAnArc) {
    // The quarter circle of QuarterCircle(origin, 1) raised to degree 3.
    const double w = std::sqrt(0.5);
    const double w1 = (1.0 + 2.0 * w) / 3.0;
    const std::vector<ON_3dPoint> points = {
        ON_3dPoint(1, 0, 0), ON_3dPoint((1 + 2 * w) / 3, 2 * w / 3, 0) / w1,
        ON_3dPoint(2 * w / 3, (1 + 2 * w) / 3, 0) / w1, ON_3dPoint(0, 1, 0)};
    const ON_NurbsCurve curve = MakeRationalCurve(4, points, {1.0, w1, w1, 1.0}, BezierKnots(4));
    EXPECT_TRUE(curve.IsArc(nullptr, nullptr, kShapeTolerance));
}

TEST(NurbsCurveIsArc, NonRationalApproximationIsNotAnArcAtTheStrictTolerance) {
    constexpr double kKappa = 0.5522847498307936; // cubic Bezier quarter-circle handle length
    const ON_NurbsCurve curve = MakeCurve(4,
                                          {ON_3dPoint(1, 0, 0), ON_3dPoint(1, kKappa, 0),
                                           ON_3dPoint(kKappa, 1, 0), ON_3dPoint(0, 1, 0)},
                                          BezierKnots(4));
    EXPECT_FALSE(curve.IsArc(nullptr, nullptr, kShapeTolerance));
    EXPECT_TRUE(curve.IsArc(nullptr, nullptr, kLooseTolerance));
}

TEST(NurbsCurveIsArc, LinesAndNonBezierSpansAreNotArcs) {
    const ON_NurbsCurve line =
        MakeRationalCurve(3, {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(2, 0, 0)},
                          {1.0, 0.5, 1.0}, BezierKnots(3));
    EXPECT_FALSE(line.IsArc(nullptr, nullptr, kShapeTolerance));

    // The full circle with one interior knot of multiplicity 1 instead of 2.
    ON_NurbsCurve circle = FullCircle(ON_3dPoint(0, 0, 0), 1.0);
    circle.SetKnot(3, 1.5);
    EXPECT_FALSE(circle.IsArc(nullptr, nullptr, kShapeTolerance));
}

TEST(NurbsCurveIsArc, FarFromTheOriginRoundingDecidesTheStrictTest) {
    const ON_NurbsCurve curve = FullCircle(ON_3dPoint(1e5, 1e5, 1e5), 50.0);
    EXPECT_FALSE(curve.IsArc(nullptr, nullptr, kShapeTolerance));
    EXPECT_TRUE(curve.IsArc(nullptr, nullptr, 1e-9));
}

TEST(NurbsCurveClosure, ClampedCubicWithEqualEndsIsClosed) {
    const ON_NurbsCurve curve = MakeCurve(
        4, {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0), ON_3dPoint(0, 0, 0)},
        BezierKnots(4));
    EXPECT_TRUE(curve.IsClosed());
    EXPECT_FALSE(curve.IsPeriodic());
}

TEST(NurbsCurveClosure, ThreeControlPointsAreNeverClosed) {
    const ON_NurbsCurve curve = MakeCurve(
        3, {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 0), ON_3dPoint(0, 0, 0)}, BezierKnots(3));
    EXPECT_FALSE(curve.IsClosed());
}

TEST(NurbsCurveClosure, WrappedUniformCubicIsPeriodicAndClosed) {
    const ON_3dPoint a(0, 0, 0);
    const ON_3dPoint b(1, 0, 0);
    const ON_3dPoint c(1, 1, 0);
    const ON_3dPoint d(0, 1, 0);
    const ON_NurbsCurve curve = MakeCurve(4, {a, b, c, d, a, b, c}, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_TRUE(curve.IsPeriodic());
    EXPECT_TRUE(curve.IsClosed());
    EXPECT_FALSE(curve.IsClamped());
    EXPECT_FALSE(curve.IsLinear(kShapeTolerance));
    EXPECT_EQ(curve.Domain(), ON_Interval(2.0, 6.0));
    EXPECT_EQ(curve.SuperfluousKnot(0), -1.0);
    EXPECT_EQ(curve.SuperfluousKnot(1), 9.0);
}

TEST(NurbsCurveClosure, OpenCurveIsNeitherClosedNorPeriodic) {
    const ON_NurbsCurve curve = QuadraticThrough(ON_3dPoint(1, 1, 0));
    EXPECT_FALSE(curve.IsClosed());
    EXPECT_FALSE(curve.IsPeriodic());
}

} // namespace
