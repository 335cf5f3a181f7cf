// Kestrin host program: running a script: commands one per line, each followed by the answers to
// what it shows (see ScriptFormatHelp()). Every command is shown on the command line after the
// prompt, as if typed; script lines that cannot be used are reported with their line number.
#pragma once

#include "Runs/ScriptAnswerUi.h"
#include "Session/HostSession.h"

#include <istream>

namespace KestrinApp {

/*
Description:
  Runs a script until its end or QUIT.
Parameters:
  session - [in] the session that runs the commands; its answer source is the script while the
            script runs (a command that asks takes the next line).
  ui      - [in] the installed UI that answers dialogs; each command gets its answers.
  script  - [in] the script's lines.
Returns:
  The number of problems: commands that failed or were unknown, invalid lines, answers without
  a command, answers that no dialog took, and a drawing left with unsaved changes when the
  script ends without QUIT (a QUIT whose question the script does not answer is cancelled, so
  the script goes on to its end).
*/
int RunScript(HostSession* session, ScriptAnswerUi* ui, std::istream* script);

} // namespace KestrinApp
