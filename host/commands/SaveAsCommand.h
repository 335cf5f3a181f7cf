// Kestrin host program: SAVEAS, saving the current drawing as a DXF file.
#pragma once

#include <string>

namespace KestrinApp {

class HostSession;

/*
Description:
  The name a drawing is saved under.
Parameters:
  typed - [in] the file name as given.
Returns:
  The name with ".dxf" added when it has no extension.
*/
std::wstring DxfFileName(const std::wstring& typed);

/*
Description:
  Saves the current drawing as DXF under exactly the given path, and says so on the command
  line (or why not).
Parameters:
  session - [in] the session whose drawing is saved.
  path    - [in] the file.
Returns:
  true when the file was written.
*/
bool SaveDrawing(HostSession* session, const std::wstring& path);

/*
Description:
  Runs SAVEAS.
Parameters:
  session - [in] the session whose drawing is saved.
  answer  - [in] the file name; empty to ask for it.
Returns:
  RTNORM when the file was written; RTERROR (with the reason on the command line) otherwise;
  RTCAN when no file name was given.
*/
int SaveAsCommand(HostSession* session, const std::wstring& answer);

} // namespace KestrinApp
