// Kestrin terminal UI: the file dialog as one question on the command line, read with readline.
// The filter is shown above the question; Tab completes file names, offering folders and the
// files that match the filter's patterns only (a second Tab lists them); Escape, an empty answer
// or Ctrl+D cancels. "~" stands for the home folder; a folder is refused and the question asked
// again.
#pragma once

#include "KestrinUi/UserInterface.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace KestrinTerminalUi {

/// The line shown above the question: "Open file - STEP Files (*.stp, *.step)".
std::wstring FileQuestionHeading(const KestrinUi::FileDialogRequest& request);

/// true when a file name matches one of the patterns (case-insensitive); true for no patterns.
bool MatchesAnyPattern(const std::vector<std::wstring>& patterns, const std::string& fileName);

/*
Description:
  Asks for a file name.
Parameters:
  request - [in] the file dialog.
  output  - [in] where the heading goes.
Returns:
  The name as typed (blanks at the ends removed, "~" expanded), or no value for Cancel.
*/
std::optional<std::wstring> AskForFile(const KestrinUi::FileDialogRequest& request,
                                       std::FILE* output);

} // namespace KestrinTerminalUi
