// Kestrin host program: "kestrin import" of one file: one run of the module's import command
// with its dialogs answered from the flags, then the drawing saved (to a file, or to standard
// output for "-o -"). The import succeeded when the command's closing line is its success line
// (ImportedObjectCount()); anything else is a failure whose message is the command line's, shown
// once, on standard error.
// Runs over many files (host/batch/) import each file with ImportFile.
#pragma once

#include "Runs/ExitStatus.h"
#include "Runs/ImportOutcome.h"
#include "Runs/ProgramOptions.h"
#include "Runs/ProgressSpinner.h"
#include "Runs/RunFolder.h"
#include "Runs/ScriptAnswerUi.h"
#include "Session/HostSession.h"

#include <optional>
#include <string>

namespace KestrinApp {

/// The command that imports, as a user types it.
constexpr const wchar_t* kImportCommand = L"Kestrin";

/*
Description:
  Checks the DXF file of -o before anything is imported: an import can take long, and its
  result must have a place.
Parameters:
  outputFile - [in] the file as given.
  output     - [out] the file to save to: ".dxf" added when it has no extension; "-" (standard
               output) as it is.
Returns:
  Ok; BadUsage when the name is refused (another format than DXF, a folder, a device, a
  trailing dot), SaveFailed when its folder cannot take it (the message on standard error).
*/
ExitStatus CheckOutputFile(const std::string& outputFile, std::wstring* output);

/*
Description:
  Runs the import command on one file, into the session's current drawing.
Parameters:
  session  - [in] the session with the module loaded.
  ui       - [in] the installed UI; it gets the file name and the options dialog's choices.
  file     - [in] the STEP file.
  choices  - [in] the options dialog's choices.
  label    - [in] put with ": " in front of each line shown (runs of many files into one
             drawing name the file each line is about); empty for none.
  progress - [in] the progress line, erased before anything is shown.
Returns:
  Whether the file was imported, with the count the module reported; otherwise why not (the
  command line's last line).
Remarks:
  What the command shows is held back until it ends: after a success it goes to the command
  line's stream; after a failure to standard error, but for its last line, which is the reason
  returned (to be said once, with ReportNotImported()). The module's message boxes (the
  polyface mesh limit warning) go to standard error either way.
*/
ImportOutcome ImportFile(HostSession* session, ScriptAnswerUi* ui, const std::string& file,
                         const ImportChoices& choices, const std::string& label,
                         ProgressSpinner* progress);

/// What follows the file's name in ReportNotImported()'s line.
constexpr const char* kNotImportedAfterFile = " was not imported: ";

/// Says on standard error that file was not imported, and why.
void ReportNotImported(const std::string& file, const std::string& reason);

/*
Description:
  Saves the drawing of an import as the DXF file; says on standard error why not.
Parameters:
  session - [in] the session whose drawing is saved.
  output  - [in] the DXF file, as CheckOutputFile() gives it.
  folder  - [in] the run's own folder, where a drawing for standard output is written first.
Returns:
  true when it was saved (and, for standard output, written there whole; only then is it said
  to be saved).
Remarks:
  An interrupt that arrives while the file is written takes effect once it is complete, so an
  interrupted run never leaves a temporary file behind; once the drawing is saved, interrupts
  stay held back for the rest of the program, whose work is then done (so a file's process in
  a run with an output folder that saved its drawing ends as having imported it).
*/
bool SaveImportedDrawing(HostSession* session, const std::wstring& output, const RunFolder& folder);

/*
Description:
  Imports one file and saves the drawing.
Parameters:
  session - [in] the session with the module loaded.
  ui      - [in] the installed UI; it gets the file name and the options dialog's choices.
  options - [in] the STEP file (the only one of importFiles), the DXF file, the choices and
            whether to show progress.
  folder  - [in] the run's own folder.
  outcome - [out] whether the file was imported and saved, with the module's count; why not.
Returns:
  ExitStatus::Ok; CommandFailed when the import did not succeed (its message on standard
  error, once); SaveFailed when the drawing could not be saved or the output's folder cannot take
  it (checked before the import); BadUsage when the output is refused as a name.
Remarks:
  The output is checked as CheckOutputFile() does; an existing file is replaced. The file is
  listed in options.failedList, when given, unless it was imported and saved.
*/
ExitStatus RunImport(HostSession* session, ScriptAnswerUi* ui, const ProgramOptions& options,
                     const RunFolder& folder, ImportOutcome* outcome);

} // namespace KestrinApp
