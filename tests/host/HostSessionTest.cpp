// Kestrin host tests: running typed lines in a session: lookup of module commands by either
// name, the contexts commands get, failures contained in the session, and the host commands.
#include "app/HostSession.h"
#include "HostTestSupport.h"

#include "DbCommandContext.h"
#include "DbLine.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

using KestrinApp::CommandOutcome;
using KestrinApp::HostSession;
using host_test::QuietCommandLine;
using host_test::StackedCommands;
using host_test::TestCommand;

namespace {

// A line source over fixed lines, for commands that ask and for the command loop.
class FixedLines : public KestrinApp::LineSource {
public:
    explicit FixedLines(std::vector<std::wstring> lines) : m_lines(std::move(lines)) {}
    KestrinApp::InputLine ReadLine(const std::wstring&) override {
        if (m_next == m_lines.size()) {
            return KestrinApp::InputLine::End();
        }
        return KestrinApp::InputLine::Of(m_lines[m_next++]);
    }

private:
    std::vector<std::wstring> m_lines;
    std::size_t m_next = 0;
};

bool Contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "kestrin-host-" + std::to_string(::getpid()) + "-" + name;
}

} // namespace

TEST(HostSession, FindsModuleCommandsByEitherNameIgnoringCaseAndPrefixes) {
    TestCommand command(L"Kestrin", L"Importer");
    StackedCommands stacked{&command};
    QuietCommandLine quiet;
    HostSession session(&quiet.Line());
    EXPECT_EQ(session.Execute(L"kestrin"), CommandOutcome::Done);
    EXPECT_EQ(session.Execute(L"_KESTRIN"), CommandOutcome::Done);
    EXPECT_EQ(session.Execute(L"._importer"), CommandOutcome::Done);
    EXPECT_EQ(command.m_nRuns, 3);
    EXPECT_EQ(session.Execute(L"Kestri"), CommandOutcome::Unknown);
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(), L"Unknown command \"Kestri\""));
}

TEST(HostSession, CommandGetsDrawingContextOverTheCurrentDrawingAndItsCommandLine) {
    TestCommand command(L"Probe", L"Probe");
    OdDbDatabase* pSeen = nullptr;
    command.m_body = [&pSeen](OdEdCommandContext* pContext) {
        OdDbCommandContextPtr pDrawingContext = pContext;
        pSeen = pDrawingContext->database();
        pDrawingContext->dbUserIO()->putString(L"probed");
    };
    StackedCommands stacked{&command};
    QuietCommandLine quiet;
    HostSession session(&quiet.Line());
    ASSERT_EQ(session.Execute(L"Probe"), CommandOutcome::Done);
    EXPECT_EQ(pSeen, session.Drawing());
    EXPECT_EQ(quiet.Line().TextSinceMark(), L"probed\n"); // the host ends the command's line
}

TEST(HostSession, WithoutDrawingACommandGetsNoContext) {
    TestCommand command(L"Probe", L"Probe");
    bool bHadContext = true;
    command.m_body = [&bHadContext](OdEdCommandContext* pContext) { bHadContext = pContext; };
    StackedCommands stacked{&command};
    QuietCommandLine quiet;
    HostSession session(&quiet.Line());
    ASSERT_EQ(session.Execute(L"CLOSE"), CommandOutcome::Done);
    EXPECT_EQ(session.Drawing(), nullptr);
    EXPECT_EQ(session.Execute(L"Probe"), CommandOutcome::Done);
    EXPECT_FALSE(bHadContext);
    EXPECT_EQ(session.Execute(L"NEW"), CommandOutcome::Done);
    EXPECT_EQ(session.Execute(L"Probe"), CommandOutcome::Done);
    EXPECT_TRUE(bHadContext);
}

TEST(HostSession, FailedClassTestingCastInACommandIsReported) {
    TestCommand command(L"Probe", L"Probe");
    command.m_body = [](OdEdCommandContext* pContext) {
        OdDbCommandContextPtr pDrawingContext = pContext;
        OdDbDatabasePtr pNotADatabase(pDrawingContext->dbUserIO().get()); // the wrong class
    };
    StackedCommands stacked{&command};
    QuietCommandLine quiet;
    HostSession session(&quiet.Line());
    EXPECT_EQ(session.Execute(L"Probe"), CommandOutcome::Failed);
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(), L"Error in Probe: "));
    EXPECT_EQ(session.Execute(L"Probe"), CommandOutcome::Failed); // and the session goes on
}

