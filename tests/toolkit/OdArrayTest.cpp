// Kestrin toolkit tests: the toolkit array (growth, self-append, checked access, deep copies).
#include "Ge/GePoint3dArray.h"

#include <gtest/gtest.h>
#include <string>

TEST(OdArray, AppendOwnElementWhileGrowing) {
    OdArray<std::string> texts;
    texts.append("first");
    for (int i = 0; i < 20; ++i) {
        texts.append(texts[0]); // the element lives in the storage that the growth replaces
    }
    EXPECT_EQ(texts.length(), 21u);
    EXPECT_EQ(texts.last(), "first");
}

TEST(OdArray, CheckedAccessRaisesInvalidIndex) {
    OdGePoint3dArray points;
    EXPECT_THROW(points.first(), OdError);
    points.append(OdGePoint3d(1, 2, 3));
    EXPECT_EQ(points.at(0).y, 2.0);
    try {
        points.at(1);
        FAIL();
    } catch (const OdError& error) {
        EXPECT_EQ(error.code(), eInvalidIndex);
    }
}

TEST(OdArray, CopiesAreDeepAndRemoveLastShrinks) {
    OdArray<double> a{1.0, 2.0, 3.0};
    OdArray<double> b = a;
    b[0] = 9.0;
    EXPECT_EQ(a[0], 1.0);
    b.removeLast();
    EXPECT_EQ(b.length(), 2u);
    b.resize(4);
    EXPECT_EQ(b[3], 0.0);
    EXPECT_FALSE(a == b);
    OdArray<double> empty;
    empty.removeLast(); // no-op
    EXPECT_TRUE(empty.isEmpty());
}
