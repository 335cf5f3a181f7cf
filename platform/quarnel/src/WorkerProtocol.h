// Copyright (c) Kestrin developers.
//
// How the library starts the worker: its command line, the file descriptor its reply goes to and
// the one it reports its phases on. The reply goes to a descriptor of its own, not to standard
// output, so that anything the reading code prints can never mix with it.
#pragma once

#include <cstdint>

namespace quarnel::worker {

// quarnel-worker --surface mesh|edges [--memory-limit-mb N] [--] FILE
constexpr const char* kSurfaceOption = "--surface";
constexpr const char* kMeshSurface = "mesh";
constexpr const char* kEdgeSurface = "edges";
constexpr const char* kMemoryLimitOption = "--memory-limit-mb";
constexpr const char* kEndOfOptions = "--"; // the file name follows, even if it starts with '-'

// The worker writes its reply (GeometryStream.h) to this descriptor and closes it.
constexpr int kReplyDescriptor = 3;

// The worker writes one byte, a Phase value, to this descriptor as it enters each phase, so that
// the library can say what took too long when it has to stop the worker. Writing is best effort:
// a worker run by hand without this descriptor reads all the same.
constexpr int kPhaseDescriptor = 4;

// What the worker is doing. Values are sent as they are: append, never renumber.
enum class Phase : std::uint8_t {
    Starting = 0,          // before the first report: loading, the file check
    Reading = 1,           // parsing the STEP text
    Transferring = 2,      // turning the STEP entities into shapes
    TessellatedShapes = 3, // reading the AP242 tessellated shapes
    Meshing = 4,           // tessellating the faces
    EdgeCurves = 5,        // converting the edges to curves
    SurveyingContent = 6,  // looking for what an empty result was made of
    SendingResult = 7,     // encoding and writing the reply
};

constexpr Phase kLastPhase = Phase::SendingResult;

// What becomes of the faces of the model.
enum class SurfaceMode : std::uint8_t {
    Mesh,       // every face tessellated, one mesh per body
    EdgeCurves, // the edges of every face as curves
};

} // namespace quarnel::worker
