// Copyright (c) Kestrin developers.
//
// The worker's memory bound. The bound is set on the process itself (the library passes it on
// the command line), and a failure near it is told as running out of memory: Open CASCADE does not
// always report a failed allocation as one (its threads and algorithms wrap it in failures of
// their own).
#pragma once

#include <cstdint>

namespace quarnel::worker {

// Bounds the data segment and anonymous mappings, where the reader's memory goes; address space
// merely reserved (thread stacks, libraries) does not count. 0 sets no bound.
void ApplyMemoryBound(std::uint64_t megabytes);

// Whether the peak resident size came near the bound (three quarters of it): a failure then is
// taken for memory exhaustion.
bool MemoryBoundReached();

} // namespace quarnel::worker
