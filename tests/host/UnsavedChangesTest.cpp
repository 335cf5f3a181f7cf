// Kestrin host tests: nothing the user has is lost: the question about unsaved changes before
// NEW, CLOSE, QUIT and the end key, the replace question of SAVEAS, and cancelled lines.
#include "Commands/CommandLoop.h"
#include "Commands/HostCommands.h"
#include "HostTestSupport.h"

#include "DbCommandContext.h"
#include "DbLine.h"
#include "HostUi/ScriptedUi.h"

#include <gtest/gtest.h>
#include <winuser.h>

#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

using host_test::QuietCommandLine;
using host_test::StackedCommands;
using host_test::TestCommand;
using KestrinApp::CommandOutcome;
using KestrinApp::CommandSession;
using KestrinApp::InputLine;
using KestrinHost::ScriptAction;
using KestrinHost::ScriptedUi;
using KestrinHost::ShownKind;

namespace {

// Lines given in turn, then the end of input (or the end key, for a terminal).
class GivenLines : public KestrinApp::LineSource {
public:
    explicit GivenLines(std::vector<InputLine> lines, InputLine atEnd = InputLine::End())
        : m_lines(std::move(lines)), m_atEnd(std::move(atEnd)) {}
    InputLine ReadLine(const std::wstring&) override {
        return m_next < m_lines.size() ? m_lines[m_next++] : m_atEnd;
    }
    std::size_t Read() const { return m_next; }

private:
    std::vector<InputLine> m_lines;
    InputLine m_atEnd;
    std::size_t m_next = 0;
};

// A module command that adds one line to the drawing, as an import adds its entities.
class AddingCommand {
public:
    AddingCommand() : m_command(L"AddLine", L"AddLine"), m_stacked{&m_command} {
        m_command.m_body = [](OdEdCommandContext* pContext) {
            OdDbCommandContextPtr pDrawingContext = pContext;
            OdDbBlockTableRecordPtr pModelSpace =
                pDrawingContext->database()->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
            pModelSpace->appendOdDbEntity(OdDbLine::createObject());
        };
    }

private:
    TestCommand m_command;
    StackedCommands m_stacked;
};

struct Fixture {
    QuietCommandLine quiet;
    CommandSession session{&quiet.Line()};
    AddingCommand adding;

    const std::wstring& Shown() { return quiet.Line().TextSinceMark(); }
};

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "kestrin-unsaved-" + std::to_string(::getpid()) + "-" + name;
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::wstring> QuestionsAsked(const ScriptedUi& ui) {
    std::vector<std::wstring> texts;
    for (const KestrinHost::TranscriptEntry& entry :
         ui.GetTranscript().OfKind(ShownKind::MessageBox)) {
        texts.push_back(entry.text);
    }
    return texts;
}

} // namespace

TEST(UnsavedChanges, OnlyAChangedDrawingIsAskedAbout) {
    Fixture f;
    ScriptedUi ui;
    KestrinUi::ScopedUserInterface installed(ui);
    EXPECT_EQ(f.session.Execute(L"NEW"), CommandOutcome::Done);
    EXPECT_EQ(f.session.Execute(L"CLOSE"), CommandOutcome::Done);
    EXPECT_EQ(f.session.Execute(L"NEW"), CommandOutcome::Done);
    EXPECT_EQ(f.session.Execute(L"QUIT"), CommandOutcome::Done);
    EXPECT_TRUE(f.session.QuitRequested());
    EXPECT_TRUE(QuestionsAsked(ui).empty());
}

