// Tests of the host's system variables and of reading them with sds_getvar.
#include "KestrinHost/HostServices.h"
#include "SdsTestSupport.h"
#include "sds.h"

#include <gtest/gtest.h>

using KestrinHost::Host;
using KestrinHost::HostValue;
using KestrinHost::SystemVariables;

namespace {

class GetVar : public SdsTest::FreshHost {};

} // namespace

TEST_F(GetVar, ReadsTheDefaultVersionNumberAsAString) {
    sds_resbuf* rb = sds_newrb(RTSTR);
    ASSERT_EQ(sds_getvar(L"_VERNUM", rb), RTNORM);
    EXPECT_EQ(rb->restype, RTSTR);
    EXPECT_STREQ(rb->resval.rstring, SystemVariables::DefaultVersionNumber);
    sds_relrb(rb);
}

TEST_F(GetVar, FollowsEveryChangeTheHostMakes) {
    sds_resbuf* rb = sds_newrb(RTSTR);
    for (const wchar_t* version : {L"8", L"9.0", L"10.2.5", L"", L"abc"}) {
        Host().Variables().Set(L"_VERNUM", std::wstring(version));
        ASSERT_EQ(sds_getvar(L"_vernum", rb), RTNORM); // names are case-insensitive
        EXPECT_STREQ(rb->resval.rstring, version);     // the string read before is freed
    }
    sds_relrb(rb);
}

TEST_F(GetVar, TheVariablesOwnTypeDecidesTheBuffersType) {
    Host().Variables().Set(L"LUNITS", short{2});
    Host().Variables().Set(L"VIEWSIZE", 12.5);
    sds_resbuf* rb = sds_newrb(RTSTR);
    rb->resval.rstring = static_cast<wchar_t*>(std::malloc(sizeof(wchar_t)));
    rb->resval.rstring[0] = L'\0';
    ASSERT_EQ(sds_getvar(L"LUNITS", rb), RTNORM); // frees the string the buffer held
    EXPECT_EQ(rb->restype, RTSHORT);
    EXPECT_EQ(rb->resval.rint, 2);
    ASSERT_EQ(sds_getvar(L"VIEWSIZE", rb), RTNORM);
    EXPECT_EQ(rb->restype, RTREAL);
    EXPECT_EQ(rb->resval.rreal, 12.5);
    sds_relrb(rb);
}

TEST_F(GetVar, FailsAndLeavesTheBufferForUnknownOrUnreadableVariables) {
    sds_resbuf* rb = sds_newrb(RTSTR);
    EXPECT_EQ(sds_getvar(L"NOSUCHVAR", rb), RTERROR);
    ASSERT_TRUE(Host().Variables().SetReadable(L"_VERNUM", false));
    EXPECT_EQ(sds_getvar(L"_VERNUM", rb), RTERROR);
    EXPECT_EQ(rb->restype, RTSTR);
    EXPECT_EQ(rb->resval.rstring, nullptr);
    EXPECT_EQ(sds_getvar(nullptr, rb), RTREJ);
    EXPECT_EQ(sds_getvar(L"_VERNUM", nullptr), RTREJ);
    sds_relrb(rb);

    // Set keeps the flag; readable again, the new value shows.
    Host().Variables().Set(L"_VERNUM", std::wstring(L"9"));
    EXPECT_FALSE(Host().Variables().Get(L"_VERNUM").has_value());
    Host().Variables().SetReadable(L"_VERNUM", true);
    EXPECT_EQ(std::get<std::wstring>(*Host().Variables().Get(L"_VERNUM")), L"9");
}

TEST(SystemVariablesText, TextIsReadAsTheExistingVariablesType) {
    SystemVariables variables;
    variables.Set(L"LUNITS", short{2});
    variables.Set(L"VIEWCTR", KestrinHost::HostPoint{0, 0, 0});
    EXPECT_TRUE(variables.SetFromText(L"_VERNUM", L"10.1"));
    EXPECT_TRUE(variables.SetFromText(L"LUNITS", L" 4 "));
    EXPECT_FALSE(variables.SetFromText(L"LUNITS", L"4.5"));
    EXPECT_FALSE(variables.SetFromText(L"LUNITS", L"40000")); // beyond a 16-bit integer
    EXPECT_TRUE(variables.SetFromText(L"VIEWCTR", L"1,2.5,-3"));
    EXPECT_FALSE(variables.SetFromText(L"VIEWCTR", L"1,2"));
    EXPECT_TRUE(variables.SetFromText(L"NEWVAR", L"text")); // a new variable is a string
    EXPECT_FALSE(variables.SetFromText(L"", L"x"));

    EXPECT_EQ(std::get<std::wstring>(*variables.Get(L"_VERNUM")), L"10.1");
    EXPECT_EQ(std::get<short>(*variables.Get(L"lunits")), 4);
    const auto centre = std::get<KestrinHost::HostPoint>(*variables.Get(L"VIEWCTR"));
    EXPECT_EQ(centre[1], 2.5);
    EXPECT_EQ(std::get<std::wstring>(*variables.Get(L"NEWVAR")), L"text");
}

TEST(SystemVariablesText, NamesKeepTheirFirstSpelling) {
    SystemVariables variables;
    variables.Set(L"MyVar", 1.0);
    variables.Set(L"MYVAR", 2.0);
    EXPECT_EQ(variables.Names(), (std::vector<std::wstring>{L"MyVar", L"_VERNUM"}));
    EXPECT_TRUE(variables.Remove(L"myvar"));
    EXPECT_FALSE(variables.Contains(L"MyVar"));
    EXPECT_FALSE(variables.SetReadable(L"MyVar", false));
}
