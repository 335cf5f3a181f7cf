// Kestrin host: file names as users type them at questions (the file question, SAVEAS,
// MENULOAD): a leading "~" stands for the home folder, as in a shell.
#pragma once

#include <string>

namespace KestrinHost {

/*
Description:
  Expands a leading "~" or "~/".
Parameters:
  typed - [in] the name as typed.
Returns:
  "~" as the home folder, "~/rest" as the home folder with "/rest"; any other name (and any
  name when no home folder is known: $HOME unset and none in the user database) as typed.
*/
std::wstring ExpandHomeFolder(const std::wstring& typed);

} // namespace KestrinHost
