// Tests of result buffers: making, building and freeing lists. Run under AddressSanitizer, the
// tests also prove that sds_relrb frees every record and string it owns and nothing else.
#include "sds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>

TEST(Resbuf, NewRecordIsEmptyOfTheGivenType) {
    sds_resbuf* rb = sds_newrb(RTSTR);
    ASSERT_NE(rb, nullptr);
    EXPECT_EQ(rb->restype, RTSTR);
    EXPECT_EQ(rb->rbnext, nullptr);
    EXPECT_EQ(rb->resval.rstring, nullptr);
    EXPECT_EQ(sds_relrb(rb), RTNORM);
}

TEST(Resbuf, ReleaseFreesTheWholeChainWithItsStrings) {
    sds_resbuf* head = sds_newrb(RTSTR);
    head->resval.rstring = static_cast<wchar_t*>(std::malloc(4 * sizeof(wchar_t)));
    std::wcscpy(head->resval.rstring, L"abc");
    head->rbnext = sds_newrb(RTREAL);
    head->rbnext->resval.rreal = 2.5;
    head->rbnext->rbnext = sds_newrb(RTSTR); // a string record without a string
    EXPECT_EQ(sds_relrb(head), RTNORM);
    EXPECT_EQ(sds_relrb(nullptr), RTNORM);
}

TEST(Resbuf, BuildListCopiesEveryKindOfValue) {
    const sds_point corner = {1.0, 2.0, 3.0};
    wchar_t name[] = L"Kestrin";
    sds_resbuf* list = sds_buildlist(RTSTR, name, RTREAL, 1.5, RTSHORT, 7, RTLONG,
                                     std::int32_t{70000}, RT3DPOINT, corner, RTNONE);
    name[0] = L'X'; // the list holds its own copy
    ASSERT_NE(list, nullptr);
    const sds_resbuf* rb = list;
    ASSERT_EQ(rb->restype, RTSTR);
    EXPECT_STREQ(rb->resval.rstring, L"Kestrin");
    rb = rb->rbnext;
    ASSERT_EQ(rb->restype, RTREAL);
    EXPECT_EQ(rb->resval.rreal, 1.5);
    rb = rb->rbnext;
    ASSERT_EQ(rb->restype, RTSHORT);
    EXPECT_EQ(rb->resval.rint, 7);
    rb = rb->rbnext;
    ASSERT_EQ(rb->restype, RTLONG);
    EXPECT_EQ(rb->resval.rlong, 70000);
    rb = rb->rbnext;
    ASSERT_EQ(rb->restype, RT3DPOINT);
    EXPECT_EQ(rb->resval.rpoint[2], 3.0);
    EXPECT_EQ(rb->rbnext, nullptr);
    sds_relrb(list);
}

TEST(Resbuf, BuildListRejectsUnknownCodesAndNullStrings) {
    EXPECT_EQ(sds_buildlist(RTNONE), nullptr);
    // The records built before the fault are freed (AddressSanitizer reports a leak otherwise).
    EXPECT_EQ(sds_buildlist(RTSTR, L"a", 4711, 1, RTNONE), nullptr);
    EXPECT_EQ(sds_buildlist(RTSTR, L"a", RTSTR, static_cast<const wchar_t*>(nullptr), RTNONE),
              nullptr);
}
