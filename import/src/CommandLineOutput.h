// Kestrin import.
// The import command's one way of talking to the user: a formatted line on the host's command
// line, through the drawing's user I/O object.
#pragma once

#include <HostInterfaces/ToolkitCommands.h>

/*
Description:
  Formats a message and writes it on the command line in one piece.
Parameters:
  pUserIO - [in] the command's user I/O object.
  format  - [in] a wide printf-style format with the target's rules (%s takes a wide string).
  ...     - [in] its values.
Remarks:
  Adds nothing to the text: each message carries its own trailing "\n".
*/
void PrintToCommandLine(OdDbUserIO* pUserIO, const wchar_t* format, ...);
