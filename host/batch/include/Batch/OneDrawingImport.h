// Kestrin host program: "kestrin import FILE... -o OUT.dxf" over more than one file: every file
// imported into the one drawing, in the order given, each by a run of the Kestrin command with
// the same flags (as typing Kestrin once per file would), and the drawing saved once at the end.
// A file that fails is reported and the others go on; the drawing is saved when at least one
// file was imported, and the summary and the exit status say whether all were. Ctrl+C stops
// the run, and the drawing is saved with the files imported by then.
#pragma once

#include "Runs/ExitStatus.h"
#include "Runs/ProgramOptions.h"
#include "Runs/RunFolder.h"
#include "Runs/ScriptAnswerUi.h"
#include "Session/HostSession.h"

namespace KestrinApp {

/// true when the run imports one file (not a folder) into -o: the import of a file alone.
bool IsSingleFileImport(const ProgramOptions& options);

/*
Description:
  Imports the files into the session's drawing and saves it.
Parameters:
  session - [in] the session with the module loaded.
  ui      - [in] the installed UI; it gets each file name and the options dialog's choices.
  options - [in] the files and folders, the DXF file, the choices and whether to show
            progress.
  folder  - [in] the run's own folder.
Returns:
  Ok when every file was imported; BadUsage when a folder is missing or lists no STEP file or
  the output is refused, SaveFailed when its folder cannot take it or the list of files not
  imported cannot be written (nothing runs then) or the drawing could not be saved;
  Interrupted after Ctrl+C; CommandFailed otherwise.
Remarks:
  Each line a file's import shows starts with the file's name. The summary, on the command
  line's stream, names every file not imported; so does options.failedList when given.
*/
ExitStatus RunOneDrawingImport(HostSession* session, ScriptAnswerUi* ui,
                               const ProgramOptions& options, const RunFolder& folder);

} // namespace KestrinApp
