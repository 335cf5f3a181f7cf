// Copyright (c) Kestrin developers.
//
// The baseline the benchmarks compare the worker and the import with: Open CASCADE alone reading
// and transferring a STEP file and, for meshes, tessellating it with the worker's settings. It
// runs in a child forked before Open CASCADE is touched, so that its time and peak memory are its
// own.
#pragma once

#include "WorkerProtocol.h"

#include <cstdint>
#include <string>

namespace quarnel::bench {

struct OpenCascadeRun {
    double seconds = 0.0;
    double peakMb = 0.0;         // the child's peak resident memory
    std::uint64_t triangles = 0; // triangles of the tessellation (meshes only)
};

/*
Description:
  Reads path with Open CASCADE alone in a forked child and waits for it.
Returns:
  false when the child failed to read or transfer the file.
*/
bool RunOpenCascadeAlone(const std::string& path, worker::SurfaceMode mode, OpenCascadeRun* run);

} // namespace quarnel::bench
