// Kestrin toolkit tests: vector algebra as the module relies on it (angles about a reference,
// normalization that leaves short vectors alone).
#include "Ge/GePoint3d.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kAngleTol = 1e-15;
} // namespace

TEST(GeVector3d, AngleToIsUnsignedAndCommutative) {
    const OdGeVector3d a(1, 0, 0);
    const OdGeVector3d b(0, -1, 0);
    EXPECT_NEAR(a.angleTo(b), kPi / 2, kAngleTol);
    EXPECT_NEAR(b.angleTo(a), kPi / 2, kAngleTol);
    EXPECT_NEAR(a.angleTo(-a), kPi, kAngleTol);
    EXPECT_EQ(a.angleTo(a), 0.0);
}

TEST(GeVector3d, AngleToWithReferenceRunsCounterclockwise) {
    const OdGeVector3d x(1, 0, 0);
    const OdGeVector3d z(0, 0, 1);
    EXPECT_NEAR(x.angleTo(OdGeVector3d(0, 1, 0), z), kPi / 2, kAngleTol);
    EXPECT_NEAR(x.angleTo(OdGeVector3d(0, -1, 0), z), 3 * kPi / 2, kAngleTol);
    EXPECT_NEAR(x.angleTo(OdGeVector3d(0, -1, 0), -z), kPi / 2, kAngleTol);
    EXPECT_EQ(x.angleTo(x, z), 0.0); // tie takes the unsigned branch
}

TEST(GeVector3d, NormalizeLeavesVectorsWithinToleranceUnchanged) {
    OdGeVector3d v(3, 4, 0);
    v.normalize();
    EXPECT_DOUBLE_EQ(v.x, 0.6);
    EXPECT_DOUBLE_EQ(v.length(), 1.0);
    OdGeVector3d tiny(1e-11, 0, 0);
    tiny.normalize(OdGeContext::gTol);
    EXPECT_EQ(tiny.x, 1e-11);
    OdGeVector3d zero;
    zero.normalize();
    EXPECT_EQ(zero, OdGeVector3d::kIdentity);
    OdGeVector3d tinyLoose(1e-11, 0, 0);
    tinyLoose.normalize(OdGeTol(1e-12));
    EXPECT_DOUBLE_EQ(tinyLoose.x, 1.0);
}

TEST(GeVector3d, CrossProductIsRightHanded) {
    EXPECT_EQ(OdGeVector3d::kXAxis.crossProduct(OdGeVector3d::kYAxis), OdGeVector3d::kZAxis);
    EXPECT_EQ(OdGeVector3d(0, 1, 0).crossProduct(OdGeVector3d(0, 0, -1)), OdGeVector3d(-1, 0, 0));
    EXPECT_EQ(OdGeVector3d(1, 2, 3).dotProduct(OdGeVector3d(4, 5, 6)), 32.0);
}

TEST(GePoint3d, PointsAndVectorsCombine) {
    const OdGePoint3d p(1, 2, 3);
    const OdGePoint3d q = p + OdGeVector3d(1, 1, 1);
    EXPECT_EQ(q - p, OdGeVector3d(1, 1, 1));
    EXPECT_DOUBLE_EQ(p.distanceTo(OdGePoint3d(1, 2, 5)), 2.0);
    EXPECT_TRUE(p.isEqualTo(OdGePoint3d(1, 2, 3 + 1e-11)));
}
