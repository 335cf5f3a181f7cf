// Kestrin host program: SAVEAS and QSAVE, saving the current drawing as a DXF file.
#pragma once

#include <string>

namespace KestrinApp {

class HostSession;

/*
Description:
  Saves the current drawing as DXF under exactly the given path, and says so on the command
  line (or why not).
Parameters:
  session - [in] the session whose drawing is saved; on success the drawing takes the path as
            its name and counts as saved.
  path    - [in] the file; an existing one is replaced atomically.
  shownAs - [in] how the command line names the file; empty for path itself.
Returns:
  true when the file was written.
*/
bool SaveDrawing(HostSession* session, const std::wstring& path,
                 const std::wstring& shownAs = std::wstring());

/*
Description:
  Runs SAVEAS.
Parameters:
  session - [in] the session whose drawing is saved.
  answer  - [in] the file name; empty to ask for it.
Returns:
  RTNORM when the file was written; RTERROR (with the reason on the command line) when the
  name was refused or the save failed; RTCAN when no file name was given or the line was
  cancelled.
Remarks:
  The name gets ".dxf" when it has none. Before an existing file is replaced the user is asked;
  No keeps it and asks for another name.
*/
int SaveAsCommand(HostSession* session, const std::wstring& answer);

/*
Description:
  Runs QSAVE (and SAVE): saves the drawing to its file without a question once it has one,
  and runs SAVEAS with the answer before that.
Returns:
  As SaveAsCommand().
*/
int QuickSaveCommand(HostSession* session, const std::wstring& answer);

} // namespace KestrinApp
