// Copyright (c) Kestrin developers.
//
// How the worker's process ends besides finishing its work: with the process that started it, and
// at once on a request to stop (Ctrl+C at the terminal, the library cancelling), which Open
// CASCADE's signal handlers would otherwise swallow.
#pragma once

namespace quarnel::worker {

// Arranges for the worker to be killed when the library's process goes away, and ends it now if
// that has already happened (the reply descriptor has no reader left). Call first thing.
void EndWithCaller();

// Installs Open CASCADE's handlers for the faults of bad geometry (OSD::SetSignal), leaving the
// signals that ask the process to stop (SIGINT, SIGQUIT, SIGHUP, SIGTERM) as they were.
void InstallFaultHandlers();

} // namespace quarnel::worker
