// Kestrin host program: "kestrin import": one run of the module's import command with its
// dialogs answered from the flags, then the drawing saved. The import succeeded when the command
// line showed "Successfully imported"; anything else is a failure whose message is the command
// line's.
#pragma once

#include "app/HostSession.h"
#include "app/Program.h"
#include "app/ScriptAnswerUi.h"

namespace KestrinApp {

/// The command that imports, as a user types it.
constexpr const wchar_t* kImportCommand = L"Kestrin";

/// The text the import command shows on success.
constexpr const wchar_t* kImportSuccess = L"Successfully imported";

/*
Description:
  Imports one file and saves the drawing.
Parameters:
  session - [in] the session with the module loaded.
  ui      - [in] the installed UI; it gets the file name and the options dialog's choices.
  options - [in] the STEP file, the DXF file, the choices and whether to show progress.
Returns:
  ExitStatus::Ok; CommandFailed when the import did not succeed (its message on standard
  error too); SaveFailed when the drawing could not be saved or the output's folder cannot take
  it (checked before the import); BadUsage when the output names another format than DXF.
Remarks:
  The output gets ".dxf" when it has no extension; an existing file is replaced.
*/
ExitStatus RunImport(HostSession* session, ScriptAnswerUi* ui, const ProgramOptions& options);

} // namespace KestrinApp
