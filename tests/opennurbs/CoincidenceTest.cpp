// Kestrin tests: the point coincidence test behind closure and periodicity: per coordinate,
// absolute (2^-32) or relative to the coordinates' size, with rational points compared after
// dividing by their weights.
#include <opennurbs.h>

#include <gtest/gtest.h>

namespace {

TEST(PointsAreCoincident, AbsoluteOrRelativePerCoordinate) {
    const double a[3] = {0.0, 0.0, 0.0};
    const double near_a[3] = {2e-10, -2e-10, 0.0};
    const double off_a[3] = {0.0, 0.0, 1e-9};
    EXPECT_TRUE(ON_PointsAreCoincident(3, false, a, near_a));
    EXPECT_FALSE(ON_PointsAreCoincident(3, false, a, off_a));
    const double big[3] = {1e6, 0.0, 0.0};
    const double big_near[3] = {1e6 + 1e-7, 0.0, 0.0};
    EXPECT_TRUE(ON_PointsAreCoincident(3, false, big, big_near));
}

TEST(PointsAreCoincident, RationalPointsCompareTheirEuclideanPositions) {
    const double a[4] = {1.0, 2.0, 3.0, 1.0};
    const double same_weighted[4] = {2.0, 4.0, 6.0, 2.0};
    const double at_infinity[4] = {1.0, 2.0, 3.0, 0.0};
    EXPECT_TRUE(ON_PointsAreCoincident(3, true, a, same_weighted));
    EXPECT_FALSE(ON_PointsAreCoincident(3, true, a, at_infinity));
    EXPECT_TRUE(ON_PointsAreCoincident(3, true, at_infinity, at_infinity));
}

} // namespace
