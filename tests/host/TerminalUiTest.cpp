// Kestrin host tests: the pieces of the terminal UI: the options dialog laid out from its
// template, keys driving it through its enabling rule, boxes answering keys, and terminal key
// sequences decoded.
#include "DialogCanvas.h"
#include "DialogDriver.h"
#include "DialogLayout.h"
#include "FakeOptionsDialog.h"
#include "FileQuestion.h"
#include "MessageBoxView.h"
#include "TerminalKeys.h"

#include <gtest/gtest.h>

using namespace KestrinTerminalUi;
using host_test::FakeOptionsDialog;

namespace {

// The index of a control in the fake dialog's order, by id, or by text for static ones.
int IndexOf(const std::vector<KestrinUi::ControlState>& controls, int id, const wchar_t* text) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id == id && (!text || controls[i].text == text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

Key Press(KeyKind kind) {
    return {kind};
}

} // namespace

TEST(DialogLayout, OptionsDialogKeepsSideBySideControlsOnOneRowWithoutOverlap) {
    FakeOptionsDialog dialog(0, 0, true);
    const std::vector<KestrinUi::ControlState> controls = dialog.Controls();
    const DialogLayout layout = LayOutDialog(dialog.Template().position, controls);
    auto cell = [&](int id, const wchar_t* text = nullptr) {
        return layout.cells.at(static_cast<std::size_t>(IndexOf(controls, id, text)));
    };
    const CellRect label = cell(IDC_STATIC, L"Import surfaces as");
    const CellRect mesh = cell(8000);
    EXPECT_EQ(label.row, mesh.row);
    EXPECT_LE(label.column + 18, mesh.column); // the whole label fits before the button
    EXPECT_EQ(cell(IDC_STATIC, L"Mesh type").row, cell(200).row);
    EXPECT_EQ(cell(IDOK).row, cell(IDCANCEL).row);
    EXPECT_LT(cell(201).row, cell(8001).row);
    EXPECT_LT(cell(8001).row, cell(IDOK).row);
    EXPECT_GE(layout.width, cell(201).column + 4 + 35); // "[x] " and the check box's label
    EXPECT_GE(layout.unitsPerColumn, kMinDialogUnitsPerColumn);
}

TEST(DialogLayout, TheTooSmallLineFitsAnyWidth) {
    using KestrinTerminalUi::TooSmallLine;
    EXPECT_EQ(TooSmallLine(L"Kestrin Options", 63, 20, 120, 40),
              L"\"Kestrin Options\" needs a 64x21 window (this is 120x40): enlarge it, or Esc");
    EXPECT_EQ(TooSmallLine(L"Kestrin Options", 63, 20, 60, 20),
              L"Needs a 64x21 window (this is 60x20): enlarge it, or Esc");
    EXPECT_EQ(TooSmallLine(L"Kestrin Options", 63, 20, 30, 20), L"Needs 64x21: enlarge, or Esc");
    EXPECT_EQ(TooSmallLine(L"Kestrin Options", 63, 20, 13, 20), L"64x21 needed");
    EXPECT_EQ(TooSmallLine(L"Kestrin Options", 63, 20, 5, 20), L"64x2");
}

TEST(DialogCanvas, DrawsStatesAndTheSelectedEntry) {
    FakeOptionsDialog dialog(1, 2, false);
    const std::vector<KestrinUi::ControlState> controls = dialog.Controls();
    const Canvas canvas = DrawDialog(
        L"Kestrin Options", LayOutDialog(dialog.Template().position, controls), controls, -1);
    std::wstring all;
    for (int row = 0; row < canvas.Height(); ++row) {
        all += canvas.RowText(row) + L"\n";
    }
    EXPECT_NE(all.find(L"Kestrin Options"), std::wstring::npos);
    EXPECT_NE(all.find(L"( ) Mesh"), std::wstring::npos);
    EXPECT_NE(all.find(L"(*) Edge curves"), std::wstring::npos);
    EXPECT_NE(all.find(L"[Lines"), std::wstring::npos);
    EXPECT_NE(all.find(L"[ ] Display polyface mesh limit warning"), std::wstring::npos);
    EXPECT_NE(all.find(L"OK"), std::wstring::npos);
    EXPECT_EQ(all.find(L"&"), std::wstring::npos); // mnemonic markers are not shown
}

TEST(DialogDriver, RadioGroupIsOneTabStopEnteredAtItsSelectedButton) {
    FakeOptionsDialog dialog(1, 0, true); // "Edge curves": list and box greyed out
    DialogDriver driver(&dialog);
    const std::vector<KestrinUi::ControlState> controls = dialog.Controls();
    EXPECT_EQ(driver.Focus(), IndexOf(controls, 8001, nullptr)); // the first stop, as selected
    driver.HandleKey(Press(KeyKind::Tab));
    EXPECT_EQ(driver.Focus(), IndexOf(controls, IDOK, nullptr));
    driver.HandleKey(Press(KeyKind::Tab));
    driver.HandleKey(Press(KeyKind::Tab));
    EXPECT_EQ(driver.Focus(), IndexOf(controls, 8001, nullptr)); // wraps into the group
    driver.HandleKey(Press(KeyKind::BackTab));
    EXPECT_EQ(driver.Focus(), IndexOf(controls, IDCANCEL, nullptr));

    FakeOptionsDialog unselected(7, 0, true); // a stored value no button shows
    DialogDriver first(&unselected);
    EXPECT_EQ(first.Focus(), IndexOf(controls, 8000, nullptr));
}

TEST(DialogDriver, ArrowsMoveTheSelectionWithTheFocusInARadioGroup) {
    FakeOptionsDialog dialog(0, 0, true);
    DialogDriver driver(&dialog);
    driver.HandleKey(Press(KeyKind::Down));
    EXPECT_EQ(dialog.m_surface, 1);
    EXPECT_EQ(dialog.Controls().at(static_cast<std::size_t>(driver.Focus())).id, 8001);
    driver.HandleKey(Press(KeyKind::Right)); // wraps within the group
    EXPECT_EQ(dialog.m_surface, 0);
    driver.HandleKey(Press(KeyKind::Left));
    driver.HandleKey(Press(KeyKind::Up));
    EXPECT_EQ(dialog.m_surface, 0);
    driver.HandleKey(Press(KeyKind::Tab)); // leaves the group for the list
    EXPECT_EQ(dialog.Controls().at(static_cast<std::size_t>(driver.Focus())).id, 200);
}

TEST(DialogDriver, SpaceSelectsAndArrowsChangeTheListThroughTheEnablingRule) {
    FakeOptionsDialog dialog(1, 0, true);
    DialogDriver driver(&dialog);
    driver.HandleKey(Press(KeyKind::Up)); // from "Edge curves" to "Mesh": the list comes alive
    EXPECT_EQ(dialog.m_surface, 0);
    driver.HandleKey(Press(KeyKind::Tab));
    EXPECT_EQ(dialog.Controls().at(static_cast<std::size_t>(driver.Focus())).id, 200);
    driver.HandleKey(Press(KeyKind::Down));
    driver.HandleKey(Press(KeyKind::Down));
    EXPECT_EQ(dialog.m_mesh, 2);
    driver.HandleKey(Press(KeyKind::Up));
    EXPECT_EQ(dialog.m_mesh, 1);
    driver.HandleKey(Press(KeyKind::Up));
    driver.HandleKey(Press(KeyKind::Up)); // stays on the first entry
    EXPECT_EQ(dialog.m_mesh, 0);
    driver.HandleKey(Press(KeyKind::Tab));
    driver.HandleKey(Press(KeyKind::Space));
    EXPECT_FALSE(dialog.m_bWarning);
    driver.HandleKey(Press(KeyKind::Enter)); // on the check box: the default button, OK
    EXPECT_EQ(dialog.Result(), IDOK);
}

TEST(DialogDriver, EnterPressesTheFocusedPushButtonElseTheDefaultOne) {
    FakeOptionsDialog onCancel(0, 0, true);
    DialogDriver driver(&onCancel);
    driver.HandleKey(Press(KeyKind::BackTab)); // Cancel
    driver.HandleKey(Press(KeyKind::Enter));
    EXPECT_EQ(onCancel.Result(), IDCANCEL);

    FakeOptionsDialog onRadio(0, 0, true);
    DialogDriver other(&onRadio);
    other.HandleKey(Press(KeyKind::Enter));
    EXPECT_EQ(onRadio.Result(), IDOK);
}

TEST(DialogDriver, FocusLeavesAControlThatIsGreyedOut) {
    FakeOptionsDialog dialog(0, 0, true);
    DialogDriver driver(&dialog);
    driver.HandleKey(Press(KeyKind::Tab));       // on the list
    driver.HandleKey(Press(KeyKind::Character)); // no mnemonic: nothing
    dialog.Click(8001);                          // the dialog greys the list out under the focus
    driver.HandleKey(Press(KeyKind::Other));
    EXPECT_NE(dialog.Controls().at(static_cast<std::size_t>(driver.Focus())).id, 200);
}

TEST(DialogDriver, MnemonicPressesItsButtonAndEscapeCancels) {
    FakeOptionsDialog pressed(0, 0, true);
    DialogDriver driver(&pressed);
    driver.HandleKey({KeyKind::Character, 'c'});
    EXPECT_EQ(pressed.Result(), IDCANCEL);

    FakeOptionsDialog escaped(0, 0, true);
    DialogDriver other(&escaped);
    other.HandleKey(Press(KeyKind::Escape));
    EXPECT_EQ(escaped.Result(), IDCANCEL);
}

TEST(MessageBoxView, KeysChooseButtons) {
    BoxContent question{L"Kestrin", L"question", L"Go on?", {IDYES, IDNO}, IDNO};
    int focus = 0;
    EXPECT_EQ(AnswerForKey(question, Press(KeyKind::Escape), &focus), IDNO);
    EXPECT_EQ(AnswerForKey(question, Press(KeyKind::Right), &focus), 0);
    EXPECT_EQ(AnswerForKey(question, Press(KeyKind::Enter), &focus), IDNO);
    EXPECT_EQ(AnswerForKey(question, {KeyKind::Character, 'y'}, &focus), IDYES);
    EXPECT_EQ(AnswerForKey(question, Press(KeyKind::Interrupt), &focus), IDNO);

    BoxContent notice{L"Kestrin", L"warning", L"No drawing", {IDOK}, IDOK};
    focus = 0;
    EXPECT_EQ(AnswerForKey(notice, Press(KeyKind::Escape), &focus), IDOK);
    const Canvas canvas = DrawBox(notice, 0, 0);
    EXPECT_NE(canvas.RowText(2).find(L"(warning)"), std::wstring::npos);
    EXPECT_NE(canvas.RowText(3).find(L"No drawing"), std::wstring::npos);
    EXPECT_NE(canvas.RowText(5).find(L"[  OK  ]"), std::wstring::npos);
}

TEST(MessageBoxView, TextBreaksAtBlanksToKeepTheBoxWithinTheTerminal) {
    const std::wstring sentence(L"The mesh has more vertices than a polyface mesh can hold ");
    BoxContent wide{L"Kestrin",
                    L"",
                    sentence + sentence + L"Unbreakable" + std::wstring(90, L'x'),
                    {IDOK},
                    IDOK};
    const Canvas unlimited = DrawBox(wide, 0, 0);
    EXPECT_GT(unlimited.Width(), 200);
    const Canvas fitted = DrawBox(wide, 0, 60);
    EXPECT_EQ(fitted.Width(), 60);
    std::wstring text;
    for (int row = 0; row < fitted.Height(); ++row) {
        const std::wstring& line = fitted.RowText(row);
        EXPECT_EQ(line.front() == L'|', line.back() == L'|') << row; // frames stay whole
        text += line.substr(3, 54);
    }
    EXPECT_NE(text.find(L"polyface mesh can"), std::wstring::npos);   // broken between words
    EXPECT_NE(text.find(std::wstring(54, L'x')), std::wstring::npos); // a long word is cut
    EXPECT_GT(fitted.Height(), 8);
}

TEST(TerminalKeys, DecodesArrowsShiftTabAndALoneEscape) {
    std::size_t used = 0;
    EXPECT_EQ(DecodeKey("\033[A", true, &used).kind, KeyKind::Up);
    EXPECT_EQ(used, 3u);
    EXPECT_EQ(DecodeKey("\033OB", true, &used).kind, KeyKind::Down);
    EXPECT_EQ(DecodeKey("\033[Zrest", true, &used).kind, KeyKind::BackTab);
    EXPECT_EQ(used, 3u);
    DecodeKey("\033", false, &used);
    EXPECT_EQ(used, 0u); // the rest of a sequence may follow
    EXPECT_EQ(DecodeKey("\033", true, &used).kind, KeyKind::Escape);
    EXPECT_EQ(DecodeKey("\033[1;5", false, &used).kind, KeyKind::Other);
    EXPECT_EQ(used, 0u);
    EXPECT_EQ(DecodeKey("\r", true, &used).kind, KeyKind::Enter);
    EXPECT_EQ(DecodeKey("x", true, &used).character, 'x');
}

TEST(FileQuestion, ShowsTheFilterAndMatchesItsPatterns) {
    KestrinUi::FileDialogRequest request{
        nullptr, true, {{L"STEP Files (*.stp, *.step)", {L"*.stp", L"*.step"}}}, L"stp", L"", 0};
    EXPECT_EQ(FileQuestionHeading(request), L"Open file - STEP Files (*.stp, *.step)");
    const std::vector<std::wstring>& patterns = request.filters[0].patterns;
    EXPECT_TRUE(MatchesAnyPattern(patterns, "parts/Bracket.STEP"));
    EXPECT_FALSE(MatchesAnyPattern(patterns, "parts/bracket.dxf"));
    EXPECT_TRUE(MatchesAnyPattern({}, "anything"));
}
