// Kestrin host tests: script lines read as comments, commands and answers, and the answers given
// to what a command shows through the script UI.
#include "Runs/ScriptAnswer.h"
#include "FakeOptionsDialog.h"
#include "HostTestSupport.h"
#include "Runs/ScriptAnswerUi.h"

#include <gtest/gtest.h>

using KestrinApp::ParseScriptLine;
using KestrinApp::ScriptAnswer;
using KestrinApp::ScriptLine;
using KestrinApp::ScriptLineKind;
using KestrinHost::ScriptActionKind;

TEST(ScriptLine, CommentsAndBlankLinesAreSkipped) {
    EXPECT_EQ(ParseScriptLine(L"  ; a comment").kind, ScriptLineKind::Skip);
    EXPECT_EQ(ParseScriptLine(L"   ").kind, ScriptLineKind::Skip);
}

TEST(ScriptLine, ColonAfterTheFirstWordIsPartOfACommand) {
    const ScriptLine line = ParseScriptLine(L"SAVEAS C:/drawings/a.dxf");
    EXPECT_EQ(line.kind, ScriptLineKind::Command);
    EXPECT_EQ(line.text, L"SAVEAS C:/drawings/a.dxf");
}

TEST(ScriptLine, FileAnswersAPathOrCancels) {
    const ScriptLine path = ParseScriptLine(L"File:  parts/a b.step ");
    ASSERT_EQ(path.kind, ScriptLineKind::Answer);
    EXPECT_EQ(path.answers.at(0).action.kind, ScriptActionKind::FilePath);
    EXPECT_EQ(path.answers.at(0).action.text, L"parts/a b.step");
    EXPECT_EQ(ParseScriptLine(L"file: CANCEL").answers.at(0).action.kind,
              ScriptActionKind::FileCancel);
    EXPECT_EQ(ParseScriptLine(L"file: ./cancel").answers.at(0).action.text, L"./cancel");
    EXPECT_EQ(ParseScriptLine(L"file:").kind, ScriptLineKind::Invalid);
}

TEST(ScriptLine, OptionsTakeTheFlagWordsAndOkOrCancel) {
    const ScriptLine line = ParseScriptLine(L"options: surfaces=edges MESH-TYPE=Lines cancel");
    ASSERT_EQ(line.kind, ScriptLineKind::Answer);
    const ScriptAnswer& answer = line.answers.at(0);
    EXPECT_EQ(answer.kind, ScriptAnswer::Kind::Choices);
    EXPECT_EQ(answer.choices.surfaces, KestrinApp::SurfaceChoice::EdgeCurves);
    EXPECT_EQ(answer.choices.meshType, KestrinApp::MeshChoice::Lines);
    EXPECT_FALSE(answer.choices.bWarning.has_value());
    EXPECT_FALSE(answer.bOk);
    EXPECT_TRUE(ParseScriptLine(L"options:").answers.at(0).bOk);
    EXPECT_EQ(ParseScriptLine(L"options: warning=maybe").kind, ScriptLineKind::Invalid);
    EXPECT_EQ(ParseScriptLine(L"options: colour=red").kind, ScriptLineKind::Invalid);
}

TEST(ScriptLine, DialogListsActionsByControlId) {
    const ScriptLine line = ParseScriptLine(L"dialog: click 8001, select 200 3, check 201 off, ok");
    ASSERT_EQ(line.kind, ScriptLineKind::Answer);
    ASSERT_EQ(line.answers.size(), 4u);
    EXPECT_EQ(line.answers[0].action.kind, ScriptActionKind::Click);
    EXPECT_EQ(line.answers[0].action.controlId, 8001);
    EXPECT_EQ(line.answers[1].action.value, 3);
    EXPECT_EQ(line.answers[2].action.kind, ScriptActionKind::SetCheck);
    EXPECT_EQ(line.answers[2].action.value, 0);
    EXPECT_EQ(line.answers[3].action.kind, ScriptActionKind::DialogOk);
    EXPECT_EQ(ParseScriptLine(L"dialog: click").kind, ScriptLineKind::Invalid);
    EXPECT_EQ(ParseScriptLine(L"dialog: select 200 x").kind, ScriptLineKind::Invalid);
    EXPECT_EQ(ParseScriptLine(L"dialog: click 99999999999").kind, ScriptLineKind::Invalid);
}

TEST(ScriptLine, MessageAndAboutAnswers) {
    EXPECT_EQ(ParseScriptLine(L"message: No").answers.at(0).action.value, IDNO);
    EXPECT_EQ(ParseScriptLine(L"message: try AGAIN").answers.at(0).action.value, IDTRYAGAIN);
    EXPECT_EQ(ParseScriptLine(L"message: maybe").kind, ScriptLineKind::Invalid);
    EXPECT_EQ(ParseScriptLine(L"about: ok").answers.at(0).kind, ScriptAnswer::Kind::AboutOk);
    EXPECT_EQ(ParseScriptLine(L"about: cancel").kind, ScriptLineKind::Invalid);
    EXPECT_EQ(ParseScriptLine(L"colour: red").kind, ScriptLineKind::Invalid);
}

namespace {

std::vector<ScriptAnswer> Answers(std::initializer_list<const wchar_t*> lines) {
    std::vector<ScriptAnswer> answers;
    for (const wchar_t* line : lines) {
        for (const ScriptAnswer& answer : ParseScriptLine(line).answers) {
            answers.push_back(answer);
        }
    }
    return answers;
}

KestrinUi::FileDialogRequest OpenRequest() {
    return {nullptr, true, {}, L"stp", L"", 0};
}

KestrinUi::MessageBoxRequest WarningBox() {
    return {nullptr, L"This command needs an active drawing", L"Kestrin", MB_ICONWARNING};
}

} // namespace

