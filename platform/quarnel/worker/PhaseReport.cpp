// Copyright (c) Kestrin developers.
#include "PhaseReport.h"

#include <cerrno>
#include <unistd.h>

namespace quarnel::worker {

void ReportPhase(Phase phase) {
    const auto byte = static_cast<std::uint8_t>(phase);
    while (::write(kPhaseDescriptor, &byte, 1) < 0 && errno == EINTR) {
    }
}

} // namespace quarnel::worker
