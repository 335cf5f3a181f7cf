// Kestrin host program: "kestrin import FILE... --output-dir DIR": each file imported into a
// drawing of its own, DIR/NAME.dxf (DIR/SUB/NAME.dxf for a file in a subfolder of a folder
// given), by a host process of its own (the single-file import), so that one bad file cannot
// harm another. -j of them run at once. Their lines are shown whole, each after the name of its
// file; a progress line counts the files on a terminal; the summary names every file not
// imported and why.
#pragma once

#include "Runs/ExitStatus.h"
#include "Runs/ProgramOptions.h"

namespace KestrinApp {

/*
Description:
  Runs the imports of a run with an output folder.
Parameters:
  options - [in] the files, the output folder, the number of imports at once, the import
            flags; the module and system variables are passed on to each import.
Returns:
  Ok when every file was imported; BadUsage when names collide or a folder is missing or
  lists no STEP file (nothing runs then); SaveFailed when the output folder cannot be made or
  written to, or the list of files not imported cannot be written; Interrupted after an
  interrupt; CommandFailed otherwise.
Remarks:
  Folders the run made that hold no drawing at its end are removed again.
*/
ExitStatus RunFolderImport(const ProgramOptions& options);

} // namespace KestrinApp