TEST(UnsavedChanges, CancelKeepsTheDrawingAndNoGoesOn) {
    Fixture f;
    ScriptedUi ui({ScriptAction::Answer(IDCANCEL), ScriptAction::Answer(IDCANCEL),
                   ScriptAction::Answer(IDCANCEL), ScriptAction::Answer(IDNO)});
    KestrinUi::ScopedUserInterface installed(ui);
    ASSERT_EQ(f.session.Execute(L"AddLine"), CommandOutcome::Done);
    OdDbDatabase* pDrawing = f.session.Drawing();
    for (const wchar_t* command : {L"NEW", L"CLOSE", L"QUIT"}) {
        EXPECT_EQ(f.session.Execute(command), CommandOutcome::Failed) << command;
        EXPECT_EQ(f.Shown(), L"*Cancel*\n") << command;
        EXPECT_EQ(f.session.Drawing(), pDrawing) << command;
    }
    EXPECT_FALSE(f.session.QuitRequested());
    EXPECT_EQ(f.session.Execute(L"NEW"), CommandOutcome::Done);
    EXPECT_NE(f.session.Drawing(), pDrawing);
    EXPECT_EQ(QuestionsAsked(ui), std::vector<std::wstring>(4, L"Save changes to Drawing1?"));
    EXPECT_EQ(ui.GetTranscript().Entries().front().type, UINT(MB_YESNOCANCEL | MB_ICONWARNING));
}

TEST(UnsavedChanges, YesSavesUnderTheNameAskedForThenGoesOn) {
    Fixture f;
    const std::string path = TempPath("quit.dxf");
    std::remove(path.c_str());
    ScriptedUi ui({ScriptAction::Answer(IDYES), ScriptAction::Answer(IDYES)});
    KestrinUi::ScopedUserInterface installed(ui);
    GivenLines answers({InputLine::Of(L""), InputLine::Of(Wide(path.substr(0, path.size() - 4)))});
    f.session.SetAnswerSource(&answers);
    ASSERT_EQ(f.session.Execute(L"AddLine"), CommandOutcome::Done);

    // Yes, then no name: nothing is saved and QUIT does not go on.
    EXPECT_EQ(f.session.Execute(L"QUIT"), CommandOutcome::Failed);
    EXPECT_FALSE(f.session.QuitRequested());
    // Yes, then a name: saved (".dxf" added), and the drawing is named after its file.
    EXPECT_EQ(f.session.Execute(L"QUIT"), CommandOutcome::Done);
    EXPECT_TRUE(f.session.QuitRequested());
    EXPECT_NE(FileText(path).find("\nLINE\n"), std::string::npos);
    EXPECT_EQ(f.session.DrawingName(), Wide(path));
    EXPECT_FALSE(f.session.HasUnsavedChanges());
    std::remove(path.c_str());
}

TEST(UnsavedChanges, DrawingsAreNamedInTurnAndAfterTheirFile) {
    Fixture f;
    EXPECT_EQ(f.session.DrawingName(), L"Drawing1");
    ASSERT_EQ(f.session.Execute(L"NEW"), CommandOutcome::Done);
    EXPECT_EQ(f.session.DrawingName(), L"Drawing2");
    const std::string path = TempPath("named.dxf");
    ASSERT_EQ(f.session.Execute(L"AddLine"), CommandOutcome::Done);
    ASSERT_EQ(f.session.Execute(L"SAVEAS " + Wide(path)), CommandOutcome::Done);
    ASSERT_EQ(f.session.Execute(L"AddLine"), CommandOutcome::Done); // changed after the save

    ScriptedUi ui({ScriptAction::Answer(IDCANCEL)});
    KestrinUi::ScopedUserInterface installed(ui);
    EXPECT_EQ(f.session.Execute(L"NEW"), CommandOutcome::Failed);
    EXPECT_EQ(QuestionsAsked(ui),
              std::vector<std::wstring>{L"Save changes to " + Wide(path) + L"?"});
    std::remove(path.c_str());
}

TEST(UnsavedChanges, EndKeyAsksAndCancelGoesBackToThePrompt) {
    Fixture f;
    ScriptedUi ui({ScriptAction::Answer(IDCANCEL), ScriptAction::Answer(IDNO)});
    KestrinUi::ScopedUserInterface installed(ui);
    GivenLines lines({InputLine::Of(L"AddLine"), InputLine::EndKeyPressed(), InputLine::Cancel(),
                      InputLine::Of(L"HELP"), InputLine::EndKeyPressed(), InputLine::Of(L"HELP")});
    EXPECT_EQ(KestrinApp::RunCommandLoop(&f.session, &lines), 0);
    EXPECT_EQ(lines.Read(), 5u); // the second end key, answered No, ended the loop
    EXPECT_EQ(QuestionsAsked(ui).size(), 2u);
}

