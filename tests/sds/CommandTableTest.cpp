// Tests of the host's command table and of running commands with sds_command and sds_cmd.
#include "KestrinHost/HostServices.h"
#include "SdsTestSupport.h"
#include "sds.h"

#include <gtest/gtest.h>

#include <stdexcept>

using KestrinHost::CommandTable;
using KestrinHost::Host;
using KestrinHost::HostValue;

namespace {

class Command : public SdsTest::FreshHost {
protected:
    // Registers a command that records its answers and returns result.
    void RegisterRecorder(const std::wstring& name, int result = RTNORM) {
        Host().Commands().Register(name, [this, result](const std::vector<HostValue>& answers) {
            ++m_calls;
            m_answers = answers;
            return result;
        });
    }
    int m_calls = 0;
    std::vector<HostValue> m_answers;
};

} // namespace

TEST(CommandNames, PrefixesAreDroppedAndCaseIgnored) {
    EXPECT_EQ(CommandTable::GlobalName(L"_menuload"), L"MENULOAD");
    EXPECT_EQ(CommandTable::GlobalName(L"._Line"), L"LINE");
    EXPECT_EQ(CommandTable::GlobalName(L"_.line"), L"LINE");
    EXPECT_EQ(CommandTable::GlobalName(L"  Kestrin "), L"KESTRIN");
    EXPECT_EQ(CommandTable::GlobalName(L"_."), L"");
}

TEST_F(Command, RunsTheRegisteredCommandWithItsAnswers) {
    RegisterRecorder(L"Zoom");
    EXPECT_EQ(sds_command(RTSTR, L"._zoom", RTSTR, L"_extents", RTREAL, 2.0, RTNONE), RTNORM);
    ASSERT_EQ(m_calls, 1);
    ASSERT_EQ(m_answers.size(), 2u);
    EXPECT_EQ(std::get<std::wstring>(m_answers[0]), L"_extents");
    EXPECT_EQ(std::get<double>(m_answers[1]), 2.0);
}

TEST_F(Command, ListFormRunsTheSameCommand) {
    RegisterRecorder(L"ZOOM");
    sds_resbuf* list = sds_buildlist(RTSTR, L"ZOOM", RTSHORT, 3, RTNONE);
    EXPECT_EQ(sds_cmd(list), RTNORM);
    sds_relrb(list);
    ASSERT_EQ(m_answers.size(), 1u);
    EXPECT_EQ(std::get<short>(m_answers[0]), 3);
    EXPECT_EQ(sds_cmd(nullptr), RTNORM);
}

TEST_F(Command, PassesTheCommandsFailureOn) {
    RegisterRecorder(L"REFUSE", RTCAN);
    EXPECT_EQ(sds_command(RTSTR, L"refuse", RTNONE), RTCAN);
}

TEST_F(Command, UnknownOrMalformedCallsRunNothing) {
    RegisterRecorder(L"ZOOM");
    EXPECT_EQ(sds_command(RTSTR, L"NOSUCHCOMMAND", RTNONE), RTERROR);
    EXPECT_EQ(sds_command(RTREAL, 1.0, RTNONE), RTREJ);             // no command name first
    EXPECT_EQ(sds_command(RTSTR, L"ZOOM", 4711, 0, RTNONE), RTREJ); // unknown type code
    EXPECT_EQ(sds_command(RTNONE), RTNORM);                         // an empty list
    EXPECT_EQ(m_calls, 0);
}

TEST_F(Command, AnExceptionInACommandBecomesAnError) {
    Host().Commands().Register(L"THROWS", [](const std::vector<HostValue>&) -> int {
        throw std::runtime_error("fault inside the command");
    });
    EXPECT_EQ(sds_command(RTSTR, L"THROWS", RTNONE), RTERROR);
}

TEST_F(Command, ACommandMayRemoveItselfWhileItRuns) {
    Host().Commands().Register(L"ONCE", [](const std::vector<HostValue>&) {
        Host().Commands().Unregister(L"ONCE");
        return RTNORM;
    });
    EXPECT_EQ(sds_command(RTSTR, L"ONCE", RTNONE), RTNORM);
    EXPECT_EQ(sds_command(RTSTR, L"ONCE", RTNONE), RTERROR);
}

TEST_F(Command, RegistrationNeedsANameAndAHandler) {
    CommandTable& commands = Host().Commands();
    EXPECT_FALSE(commands.Register(L"_", [](const std::vector<HostValue>&) { return RTNORM; }));
    EXPECT_FALSE(commands.Register(L"EMPTY", nullptr));
    EXPECT_TRUE(commands.Contains(L"_MENULOAD")); // the built-in command
    EXPECT_EQ(commands.Names(), std::vector<std::wstring>{L"MENULOAD"});
}
