// Kestrin tests: ON_NurbsCurve data access and evaluation: the stored layout, CV and weight
// access for rational and non-rational curves, knots, copies, validity and points on the curve.
#include "NurbsTestCurves.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using test_curves::BezierKnots;
using test_curves::MakeCurve;
using test_curves::QuarterCircle;

constexpr double kCompareTolerance = 1e-12;

// Collects what IsValid explains.
class StringLog : public ON_TextLog {
public:
    std::string text;

protected:
    void AppendText(const char* s) override { text += s; }
};

TEST(NurbsCurveData, CreateLaysOutPackedHomogeneousControlPoints) {
    ON_NurbsCurve curve;
    ASSERT_TRUE(curve.Create(3, true, 4, 6));
    EXPECT_EQ(curve.m_dim, 3);
    EXPECT_TRUE(curve.IsRational());
    EXPECT_EQ(curve.Order(), 4);
    EXPECT_EQ(curve.Degree(), 3);
    EXPECT_EQ(curve.CVCount(), 6);
    EXPECT_EQ(curve.m_cv_stride, 4);
    EXPECT_EQ(curve.KnotCount(), 8);
    ASSERT_TRUE(curve.SetCV(2, ON_4dPoint(2, 4, 6, 2)));
    EXPECT_EQ(curve.m_cv[2 * curve.m_cv_stride + 3], 2.0);
    ON_3dPoint p;
    ASSERT_TRUE(curve.GetCV(2, p));
    EXPECT_EQ(p, ON_3dPoint(1, 2, 3));
    EXPECT_FALSE(curve.Create(3, false, 1, 4));
    EXPECT_FALSE(curve.Create(3, false, 4, 3));
}

TEST(NurbsCurveData, ZeroWeightFailsGetCVAndLeavesThePoint) {
    ON_NurbsCurve curve(3, true, 2, 2);
    curve.SetCV(0, ON_4dPoint(1, 1, 1, 0));
    ON_3dPoint p(7, 7, 7);
    EXPECT_FALSE(curve.GetCV(0, p));
    EXPECT_EQ(p, ON_3dPoint(7, 7, 7));
    ON_4dPoint h;
    ASSERT_TRUE(curve.GetCV(0, h));
    EXPECT_EQ(h, ON_4dPoint(1, 1, 1, 0));
}

TEST(NurbsCurveData, WeightsOfNonRationalCurvesAreOne) {
    ON_NurbsCurve curve(3, false, 2, 2);
    EXPECT_EQ(curve.Weight(1), 1.0);
    EXPECT_TRUE(curve.SetWeight(1, 1.0));
    EXPECT_FALSE(curve.SetWeight(1, 2.0));
    ON_4dPoint h;
    curve.SetCV(1, ON_3dPoint(1, 2, 3));
    ASSERT_TRUE(curve.GetCV(1, h));
    EXPECT_EQ(h, ON_4dPoint(1, 2, 3, 1));
    EXPECT_EQ(ON_NurbsCurve().Weight(0), 1.0);
}

TEST(NurbsCurveData, SetWeightKeepsTheStoredCoordinates) {
    ON_NurbsCurve curve(3, true, 2, 2);
    curve.SetCV(0, ON_3dPoint(2, 4, 6));
    ASSERT_TRUE(curve.SetWeight(0, 2.0));
    EXPECT_EQ(curve.Weight(0), 2.0);
    ON_3dPoint p;
    ASSERT_TRUE(curve.GetCV(0, p));
    EXPECT_EQ(p, ON_3dPoint(1, 2, 3));
}

TEST(NurbsCurveData, KnotsWithoutAnArray) {
    ON_NurbsCurve curve;
    curve.m_order = 3;
    curve.m_cv_count = 4;
    EXPECT_EQ(curve.KnotCount(), 5);
    EXPECT_EQ(curve.Knot(2), 0.0);
    EXPECT_FALSE(curve.SetKnot(0, 1.0));
    EXPECT_FALSE(curve.Domain().IsValid());
    EXPECT_FALSE(curve.PointAtStart().IsValid());
}

