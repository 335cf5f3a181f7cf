// Copyright (c) Kestrin developers.
//
// The library's side of a translation: checks the file, runs the worker within its bounds and
// decodes its reply. The bounds and the worker's location have defaults that environment
// variables override:
//   QUARNEL_WORKER               path of the worker program (default: quarnel-worker beside the
//                                library's own file, or else in the installed worker folder)
//   QUARNEL_TIME_LIMIT_SECONDS   wall-clock bound of one read (default 60 s plus 30 s for each
//                                MB of the file, so that a large file is not taken for a stuck
//                                one)
//   QUARNEL_MEMORY_LIMIT_MB      memory bound of the worker (default three quarters of the
//                                machine's memory, at most 8192)
// A worker that reaches the time bound is stopped, and the failure names the phase it was in:
// "The STEP reader was stopped while reading FILE: meshing the surfaces took longer than 63 s".
//
// Cancelling a translation. The stop signals (SIGINT, SIGTERM, SIGHUP: kposix::kStopSignals)
// cancel it. The worker runs in the caller's process group with SIGINT at its default action, so
// a Ctrl+C typed at the terminal ends it along with the wait. To cancel from the program (an
// Escape key, say), raise SIGINT in the process, from any thread: kill(getpid(), SIGINT). That
// touches no other process: nothing needs to find the worker or signal the process group. The
// wait ends at once, whichever thread the signal lands on, the worker is killed and reaped, and
// the translation fails with "The translation of FILE was cancelled" (Quarnel::GetError); nothing
// is appended. While the wait lasts the library watches the stop signals without taking them from
// the program (kposix::SignalDelivery::PassOn):
//   - a handler the program installed runs as usual, once per signal;
//   - at the default action the process still ends by the signal, only after the worker is gone;
//   - a signal the program ignores is left alone, and so is its worker, which ignores it too: a
//     background job is not stopped by a Ctrl+C meant for the foreground.
// A stop that arrives while the wait lasts cancels even a worker that was just finishing. The
// program must not change these signals' actions while a translation runs. The worker is also
// killed when the calling process ends in any other way.
#pragma once

#include "TranslatedGeometry.h"
#include "WorkerProtocol.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace quarnel {

// The wall-clock bound of one translation: a base and a share for each MB (2^20 bytes) of the
// file, that share rounded up to whole seconds.
struct TimeBound {
    std::chrono::milliseconds base{0};
    std::chrono::milliseconds perMegabyte{0};

    std::chrono::milliseconds For(std::uint64_t fileBytes) const;
};

struct WorkerSettings {
    std::string program;
    TimeBound time;
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
