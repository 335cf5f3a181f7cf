// Kestrin host program: answering the import options dialog ("Kestrin Options") with choices, as
// a user would: by clicking its controls in an order that the dialog's enabling rule allows. The
// mesh type list is usable only with "Mesh" selected and the warning box only with "Mesh" and
// "Polyface Mesh", so a change there may need a detour through those choices; a choice that is
// not asked for ends as the dialog showed it.
#pragma once

#include "Runs/ImportFlags.h"

#include "HostUi/ScriptAction.h"
#include "KestrinUi/DialogSession.h"

#include <vector>

namespace KestrinApp {

// Control ids of the options dialog's template.
constexpr int kMeshRadioId = 8000;       // "Mesh": first button of the "Import surfaces as" group
constexpr int kEdgeCurvesRadioId = 8001; // "Edge curves": second button of that group
constexpr int kMeshTypeComboId = 200;    // "Mesh type" list: entries in MeshChoice order
constexpr int kWarningCheckId = 201;     // "Display polyface mesh limit warning"

/*
Description:
  The actions that bring the dialog from its current state to the choices, then close it.
Parameters:
  controls - [in] the dialog's controls as they are now.
  choices  - [in] what to change; a choice not given keeps the control's current value.
  bOk      - [in] true to end with OK, false with Cancel.
Returns:
  The actions in order, the last being OK or Cancel.
Remarks:
  A stored value the dialog could not show (no surface button or no list entry selected) is
  kept unless a detour is needed to change another control; the detour then leaves "Mesh" or
  "Polyface Mesh" selected, as it would for a user.
*/
std::vector<KestrinHost::ScriptAction>
ActionsForChoices(const std::vector<KestrinUi::ControlState>& controls,
                  const ImportChoices& choices, bool bOk);

} // namespace KestrinApp
