// Kestrin import.
// The body of the "Kestrin" command: one run imports one STEP file into the open drawing, from
// the file dialog through the options dialog, the translation library and the add operations to
// one message on the host's command line. Nothing survives a run but the stored options.
#pragma once

#include <HostInterfaces/ToolkitCommands.h>

#include <windows.h>

/*
Description:
  Runs one import.
Parameters:
  pCommandContext - [in] the context the host handed to the command; null when no drawing is
                    open.
  hParent         - [in] the host's main window: parent of the dialogs and owner of the message
                    box; null for none.
Returns:
  true only when the run reached "Successfully imported %d objects"; false on every other
  return (no drawing, either dialog cancelled, the translation failed).
Remarks:
  A context that is not a drawing context, or whose user I/O is not a drawing user I/O, raises
  OdError_NotThatKindOfClass, which is left to the host. Every reference, dialog and array the
  run takes is released on every way out.
*/
bool RunImport(OdEdCommandContext* pCommandContext, HWND hParent);
