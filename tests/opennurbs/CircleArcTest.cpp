// Kestrin tests: circles and arcs. The circle through three points, and the arc's angle interval
// rules: increasing, at most one turn, reversal for decreasing intervals and negative sweeps.
#include <opennurbs.h>

#include <gtest/gtest.h>

namespace {

constexpr double kCompareTolerance = 1e-12;

bool SameVector(const ON_3dVector& a, const ON_3dVector& b) {
    return (a - b).Length() <= kCompareTolerance;
}

TEST(CircleThroughThreePoints, CentreRadiusAndOrientationFollowThePoints) {
    ON_Circle circle;
    ASSERT_TRUE(circle.Create(ON_3dPoint(3, 1, 0), ON_3dPoint(1, 3, 0), ON_3dPoint(-1, 1, 0)));
    EXPECT_LT(circle.Center().DistanceTo(ON_3dPoint(1, 1, 0)), kCompareTolerance);
    EXPECT_NEAR(circle.Radius(), 2.0, kCompareTolerance);
    EXPECT_TRUE(SameVector(circle.plane.xaxis, ON_3dVector::XAxis)); // towards the first point
    EXPECT_TRUE(SameVector(circle.Normal(), ON_3dVector::ZAxis));    // counterclockwise
    ON_Circle clockwise;
    ASSERT_TRUE(clockwise.Create(ON_3dPoint(-1, 1, 0), ON_3dPoint(1, 3, 0), ON_3dPoint(3, 1, 0)));
    EXPECT_TRUE(SameVector(clockwise.Normal(), ON_3dVector(0, 0, -1)));
}

TEST(CircleThroughThreePoints, CollinearOrCoincidentPointsFail) {
    ON_Circle circle;
    EXPECT_FALSE(circle.Create(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 1), ON_3dPoint(2, 2, 2)));
    EXPECT_EQ(circle.Radius(), 0.0);
    EXPECT_TRUE(SameVector(circle.Normal(), ON_3dVector::ZAxis));
    EXPECT_FALSE(circle.Create(ON_3dPoint(1, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0)));
    EXPECT_FALSE(circle.IsValid());
}

TEST(CircleClosestPoint, AngleIsInZeroToTwoPi) {
    const ON_Circle circle(ON_3dPoint(0, 0, 0), 1.0);
    double t = -1.0;
    ASSERT_TRUE(circle.ClosestPointTo(ON_3dPoint(0, -5, 3), &t));
    EXPECT_NEAR(t, 1.5 * ON_PI, kCompareTolerance);
    EXPECT_FALSE(circle.ClosestPointTo(ON_3dPoint(0, 0, 7), &t)); // above the centre
}

TEST(Arc, DefaultIsTheFullUnitCircle) {
    const ON_Arc arc;
    EXPECT_EQ(arc.m_angle, ON_Interval(0.0, ON_2PI));
    EXPECT_TRUE(arc.IsCircle());
    EXPECT_TRUE(arc.IsValid());
}

TEST(Arc, IsCircleWithinTheZeroTolerance) {
    ON_Arc arc;
    arc.m_angle.Set(1.0, 1.0 + ON_2PI + 1e-10);
    EXPECT_TRUE(arc.IsCircle());
    arc.m_angle.Set(1.0, 1.0 + ON_2PI - 1e-9);
    EXPECT_FALSE(arc.IsCircle());
}

TEST(Arc, MayStartAnywhereButSweepsAtMostOneTurn) {
    ON_Arc arc;
    arc.m_angle.Set(ON_PI, 2.5 * ON_PI);
    EXPECT_TRUE(arc.IsValid());
    arc.m_angle.Set(0.0, ON_2PI + 1e-6);
    EXPECT_FALSE(arc.IsValid());
    arc.m_angle.Set(1.0, 1.0);
    EXPECT_FALSE(arc.IsValid());
}