TEST(ScriptAnswerUi, AnswersTheFileThenTheOptionsDialogFromItsState) {
    host_test::QuietCommandLine quiet;
    KestrinApp::ScriptAnswerUi ui(&quiet.Line(), KestrinApp::TranscriptEcho::Everything);
    ui.BeginCommand(Answers({L"file: a.step", L"options: mesh-type=faces warning=off"}));
    EXPECT_EQ(ui.ShowFileDialog(OpenRequest()), std::optional<std::wstring>(L"a.step"));
    host_test::FakeOptionsDialog dialog(0, 2, true);
    ui.RunModalDialog(dialog);
    EXPECT_EQ(dialog.Result(), IDOK);
    EXPECT_EQ(dialog.m_mesh, 1);
    EXPECT_FALSE(dialog.m_bWarning);
    EXPECT_TRUE(ui.EndCommand().empty());
    EXPECT_NE(quiet.Line().TextSinceMark().find(L"Open file: a.step"), std::wstring::npos);
}

TEST(ScriptAnswerUi, AnswerThatDoesNotFitWaitsForWhatItFits) {
    host_test::QuietCommandLine quiet;
    KestrinApp::ScriptAnswerUi ui(&quiet.Line(), KestrinApp::TranscriptEcho::Everything);
    ui.BeginCommand(Answers({L"file: a.step"}));
    EXPECT_EQ(ui.ShowMessageBox(WarningBox()), IDOK); // acknowledged, the file answer kept
    EXPECT_EQ(ui.ShowFileDialog(OpenRequest()), std::optional<std::wstring>(L"a.step"));
    EXPECT_TRUE(ui.EndCommand().empty());
}

TEST(ScriptAnswerUi, UnusedAnswersAreReportedOnceAndDoNotReachTheNextCommand) {
    host_test::QuietCommandLine quiet;
    KestrinApp::ScriptAnswerUi ui(&quiet.Line(), KestrinApp::TranscriptEcho::Everything);
    ui.BeginCommand(Answers({L"file: a.step", L"options: mesh-type=lines"}));
    ui.ShowMessageBox(WarningBox()); // the command ends after its message box
    const std::vector<std::wstring> unused = ui.EndCommand();
    ASSERT_EQ(unused.size(), 2u);
    EXPECT_EQ(unused[0], L"file: a.step");
    EXPECT_EQ(unused[1], L"options: mesh-type=lines");

    ui.BeginCommand({});
    EXPECT_FALSE(ui.ShowFileDialog(OpenRequest()).has_value()); // nothing left over: Cancel
    EXPECT_TRUE(ui.EndCommand().empty());
}

TEST(ScriptAnswerUi, DialogWithoutAnswerIsCancelledAndOptionsWaitForTheDialog) {
    host_test::QuietCommandLine quiet;
    KestrinApp::ScriptAnswerUi ui(&quiet.Line(), KestrinApp::TranscriptEcho::Everything);
    ui.BeginCommand(Answers({L"options: surfaces=edges"}));
    EXPECT_FALSE(ui.ShowFileDialog(OpenRequest()).has_value());
    host_test::FakeOptionsDialog dialog(0, 0, true);
    ui.RunModalDialog(dialog); // the options were kept for it
    EXPECT_EQ(dialog.Result(), IDOK);
    EXPECT_EQ(dialog.m_surface, 1);

    ui.BeginCommand({});
    host_test::FakeOptionsDialog unanswered(0, 0, true);
    ui.RunModalDialog(unanswered);
    EXPECT_EQ(unanswered.Result(), IDCANCEL);
}

TEST(ScriptAnswerUi, AboutOkIsTakenByTheAboutBox) {
    host_test::QuietCommandLine quiet;
    KestrinApp::ScriptAnswerUi ui(&quiet.Line(), KestrinApp::TranscriptEcho::MessagesAndNotes);
    ui.BeginCommand(Answers({L"about: ok"}));
    ui.ShowAbout({nullptr, L"Kestrin for Bricscad 10 version 1.0"});
    EXPECT_TRUE(ui.EndCommand().empty());
    // A batch run's boxes are held for the run to show on standard error, not the command line.
    EXPECT_EQ(quiet.Line().TextSinceMark(), L"");
    EXPECT_NE(ui.TakeHeldMessages().find(L"About: Kestrin for Bricscad 10 version 1.0"),
              std::wstring::npos);
    EXPECT_EQ(ui.TakeHeldMessages(), L"");
}

TEST(ScriptAnswerUi, BoxesReadAsCaptionAndTextAndInFullOnlyWhenVerbose) {
    host_test::QuietCommandLine plain;
    KestrinApp::ScriptAnswerUi ui(&plain.Line(), KestrinApp::TranscriptEcho::Everything);
    ui.BeginCommand(Answers({L"message: no"}));
    ui.ShowMessageBox({nullptr, L"Replace it?", L"Kestrin", MB_YESNO});
    ui.ShowMessageBox(WarningBox());
    EXPECT_EQ(plain.Line().TextSinceMark(),
              L"Kestrin: Replace it? -> No\nKestrin: This command needs an active drawing\n");

    host_test::QuietCommandLine verbose;
    KestrinApp::ScriptAnswerUi full(&verbose.Line(), KestrinApp::TranscriptEcho::Everything, true);
    full.BeginCommand({});
    full.ShowMessageBox(WarningBox());
    EXPECT_EQ(verbose.Line().TextSinceMark(),
              L"message box [Kestrin] This command needs an active drawing {warning: OK} -> OK\n");
}