TEST(HostSession, ExceptionLeavingACommandIsReportedAndTheDrawingKept) {
    TestCommand toolkitFailure(L"FailOd", L"FailOd");
    toolkitFailure.m_body = [](OdEdCommandContext* pContext) {
        OdDbCommandContextPtr pDrawingContext = pContext;
        OdDbLinePtr pLine = OdDbLine::createObject();
        OdDbBlockTableRecordPtr pModelSpace =
            pDrawingContext->database()->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
        pModelSpace->appendOdDbEntity(pLine);
        throw OdError(eInvalidInput);
    };
    TestCommand stdFailure(L"FailStd", L"FailStd");
    stdFailure.m_body = [](OdEdCommandContext*) { throw std::runtime_error("disk on fire"); };
    TestCommand otherFailure(L"FailInt", L"FailInt");
    otherFailure.m_body = [](OdEdCommandContext*) { throw 42; };
    StackedCommands stacked{&toolkitFailure, &stdFailure, &otherFailure};
    QuietCommandLine quiet;
    HostSession session(&quiet.Line());
    OdDbDatabase* pDrawing = session.Drawing();

    EXPECT_EQ(session.Execute(L"FailOd"), CommandOutcome::Failed);
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(),
                         L"Error in FailOd: " +
                             std::wstring(OdError(eInvalidInput).description().c_str())));
    EXPECT_EQ(session.Execute(L"FailStd"), CommandOutcome::Failed);
    EXPECT_EQ(quiet.Line().TextSinceMark(), L"Error in FailStd: disk on fire\n");
    EXPECT_EQ(session.Execute(L"FailInt"), CommandOutcome::Failed);
    EXPECT_EQ(session.Drawing(), pDrawing);
    // What the failed command appended before it threw stays in the drawing, which saves.
    const std::string path = TempPath("kept.dxf");
    ASSERT_EQ(session.Execute(L"SAVEAS " + std::wstring(path.begin(), path.end())),
              CommandOutcome::Done);
    std::ifstream saved(path);
    std::stringstream text;
    text << saved.rdbuf();
    EXPECT_NE(text.str().find("\nLINE\n"), std::string::npos);
    std::remove(path.c_str());
}

TEST(HostSession, SaveAsAddsTheExtensionAndReportsWhyASaveFailed) {
    QuietCommandLine quiet;
    HostSession session(&quiet.Line());
    const std::string stem = TempPath("empty");
    ASSERT_EQ(session.Execute(L"saveas " + std::wstring(stem.begin(), stem.end())),
              CommandOutcome::Done);
    EXPECT_TRUE(std::ifstream(stem + ".dxf").good());
    std::remove((stem + ".dxf").c_str());

    EXPECT_EQ(session.Execute(L"SAVEAS /no/such/folder/a.dxf"), CommandOutcome::Failed);
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(), L"SAVEAS failed: "));
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(), L"/no/such/folder/a.dxf"));
}

TEST(HostSession, SaveAsAsksForTheFileNameWhenNoneIsTyped) {
    QuietCommandLine quiet;
    HostSession session(&quiet.Line());
    EXPECT_EQ(session.Execute(L"SAVEAS"), CommandOutcome::Failed); // nobody to ask
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(), L"no file name"));

    const std::string path = TempPath("asked.dxf");
    FixedLines answers({std::wstring(path.begin(), path.end())});
    session.SetAnswerSource(&answers);
    EXPECT_EQ(session.Execute(L"SAVEAS"), CommandOutcome::Done);
    EXPECT_TRUE(std::ifstream(path).good());
    std::remove(path.c_str());
}

TEST(HostSession, CommandLoopStopsAtQuitAndCountsFailures) {
    TestCommand command(L"Count", L"Count");
    StackedCommands stacked{&command};
    QuietCommandLine quiet;
    HostSession session(&quiet.Line());
    FixedLines lines({L"Count", L"", L"nonsense", L"QUIT", L"Count"});
    EXPECT_EQ(KestrinApp::RunCommandLoop(&session, &lines), 1);
    EXPECT_EQ(command.m_nRuns, 1);
    EXPECT_TRUE(session.QuitRequested());
}

TEST(HostSession, HelpListsHostCommandsAndModuleCommandsByGroup) {
    TestCommand command(L"Kestrin", L"Importer");
    StackedCommands stacked{&command};
    QuietCommandLine quiet;
    HostSession session(&quiet.Line());
    ASSERT_EQ(session.Execute(L"HELP"), CommandOutcome::Done);
    const std::wstring& text = quiet.Line().TextSinceMark();
    EXPECT_TRUE(Contains(text, L"SAVEAS"));
    EXPECT_TRUE(Contains(text, L"MENULOAD"));
    EXPECT_TRUE(Contains(text, L"Host Test Commands:\n  Kestrin (Importer)\n"));
}
