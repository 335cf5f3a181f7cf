// Kestrin host program: the command loop of a session, as a CAD command line runs it: a prompt,
// a typed line run, and the question about unsaved changes before the input's end key ends it.
#pragma once

#include "Session/HostSession.h"
#include "Session/LineSource.h"

namespace KestrinApp {

/*
Description:
  Runs commands read from a source until the input ends or QUIT. An empty line runs the last
  command again (its name only: it asks again for what it needs), as CAD command lines do.
Parameters:
  session - [in] the session that runs them.
  source  - [in] the lines; asked with the prompt "Command: ".
Returns:
  The number of commands that failed or were unknown.
Remarks:
  A cancelled line shows "*Cancel*" and the prompt again. The end key (Ctrl+D) ends the loop
  as QUIT does, after the question about unsaved changes, whose Cancel goes back to the prompt.
*/
int RunCommandLoop(HostSession* session, LineSource* source);

} // namespace KestrinApp
