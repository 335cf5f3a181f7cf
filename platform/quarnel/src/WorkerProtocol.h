// Copyright (c) Kestrin developers.
//
// How the library starts the worker: its command line and the file descriptor its reply goes to.
// The reply goes to a descriptor of its own, not to standard output, so that anything the reading
// code prints can never mix with it.
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

// What becomes of the faces of the model.
enum class SurfaceMode : std::uint8_t {
    Mesh,       // every face tessellated, one mesh per body
    EdgeCurves, // the edges of every face as curves
};

} // namespace quarnel::worker
