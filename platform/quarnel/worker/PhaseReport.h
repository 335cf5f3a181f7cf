// Copyright (c) Kestrin developers.
//
// Tells the library which phase the worker has entered (WorkerProtocol.h), so that a worker it
// has to stop can be reported with what it was doing.
#pragma once

#include "WorkerProtocol.h"

namespace quarnel::worker {

// Best effort: a failed report (no phase descriptor) changes nothing else.
void ReportPhase(Phase phase);

} // namespace quarnel::worker
