// Kestrin host program: the rules for the file a drawing is saved to, shared by SAVEAS and
// "kestrin import -o". Drawings are written as DXF only: a name gets ".dxf" unless it already
// ends in it, and a name with the extension of another drawing or model format is refused, so
// that a DXF never lands in a file that other programs would read as something else (or over
// the STEP file being imported). A name must name a plain file: folders, devices (/dev/full,
// /dev/stdout) and names that are only dots or end in a dot are refused as they are typed,
// rather than turned into a surprising file beside them ("work.dxf", "part..dxf").
#pragma once

#include <string>

namespace KestrinApp {

/*
Description:
  The name a drawing is saved under.
Parameters:
  typed - [in] the file name as given.
Returns:
  The name with ".dxf" added, unless it ends in ".dxf" (in any case) already, or would be
  refused by RefusedDxfName() as typed (another format, a folder, a device, a trailing dot),
  which it is then left for.
*/
std::wstring DxfFileName(const std::wstring& typed);

/*
Description:
  Whether a drawing may be saved under a name.
Parameters:
  path - [in] the name, after DxfFileName().
Returns:
  Empty when it may; otherwise the message that says why not.
Remarks:
  Looks at what the name stands for on disk (a folder, a device), through symbolic links;
  creates nothing.
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
