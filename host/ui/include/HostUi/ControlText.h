// Kestrin host: how a dialog control's text reads to a user, for every user interface that shows
// dialogs as text (the terminal's drawing, the transcript a script run prints).
#pragma once

#include "KestrinUi/DialogSession.h"

#include <string>
#include <vector>

namespace KestrinHost {

/// The text a control shows, mnemonic markers removed ("&OK" is "OK", "&&" is "&").
std::wstring DisplayText(const std::wstring& text);

/*
Description:
  The label of a control that has no text of its own (a list).
Parameters:
  controls - [in] the dialog's controls.
  index    - [in] the control's index in controls.
Returns:
  The display text of the nearest static text standing left of the control on its line (its
  vertical middle within the label's height); empty when there is none.
*/
std::wstring LabelOf(const std::vector<KestrinUi::ControlState>& controls, std::size_t index);

} // namespace KestrinHost