TEST(NurbsCurveData, CopiesAreDeepAndPacked) {
    ON_NurbsCurve source = QuarterCircle(ON_3dPoint(0, 0, 0), 1.0);
    ON_NurbsCurve copy(source);
    ON_NurbsCurve assigned;
    assigned = source;
    source.SetCV(1, ON_3dPoint(9, 9, 9));
    source.SetKnot(0, -5.0);
    for (const ON_NurbsCurve* curve : {&copy, &assigned}) {
        EXPECT_EQ(curve->CVCount(), 3);
        EXPECT_EQ(curve->Knot(0), 0.0);
        EXPECT_NE(curve->m_cv, source.m_cv);
        ON_3dPoint p;
        ASSERT_TRUE(curve->GetCV(1, p));
        EXPECT_EQ(p, ON_3dPoint(1, 1, 0));
    }
}

TEST(NurbsCurveData, IsValidNamesTheBrokenRule) {
    ON_NurbsCurve curve = MakeCurve(
        3, {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 0), ON_3dPoint(2, 0, 0)}, BezierKnots(3));
    EXPECT_TRUE(curve.IsValid());
    curve.SetKnot(0, 2.0); // decreasing
    StringLog log;
    EXPECT_FALSE(curve.IsValid(&log));
    EXPECT_NE(log.text.find("m_knot"), std::string::npos);

    ON_NurbsCurve empty;
    StringLog empty_log;
    EXPECT_FALSE(empty.IsValid(&empty_log));
    EXPECT_FALSE(empty_log.text.empty());
}

TEST(NurbsCurveEvaluation, ClampedCurveStartsAndEndsAtItsEndControlPoints) {
    const ON_NurbsCurve curve =
        MakeCurve(4,
                  {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 2, 0), ON_3dPoint(3, 2, 1),
                   ON_3dPoint(4, 0, 0), ON_3dPoint(5, 1, 2)},
                  {0, 0, 0, 1, 2, 2, 2});
    EXPECT_EQ(curve.Domain(), ON_Interval(0.0, 2.0));
    EXPECT_EQ(curve.SpanCount(), 2);
    EXPECT_LT(curve.PointAtStart().DistanceTo(ON_3dPoint(0, 0, 0)), kCompareTolerance);
    EXPECT_LT(curve.PointAtEnd().DistanceTo(ON_3dPoint(5, 1, 2)), kCompareTolerance);
}

TEST(NurbsCurveEvaluation, RationalQuadraticMidpointLiesOnTheCircle) {
    const ON_NurbsCurve curve = QuarterCircle(ON_3dPoint(0, 0, 0), 1.0);
    const ON_3dPoint mid = curve.PointAt(0.5);
    EXPECT_NEAR(mid.x, std::sqrt(0.5), kCompareTolerance);
    EXPECT_NEAR(mid.y, std::sqrt(0.5), kCompareTolerance);
    // The derivative at the start is tangent to the circle there.
    const ON_3dVector d = curve.DerivativeAt(0.0);
    EXPECT_NEAR(d.x, 0.0, kCompareTolerance);
    EXPECT_GT(d.y, 0.0);
}

TEST(NurbsCurveEvaluation, HighDegreeCurvesEvaluate) {
    // Degree 19: beyond the stack work space of the evaluator. Evenly spaced collinear control
    // points of a Bezier curve give the linear parameterisation x = 19 t.
    constexpr int kOrder = 20;
    std::vector<ON_3dPoint> points;
    for (int i = 0; i < kOrder; ++i) {
        points.emplace_back(i, 0, 0);
    }
    const ON_NurbsCurve curve = MakeCurve(kOrder, points, BezierKnots(kOrder));
    EXPECT_NEAR(curve.PointAt(0.25).x, 0.25 * (kOrder - 1), 1e-9);
    EXPECT_NEAR(curve.DerivativeAt(0.5).x, kOrder - 1, 1e-9);
    EXPECT_TRUE(curve.IsLinear(1e-12));
}

} // namespace