TEST(UnsavedChanges, InputThatEndsSaysWhatIsNotSaved) {
    Fixture f;
    ScriptedUi ui;
    KestrinUi::ScopedUserInterface installed(ui);
    GivenLines lines({InputLine::Of(L"AddLine")});
    EXPECT_EQ(KestrinApp::RunCommandLoop(&f.session, &lines), 0);
    EXPECT_NE(f.Shown().find(L"The input ended: the changes to Drawing1 are not saved."),
              std::wstring::npos);
    EXPECT_TRUE(QuestionsAsked(ui).empty()); // nobody is left to answer
}

TEST(SaveAs, AsksBeforeReplacingAndNoKeepsTheFile) {
    Fixture f;
    const std::string path = TempPath("existing.dxf");
    const std::string other = TempPath("other.dxf");
    std::remove(other.c_str());
    std::ofstream(path) << "old drawing\n";
    ScriptedUi ui(
        {ScriptAction::Answer(IDNO), ScriptAction::Answer(IDNO), ScriptAction::Answer(IDYES)});
    KestrinUi::ScopedUserInterface installed(ui);
    GivenLines answers({InputLine::Of(L""), InputLine::Of(Wide(other))});
    f.session.SetAnswerSource(&answers);

    // No, then an empty answer: cancelled, the file as it was.
    EXPECT_EQ(f.session.Execute(L"SAVEAS " + Wide(path)), CommandOutcome::Failed);
    EXPECT_EQ(FileText(path), "old drawing\n");
    // No, then another name: saved there.
    EXPECT_EQ(f.session.Execute(L"SAVEAS " + Wide(path)), CommandOutcome::Done);
    EXPECT_EQ(FileText(path), "old drawing\n");
    EXPECT_NE(FileText(other).find("EOF"), std::string::npos);
    // Yes replaces it.
    EXPECT_EQ(f.session.Execute(L"SAVEAS " + Wide(path)), CommandOutcome::Done);
    EXPECT_NE(FileText(path).find("EOF"), std::string::npos);

    const std::vector<std::wstring> asked = QuestionsAsked(ui);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0], Wide(path) + L" already exists. Do you want to replace it?");
    EXPECT_EQ(ui.GetTranscript().Entries().front().type,
              UINT(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2));
    std::remove(path.c_str());
    std::remove(other.c_str());
}

TEST(SaveAs, RefusesOtherFormatsAndWritesNothing) {
    Fixture f;
    const std::string path = TempPath("drawing.dwg");
    EXPECT_EQ(f.session.Execute(L"SAVEAS " + Wide(path)), CommandOutcome::Failed);
    EXPECT_NE(f.Shown().find(L"DXF only"), std::wstring::npos);
    EXPECT_FALSE(std::ifstream(path).good());
    EXPECT_FALSE(std::ifstream(path + ".dxf").good());
}

TEST(CancelledLines, CtrlCAtAQuestionCancelsTheCommandAndAtThePromptOnlyTheLine) {
    Fixture f;
    GivenLines answers({InputLine::Cancel()});
    f.session.SetAnswerSource(&answers);
    EXPECT_EQ(f.session.Execute(L"SAVEAS"), CommandOutcome::Failed);
    EXPECT_EQ(f.Shown(), L"*Cancel*\n");

    GivenLines lines({InputLine::Cancel(), InputLine::Of(L"QUIT"), InputLine::Of(L"HELP")});
    EXPECT_EQ(KestrinApp::RunCommandLoop(&f.session, &lines), 0);
    EXPECT_TRUE(f.session.QuitRequested());
    EXPECT_EQ(lines.Read(), 2u);
}
