// Kestrin host program: the rules for the file a drawing is saved to, shared by SAVEAS and
// "kestrin import -o". Drawings are written as DXF only: a name gets ".dxf" when it has no
// extension, and a name with the extension of another drawing or model format is refused, so
// that a DXF never lands in a file that other programs would read as something else (or over
// the STEP file being imported).
#pragma once

#include <string>

namespace KestrinApp {

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
  Whether a drawing may be saved under a name.
Parameters:
  path - [in] the name, after DxfFileName().
Returns:
  Empty when it may; otherwise the message that says why not.
*/
std::wstring RefusedDxfName(const std::wstring& path);

/*
Description:
  Checks that a file can be created in the folder of path, without creating it.
Parameters:
  path - [in] the file to be written.
Returns:
  Empty when it can; otherwise a message that names the folder and the reason.
*/
std::wstring OutputFolderProblem(const std::wstring& path);

} // namespace KestrinApp
