// Kestrin host: file names as users type them at questions (the file question, SAVEAS,
// MENULOAD): a leading "~" stands for the home folder, as in a shell, and one pair of quotes
// around the whole name is dropped, since users paste paths quoted.
#pragma once

#include <string>

namespace KestrinHost {

/*
Description:
  The file a typed name stands for.
Parameters:
  typed - [in] the name as typed (trimmed).
Returns:
  A name in one pair of double or single quotes as it stands between them (a quoted "~" is
  the name "~", as in a shell); "~" as the home folder and "~/rest" as the home folder with
  "/rest"; any other name (and any name when no home folder is known: $HOME unset and none in
  the user database) as typed.
*/
std::wstring TypedFileName(const std::wstring& typed);

} // namespace KestrinHost
