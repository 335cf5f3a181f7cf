// Copyright (c) Kestrin developers.
//
// The library's side of a translation: checks the file, runs the worker within its bounds and
// decodes its reply. The bounds and the worker's location have defaults that environment
// variables override:
//   QUARNEL_WORKER               path of the worker program (default: quarnel-worker beside the
//                                library's own file)
//   QUARNEL_TIME_LIMIT_SECONDS   wall-clock bound of one read (default 600)
//   QUARNEL_MEMORY_LIMIT_MB      memory bound of the worker (default three quarters of the
//                                machine's memory, at most 8192)
#pragma once

#include "TranslatedGeometry.h"
#include "WorkerProtocol.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace quarnel {

struct WorkerSettings {
    std::string program;
    std::chrono::milliseconds timeLimit{0};
    std::uint64_t memoryLimitMb = 0;
};

// The settings from the environment, with the defaults above for what it does not set (or sets
// to something that is not a positive number).
WorkerSettings WorkerSettingsFromEnvironment();

// Figures of one translation, for measurements.
struct WorkerStats {
    std::size_t replyBytes = 0;
    std::uint64_t peakResidentKb = 0;
};

/*
Description:
  Translates one STEP file in a worker process.
Parameters:
  path - [in] the file, UTF-8.
  mode - [in] faces as meshes or as edge curves.
  settings - [in] the worker's location and bounds.
  geometry - [out] the whole translated geometry; untouched unless the result is true.
  failure - [out] on failure, the text for the user.
  stats - [out] optional; the size of the reply and the worker's peak memory.
Returns:
  true when the worker translated the file and its whole reply decoded.
*/
bool TranslateInWorker(const std::string& path, worker::SurfaceMode mode,
                       const WorkerSettings& settings, TranslatedGeometry* geometry,
                       std::string* failure, WorkerStats* stats = nullptr);

} // namespace quarnel
