// Kestrin host tests: import flags turned into clicks on the options dialog, through its
// enabling rule: every choice given ends up shown, and every choice not given keeps the stored
// value.
#include "Runs/OptionsDialogAnswer.h"
#include "FakeOptionsDialog.h"

#include <gtest/gtest.h>

using host_test::FakeOptionsDialog;
using KestrinApp::ImportChoices;
using KestrinApp::MeshChoice;
using KestrinApp::SurfaceChoice;

namespace {

// Applies the actions as the scripted UI would: one after the other, refusals counted.
int Apply(FakeOptionsDialog* dialog, const ImportChoices& choices, bool bOk = true) {
    int refused = 0;
    for (const KestrinHost::ScriptAction& action :
         KestrinApp::ActionsForChoices(dialog->Controls(), choices, bOk)) {
        bool bDone = false;
        switch (action.kind) {
        case KestrinHost::ScriptActionKind::SetCheck: {
            const bool bChecked = action.controlId == 201
                                      ? dialog->m_bWarning
                                      : dialog->m_surface == action.controlId - 8000;
            bDone = bChecked == (action.value != 0) || dialog->Click(action.controlId);
            break;
        }
        case KestrinHost::ScriptActionKind::SelectIndex:
            bDone = dialog->SelectComboIndex(action.controlId, action.value);
            break;
        case KestrinHost::ScriptActionKind::DialogOk:
            bDone = dialog->Ok();
            break;
        case KestrinHost::ScriptActionKind::DialogCancel:
            bDone = dialog->Cancel();
            break;
        default:
            break;
        }
        refused += bDone ? 0 : 1;
    }
    return refused;
}

} // namespace

TEST(OptionsDialogAnswer, NoChoicesIsJustOk) {
    FakeOptionsDialog dialog(1, 2, false);
    EXPECT_EQ(Apply(&dialog, {}), 0);
    EXPECT_EQ(dialog.Result(), IDOK);
    EXPECT_EQ(dialog.m_clicks, 0);
    EXPECT_EQ(dialog.m_surface, 1);
    EXPECT_EQ(dialog.m_mesh, 2);
}

TEST(OptionsDialogAnswer, MeshTypeUnderEdgeCurvesDetoursThroughMeshAndKeepsEdgeCurves) {
    FakeOptionsDialog dialog(1, 0, true); // the list is greyed out while "Edge curves" is chosen
    ImportChoices choices;
    choices.meshType = MeshChoice::Lines;
    EXPECT_EQ(Apply(&dialog, choices), 0);
    EXPECT_EQ(dialog.m_mesh, 2);
    EXPECT_EQ(dialog.m_surface, 1);
    EXPECT_TRUE(dialog.m_bWarning);
}

TEST(OptionsDialogAnswer, WarningUnderAnotherMeshTypeDetoursThroughPolyfaceAndKeepsTheType) {
    FakeOptionsDialog dialog(0, 3, true); // the box is greyed out unless "Polyface Mesh"
    ImportChoices choices;
    choices.bWarning = false;
    EXPECT_EQ(Apply(&dialog, choices), 0);
    EXPECT_FALSE(dialog.m_bWarning);
    EXPECT_EQ(dialog.m_mesh, 3);
    EXPECT_EQ(dialog.m_surface, 0);
}

TEST(OptionsDialogAnswer, AllThreeChoicesFromTheFarthestState) {
    FakeOptionsDialog dialog(1, 3, true);
    ImportChoices choices;
    choices.surfaces = SurfaceChoice::EdgeCurves;
    choices.meshType = MeshChoice::Faces3d;
    choices.bWarning = false;
    EXPECT_EQ(Apply(&dialog, choices), 0);
    EXPECT_EQ(dialog.m_surface, 1);
    EXPECT_EQ(dialog.m_mesh, 1);
    EXPECT_FALSE(dialog.m_bWarning);
}

TEST(OptionsDialogAnswer, UnshowableStoredValuesStayUnlessADetourIsNeeded) {
    FakeOptionsDialog untouched(-1, -1, true); // stored 7 and 9: nothing selected
    EXPECT_EQ(Apply(&untouched, {}), 0);
    EXPECT_EQ(untouched.m_surface, -1); // OK hands -1 to the import
    EXPECT_EQ(untouched.m_mesh, -1);

    FakeOptionsDialog detour(-1, -1, true);
    ImportChoices choices;
    choices.meshType = MeshChoice::Points;
    EXPECT_EQ(Apply(&detour, choices), 0);
    EXPECT_EQ(detour.m_mesh, 3);
    EXPECT_EQ(detour.m_surface, 0); // the list can only be changed with "Mesh" chosen
}

TEST(OptionsDialogAnswer, CancelEndsWithCancelAfterTheChoices) {
    FakeOptionsDialog dialog(0, 0, true);
    ImportChoices choices;
    choices.surfaces = SurfaceChoice::EdgeCurves;
    EXPECT_EQ(Apply(&dialog, choices, false), 0);
    EXPECT_EQ(dialog.Result(), IDCANCEL);
}
