// Copyright (c) Kestrin developers.
//
// The worker's phases as failure texts name them ("meshing the surfaces"). The worker uses the
// same words for the step a translation failed in, and the library for the step that took too
// long, so that both read alike. UTF-8.
#pragma once

#include "WorkerProtocol.h"

namespace quarnel {

const char* PhaseText(worker::Phase phase);

} // namespace quarnel
