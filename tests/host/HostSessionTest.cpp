// Kestrin host tests: running typed lines in a session: lookup of module commands by either
// name, the contexts commands get, failures contained in the session, and the host commands.
#include "Commands/CommandLoop.h"
#include "Commands/HostCommands.h"
#include "HostTestSupport.h"
#include "support/TestFolder.h"

#include "DbCommandContext.h"
#include "DbLine.h"
#include "KestrinHost/HostServices.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

using host_test::QuietCommandLine;
using host_test::StackedCommands;
using host_test::TestCommand;
using KestrinApp::CommandOutcome;
using KestrinApp::CommandSession;

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
    CommandSession session(&quiet.Line());
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
    CommandSession session(&quiet.Line());
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
    CommandSession session(&quiet.Line());
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
    CommandSession session(&quiet.Line());
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
    CommandSession session(&quiet.Line());
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
    CommandSession session(&quiet.Line());
    const std::string stem = TempPath("empty");
    ASSERT_EQ(session.Execute(L"saveas " + std::wstring(stem.begin(), stem.end())),
              CommandOutcome::Done);
    EXPECT_TRUE(std::ifstream(stem + ".dxf").good());
    std::remove((stem + ".dxf").c_str());

    EXPECT_EQ(session.Execute(L"SAVEAS /no/such/folder/a.dxf"), CommandOutcome::Failed);
    EXPECT_TRUE(
        Contains(quiet.Line().TextSinceMark(), L"the folder /no/such/folder does not exist"));
}

TEST(HostSession, SaveAsAsksForTheFileNameWhenNoneIsTyped) {
    QuietCommandLine quiet;
    CommandSession session(&quiet.Line());
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
    CommandSession session(&quiet.Line());
    FixedLines lines({L"Count", L"nonsense", L"QUIT", L"Count"});
    EXPECT_EQ(KestrinApp::RunCommandLoop(&session, &lines), 1);
    EXPECT_EQ(command.m_nRuns, 1);
    EXPECT_TRUE(session.QuitRequested());
}

TEST(HostSession, EmptyLineRepeatsTheLastCommandThatRanByItsNameOnly) {
    TestCommand command(L"Count", L"Count");
    StackedCommands stacked{&command};
    QuietCommandLine quiet;
    CommandSession session(&quiet.Line());
    // Nothing to repeat at first; an unknown name is not remembered; the argument is not kept.
    FixedLines lines({L"", L"count extra", L"", L"nonsense", L"  ", L"QUIT", L""});
    EXPECT_EQ(KestrinApp::RunCommandLoop(&session, &lines), 1);
    EXPECT_EQ(command.m_nRuns, 3);
}

TEST(HostSession, HelpListsEveryCommandWithOneLineOfWhatItDoes) {
    TestCommand command(L"Kestrin", L"Importer");
    StackedCommands stacked{&command};
    QuietCommandLine quiet;
    CommandSession session(&quiet.Line());
    ASSERT_EQ(session.Execute(L"HELP"), CommandOutcome::Done);
    const std::wstring& text = quiet.Line().TextSinceMark();
    EXPECT_TRUE(Contains(text, L"  SAVEAS          Saves the drawing as a DXF file\n"));
    EXPECT_TRUE(Contains(text, L"  MENULOAD        Loads a menu file\n"));
    // No menu item runs it: the line names its group.
    EXPECT_TRUE(Contains(
        text, L"Host Test Commands:\n  Kestrin (Importer) Kestrin of Host Test Commands\n"));
}

TEST(HostSession, HelpNameTellsAboutOneCommandByEitherNameOrSaysThereIsNone) {
    TestCommand command(L"Kestrin", L"Importer");
    StackedCommands stacked{&command};
    QuietCommandLine quiet;
    CommandSession session(&quiet.Line());
    ASSERT_EQ(session.Execute(L"HELP ._importer"), CommandOutcome::Done);
    EXPECT_EQ(quiet.Line().TextSinceMark(),
              L"Kestrin (Importer): Kestrin of Host Test Commands.\n  Group: Host Test Commands\n");
    ASSERT_EQ(session.Execute(L"help menu"), CommandOutcome::Done);
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(), L"  Type: MENU "));
    EXPECT_EQ(session.Execute(L"HELP Kestri"), CommandOutcome::Failed);
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(), L"Unknown command \"Kestri\""));
}

TEST(HostSession, MenuRunsTheItemPickedByItsNumberAndRefusesOthers) {
    TestCommand command(L"Count", L"Count");
    StackedCommands stacked{&command};
    KestrinHost::PullDownMenu menu;
    menu.section = L"POP1";
    menu.title.label = L"&Tools";
    menu.items = {{L"", L"&Count", L"^C^CCount"}, {L"", L"--", L""}, {L"", L"&Nothing", L"^C^C"}};
    KestrinHost::Host().Bar().Insert(1, {L"Test", menu});
    QuietCommandLine quiet;
    CommandSession session(&quiet.Line());
    FixedLines answers({L"", L"1"});
    session.SetAnswerSource(&answers);
    EXPECT_EQ(session.Execute(L"MENU"), CommandOutcome::Done); // an empty answer picks none
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(), L"    1.  Count"));
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(), L"    2.  Nothing"));
    EXPECT_EQ(command.m_nRuns, 0);
    EXPECT_EQ(session.Execute(L"MENU"), CommandOutcome::Done); // lists, asks: 1
    EXPECT_EQ(command.m_nRuns, 1);
    EXPECT_EQ(session.Execute(L"MENU 2"), CommandOutcome::Done); // the separator has no number
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(), L"runs nothing"));
    EXPECT_EQ(session.Execute(L"MENU 3"), CommandOutcome::Failed);
    EXPECT_EQ(session.Execute(L"MENU -1"), CommandOutcome::Failed);
    EXPECT_EQ(command.m_nRuns, 1);
    KestrinHost::Host().Bar().Clear();
}

TEST(HostSession, MenuLoadAsksForTheFileAndExpandsTheHomeFolder) {
    const KestrinTest::TestFolder folder;
    const std::string& home = folder.Path();
    std::ofstream(home + "/extra.mnu")
        << "***MENUGROUP=HomeTest\n***POP1\n[&Home]\n[&New]^C^CNEW\n";
    const KestrinTest::ScopedEnvironment homeVariable("HOME", home);
    QuietCommandLine quiet;
    CommandSession session(&quiet.Line());
    EXPECT_EQ(session.Execute(L"MENULOAD"), CommandOutcome::Failed); // nobody to ask
    FixedLines answers({L"~/extra.mnu"});
    session.SetAnswerSource(&answers);
    EXPECT_EQ(session.Execute(L"MENULOAD"), CommandOutcome::Done);
    EXPECT_NE(KestrinHost::Host().Menus().Find(L"HomeTest"), nullptr);
    EXPECT_EQ(session.Execute(L"MENULOAD ~/missing.mnu"), CommandOutcome::Failed);
    EXPECT_TRUE(Contains(quiet.Line().TextSinceMark(),
                         std::wstring(home.begin(), home.end()) + L"/missing.mnu"));
}
