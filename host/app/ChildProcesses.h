// Kestrin host program: the program's own child processes (the translation library's worker
// while a file is read), to stop them as Ctrl+C at the terminal would.
#pragma once

namespace KestrinApp {

/*
Description:
  Sends the interrupt signal (SIGINT) to every direct child process of this program.
Returns:
  How many were sent one.
*/
int InterruptChildProcesses();

} // namespace KestrinApp
