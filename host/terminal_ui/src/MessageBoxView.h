// Kestrin terminal UI: message boxes (and the about box, a box with the title and OK) drawn in
// the terminal: the caption in the frame, the icon's name, the text, and the buttons in a row.
//   Left, Right, Tab   move between buttons      Enter, Space   the focused button
//   a button's first letter   that button        Escape         Cancel, or the only button
#pragma once

#include "DialogCanvas.h"
#include "TerminalKeys.h"

#include <string>
#include <vector>

namespace KestrinTerminalUi {

/// What a box shows.
struct BoxContent {
    std::wstring caption;
    std::wstring icon;        // "warning", ...; empty for none
    std::wstring text;        // may hold line breaks
    std::vector<int> buttons; // IDOK, ... in order; at least one
    int declining = 0;        // the answer that agrees to nothing (Cancel, No, Abort)
};

/*
Description:
  Draws a box.
Parameters:
  content  - [in] what it shows.
  focus    - [in] the index of the highlighted button; -1 for none.
  maxWidth - [in] the terminal's width: the text is broken at blanks to keep the box within
             it; 0 for no limit.
*/
Canvas DrawBox(const BoxContent& content, int focus, int maxWidth);

/*
Description:
  The effect of a key on a box.
Parameters:
  content - [in] the box.
  key     - [in] the key.
  focus   - [in/out] index of the focused button.
Returns:
  The chosen button's answer, or 0 while the box stays open.
Remarks:
  Escape, Ctrl+C and the end of input answer IDCANCEL when the box has a Cancel button, the
  button of a one-button box, and the declining answer otherwise (No to a Yes/No question).
*/
int AnswerForKey(const BoxContent& content, const Key& key, int* focus);

} // namespace KestrinTerminalUi
