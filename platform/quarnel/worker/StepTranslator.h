// Copyright (c) Kestrin developers.
//
// The whole translation of one STEP file into plain geometry: checks, reading, transfer in
// millimetres, the AP242 tessellated shapes the transfer leaves out, and the conversion of the
// result to meshes or curves. Every Open CASCADE failure, and the signals it raises on bad
// geometry, ends as a status.
#pragma once

#include "ReadStatus.h"
#include "TranslatedGeometry.h"
#include "WorkerProtocol.h"

#include <string>

namespace quarnel::worker {

/*
Description:
  Reads a STEP file and translates its geometry.
Parameters:
  path - [in] the file, UTF-8.
  mode - [in] faces as meshes or as edge curves.
  geometry - [out] the translated objects; meaningful only when the result is Translated.
  detail - [out] for a failure, a short text the library adds to its message (what the file is or
           holds, or which step failed); empty otherwise.
Returns:
  ReadStatus::Translated on success (geometry may be empty for a file without geometry), otherwise
  the reason of the failure: UnreadableContent, with the detail saying what, when everything the
  file holds was left out as unbounded (BoundedGeometry.h).
Remarks:
  Call SilenceMessenger() and InstallFaultHandlers() before. Open CASCADE is left in an undefined
state after a failure: the process should end.
*/
ReadStatus TranslateStepFile(const std::string& path, SurfaceMode mode,
                             TranslatedGeometry* geometry, std::string* detail);

} // namespace quarnel::worker
