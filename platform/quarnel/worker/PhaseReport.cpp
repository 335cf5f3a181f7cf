// Copyright (c) Kestrin developers.
#include "PhaseReport.h"

#include <KestrinPosix/WriteAll.h>

namespace quarnel::worker {

void ReportPhase(Phase phase) {
    const auto byte = static_cast<std::uint8_t>(phase);
    kposix::WriteAll(kPhaseDescriptor, &byte, 1);
}

} // namespace quarnel::worker
