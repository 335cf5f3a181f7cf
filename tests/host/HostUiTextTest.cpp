// Kestrin host tests: texts as users read them: a dialog's settings in a script's output (labels
// found beside lists by position), typed file names with "~", and menu macros as command lines.
#include "Commands/MenuListing.h"
#include "HostUi/ControlText.h"
#include "HostUi/FileNames.h"
#include "HostUi/Transcript.h"
#include "support/TestFolder.h"
#include "winuser.h"

#include <gtest/gtest.h>

using KestrinUi::ControlKind;
using KestrinUi::ControlState;

namespace {

ControlState Control(ControlKind kind, std::wstring text, KestrinUi::DialogRect position) {
    return {100, kind, 0, std::move(text), position, true, false, -1, {}};
}

// The options dialog's controls as the template places them, Edge curves chosen, list greyed.
std::vector<ControlState> OptionsControls() {
    ControlState mesh = Control(ControlKind::RadioButton, L"Mesh", {71, 7, 33, 10});
    ControlState edges = Control(ControlKind::RadioButton, L"&Edge curves", {70, 55, 56, 10});
    edges.bChecked = true;
    ControlState list = Control(ControlKind::DropDownList, L"", {123, 20, 68, 93});
    list.entries = {L"Polyface Mesh", L"3D Faces"};
    list.selectedIndex = 1;
    list.bEnabled = false;
    ControlState far = Control(ControlKind::StaticText, L"Far away", {0, 22, 20, 8});
    return {mesh,
            edges,
            list,
            Control(ControlKind::DefaultPushButton, L"&OK", {54, 84, 50, 14}),
            far,
            Control(ControlKind::StaticText, L"Mesh &type", {84, 22, 34, 8}),
            Control(ControlKind::StaticText, L"Import surfaces as", {7, 7, 58, 8})};
}

} // namespace

TEST(HostUiText, ListLabelIsTheNearestStaticTextBesideItOnItsLine) {
    const std::vector<ControlState> controls = OptionsControls();
    EXPECT_EQ(KestrinHost::LabelOf(controls, 2), L"Mesh type");
    EXPECT_EQ(KestrinHost::LabelOf(controls, 1), L""); // nothing stands left of it on its line
    EXPECT_EQ(KestrinHost::DisplayText(L"A&&B &Cancel&"), L"A&B Cancel");
}

TEST(HostUiText, DialogReadsAsCaptionAnswerAndTheSettingsAUserMakes) {
    KestrinHost::Transcript transcript;
    KestrinHost::TranscriptEntry entry{KestrinHost::ShownKind::Dialog};
    entry.caption = L"Kestrin Options";
    entry.controlsAtClose = OptionsControls();
    entry.result = IDOK;
    transcript.Add(entry);
    entry.controlsAtClose[2].selectedIndex = -1;
    entry.result = IDCANCEL;
    transcript.Add(entry);
    EXPECT_EQ(transcript.DescribeForReader(), L"Kestrin Options -> OK\n"
                                              L"    ( ) Mesh\n"
                                              L"    (*) Edge curves\n"
                                              L"    Mesh type: 3D Faces (greyed out)\n"
                                              L"Kestrin Options -> Cancel\n"
                                              L"    ( ) Mesh\n"
                                              L"    (*) Edge curves\n"
                                              L"    Mesh type: (nothing selected) (greyed out)\n");
}

TEST(HostUiText, TypedFileNamesLoseOnePairOfQuotesAndTildeIsTheHomeFolderAtTheStart) {
    const KestrinTest::ScopedEnvironment home("HOME", "/home/pat");
    EXPECT_EQ(KestrinHost::TypedFileName(L"~"), L"/home/pat");
    EXPECT_EQ(KestrinHost::TypedFileName(L"~/parts/a.step"), L"/home/pat/parts/a.step");
    EXPECT_EQ(KestrinHost::TypedFileName(L"~pat/a.step"), L"~pat/a.step");
    EXPECT_EQ(KestrinHost::TypedFileName(L"parts/~/a.step"), L"parts/~/a.step");
    EXPECT_EQ(KestrinHost::TypedFileName(L""), L"");
    EXPECT_EQ(KestrinHost::TypedFileName(L"\"/tmp/my part.step\""), L"/tmp/my part.step");
    EXPECT_EQ(KestrinHost::TypedFileName(L"'a.step'"), L"a.step");
    EXPECT_EQ(KestrinHost::TypedFileName(L"\"\"a\"\""), L"\"a\"");
    EXPECT_EQ(KestrinHost::TypedFileName(L"\"a.step'"), L"\"a.step'");
    EXPECT_EQ(KestrinHost::TypedFileName(L"\""), L"\"");
    EXPECT_EQ(KestrinHost::TypedFileName(L"\"~/a\""), L"~/a");
}

TEST(HostUiText, MacroCommandLineDropsLeadingCancelsOnly) {
    EXPECT_EQ(KestrinApp::MacroCommandLine(L"^C^CKestrin"), L"Kestrin");
    EXPECT_EQ(KestrinApp::MacroCommandLine(L" ^C ^C SAVEAS a^C.dxf "), L"SAVEAS a^C.dxf");
    EXPECT_EQ(KestrinApp::MacroCommandLine(L"^C^C"), L"");
    EXPECT_EQ(KestrinApp::MacroCommandLine(L""), L"");
}