TEST(Arc, DecreasingIntervalIsSwappedAndTheArcReversed) {
    const ON_Circle circle(ON_3dPoint(0, 0, 0), 1.0);
    ON_Arc arc;
    EXPECT_FALSE(arc.Create(circle, ON_Interval(ON_HALFPI, 0.0)));
    EXPECT_TRUE(arc.IsValid());
    EXPECT_TRUE(SameVector(arc.Normal(), ON_3dVector(0, 0, -1)));
    EXPECT_NEAR(arc.AngleRadians(), ON_HALFPI, kCompareTolerance);
    // Still runs from the angle given first to the one given second.
    EXPECT_LT(arc.StartPoint().DistanceTo(ON_3dPoint(0, 1, 0)), kCompareTolerance);
    EXPECT_LT(arc.EndPoint().DistanceTo(ON_3dPoint(1, 0, 0)), kCompareTolerance);
}

TEST(Arc, IntervalLongerThanATurnIsCut) {
    ON_Arc arc;
    EXPECT_FALSE(arc.Create(ON_Circle(ON_3dPoint(0, 0, 0), 2.0), ON_Interval(1.0, 1.0 + 7.0)));
    EXPECT_EQ(arc.m_angle, ON_Interval(1.0, 1.0 + ON_2PI));
    EXPECT_TRUE(arc.Create(ON_Circle(ON_3dPoint(0, 0, 0), 2.0), ON_Interval(-1.0, 2.0)));
}

TEST(Arc, NegativeSweepKeepsTheStartAndRunsClockwise) {
    ON_Arc arc(ON_Circle(ON_3dPoint(0, 0, 0), 1.0), ON_HALFPI);
    const ON_3dPoint start = arc.StartPoint();
    EXPECT_TRUE(arc.SetAngleRadians(-ON_HALFPI));
    EXPECT_LT(arc.StartPoint().DistanceTo(start), kCompareTolerance);
    EXPECT_LT(arc.EndPoint().DistanceTo(ON_3dPoint(0, -1, 0)), kCompareTolerance);
    EXPECT_TRUE(SameVector(arc.Normal(), ON_3dVector(0, 0, -1)));
}

TEST(Arc, SetAngleIntervalAcceptsOnlyIncreasingIntervalsUpToATurn) {
    ON_Arc arc;
    EXPECT_FALSE(arc.SetAngleIntervalRadians(ON_Interval(1.0, 0.0)));
    EXPECT_FALSE(arc.SetAngleIntervalRadians(ON_Interval(0.0, 2.0 * ON_2PI)));
    EXPECT_EQ(arc.m_angle, ON_Interval(0.0, ON_2PI));
    EXPECT_TRUE(arc.SetAngleIntervalRadians(ON_Interval(-1.0, 1.0)));
    EXPECT_EQ(arc.m_angle, ON_Interval(-1.0, 1.0));
}

TEST(Arc, ClosestPointClampsToTheNearerEnd) {
    const ON_Arc arc(ON_Circle(ON_3dPoint(0, 0, 0), 1.0), ON_Interval(0.0, ON_HALFPI));
    double t = -1.0;
    ASSERT_TRUE(arc.ClosestPointTo(ON_3dPoint(1, -0.1, 0), &t));
    EXPECT_EQ(t, 0.0);
    ASSERT_TRUE(arc.ClosestPointTo(ON_3dPoint(-0.1, 1, 0), &t));
    EXPECT_EQ(t, ON_HALFPI);
    // A start angle far from zero is brought onto the arc without looping over turns.
    ON_Arc far_arc;
    ASSERT_TRUE(far_arc.SetAngleIntervalRadians(ON_Interval(1e15, 1e15 + 1.0)));
    ASSERT_TRUE(far_arc.ClosestPointTo(ON_3dPoint(5, 5, 0), &t));
    EXPECT_TRUE(far_arc.m_angle.Includes(t));
}

TEST(Arc, ThroughThreePointsStartsAtTheFirst) {
    const ON_Arc arc(ON_3dPoint(0, 1, 0), ON_3dPoint(-1, 0, 0), ON_3dPoint(0, -1, 0));
    ASSERT_TRUE(arc.IsValid());
    EXPECT_EQ(arc.m_angle[0], 0.0);
    EXPECT_NEAR(arc.AngleRadians(), ON_PI, kCompareTolerance);
    EXPECT_LT(arc.EndPoint().DistanceTo(ON_3dPoint(0, -1, 0)), kCompareTolerance);
}

} // namespace
