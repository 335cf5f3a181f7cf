// Kestrin tests: ON_Polyline closure. With tolerance 0 the first and last points must be exactly
// equal, with at least four points and an interior point that differs from both.
#include <opennurbs.h>

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

ON_Polyline MakePolyline(std::initializer_list<ON_3dPoint> points) {
    ON_Polyline polyline;
    for (const ON_3dPoint& p : points) {
        polyline.Append(p);
    }
    return polyline;
}

TEST(PolylineIsClosed, ClosedSquareIsClosed) {
    EXPECT_TRUE(MakePolyline({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}}).IsClosed(0.0));
}

TEST(PolylineIsClosed, TooFewOrDegeneratePointsAreNotClosed) {
    EXPECT_FALSE(ON_Polyline().IsClosed(0.0));
    EXPECT_FALSE(MakePolyline({{0, 0, 0}, {1, 0, 0}, {0, 0, 0}}).IsClosed(0.0));
    EXPECT_FALSE(MakePolyline({{2, 2, 2}, {2, 2, 2}, {2, 2, 2}, {2, 2, 2}}).IsClosed(0.0));
}

TEST(PolylineIsClosed, ZeroToleranceNeedsExactlyEqualEnds) {
    auto square_ending_at = [](const ON_3dPoint& last) {
        return MakePolyline({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, last});
    };
    EXPECT_FALSE(square_ending_at(ON_3dPoint(1e-12, 0, 0)).IsClosed(0.0));
    EXPECT_FALSE(square_ending_at(ON_3dPoint(0, 0, 1e-300)).IsClosed(0.0));
    EXPECT_TRUE(square_ending_at(ON_3dPoint(-0.0, 0, 0)).IsClosed(0.0));
    EXPECT_TRUE(
        MakePolyline({{1e6, 0, 0}, {1e6 + 1, 0, 0}, {1e6 + 1, 1, 0}, {1e6, 0, 0}}).IsClosed(0.0));
    // The interior points must differ from the ends, not from each other.
    EXPECT_TRUE(MakePolyline({{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {0, 0, 0}}).IsClosed(0.0));
    EXPECT_FALSE(
        MakePolyline({{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}).IsClosed(0.0));
}

TEST(PolylineIsClosed, PositiveToleranceIsADistance) {
    const ON_Polyline polyline = MakePolyline({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0.001, 0, 0}});
    EXPECT_TRUE(polyline.IsClosed(0.01));
    EXPECT_FALSE(polyline.IsClosed(0.0001));
    // Every interior point within the tolerance of an end: degenerate, not closed.
    EXPECT_FALSE(MakePolyline({{0, 0, 0}, {0.005, 0, 0}, {0, 0.005, 0}, {0, 0, 0}}).IsClosed(0.01));
}

} // namespace
