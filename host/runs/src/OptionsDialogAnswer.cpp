// Kestrin host program: the options dialog's choices turned into clicks.
#include "Runs/OptionsDialogAnswer.h"

namespace KestrinApp {

namespace {

using KestrinHost::ScriptAction;

const KestrinUi::ControlState* Find(const std::vector<KestrinUi::ControlState>& controls, int id) {
    for (const KestrinUi::ControlState& control : controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

bool IsChecked(const std::vector<KestrinUi::ControlState>& controls, int id) {
    const KestrinUi::ControlState* control = Find(controls, id);
    return control && control->bChecked;
}

} // namespace

std::vector<ScriptAction> ActionsForChoices(const std::vector<KestrinUi::ControlState>& controls,
                                            const ImportChoices& choices, bool bOk) {
    constexpr int kNone = -1; // no button or no entry selected
    int surface = IsChecked(controls, kMeshRadioId) ? static_cast<int>(SurfaceChoice::Mesh)
                  : IsChecked(controls, kEdgeCurvesRadioId)
                      ? static_cast<int>(SurfaceChoice::EdgeCurves)
                      : kNone;
    const KestrinUi::ControlState* combo = Find(controls, kMeshTypeComboId);
    int mesh = combo ? combo->selectedIndex : kNone;
    const bool bWarning = IsChecked(controls, kWarningCheckId);

    const int wantedSurface = choices.surfaces ? static_cast<int>(*choices.surfaces) : surface;
    const int wantedMesh = choices.meshType ? static_cast<int>(*choices.meshType) : mesh;
    const bool bWantedWarning = choices.bWarning.value_or(bWarning);
    const int mesh0 = static_cast<int>(MeshChoice::PolyfaceMesh);
    const int surface0 = static_cast<int>(SurfaceChoice::Mesh);

    std::vector<ScriptAction> actions;
    if ((wantedMesh != mesh || bWantedWarning != bWarning) && surface != surface0) {
        actions.push_back(ScriptAction::SetCheck(kMeshRadioId, true)); // enables the list
        surface = surface0;
    }
    if (bWantedWarning != bWarning) {
        if (mesh != mesh0) {
            actions.push_back(
                ScriptAction::SelectIndex(kMeshTypeComboId, mesh0)); // enables the box
            mesh = mesh0;
        }
        actions.push_back(ScriptAction::SetCheck(kWarningCheckId, bWantedWarning));
    }
    if (wantedMesh != mesh && wantedMesh != kNone) {
        actions.push_back(ScriptAction::SelectIndex(kMeshTypeComboId, wantedMesh));
    }
    if (wantedSurface != surface && wantedSurface != kNone) {
        actions.push_back(ScriptAction::SetCheck(
            wantedSurface == surface0 ? kMeshRadioId : kEdgeCurvesRadioId, true));
    }
    actions.push_back(bOk ? ScriptAction::Ok() : ScriptAction::Cancel());
    return actions;
}

} // namespace KestrinApp
