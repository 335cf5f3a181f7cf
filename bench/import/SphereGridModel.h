// Copyright (c) Kestrin developers.
//
// The generated models of the import benchmark: a cubic grid of equal spheres, written as STEP by
// Open CASCADE. Each sphere tessellates into the same number of triangles at any grid size (the
// angular deflection decides it), so the triangle count grows exactly with the sphere count.
#pragma once

#include <string>

namespace kestrin::bench {

enum class SphereBodies {
    Separate, // one solid per sphere: one mesh each
    // Every sphere's face in a single shell of the file. The reader's shape healing splits the
    // shell into its connected parts, one per sphere, so this is still a mesh per sphere; what
    // differs is Open CASCADE's transfer, which grows faster than linearly here.
    OneShell,
};

/*
Description:
  Writes a grid of side x side x side spheres to path (atomically: beside it, then renamed).
Returns:
  false when Open CASCADE could not transfer or write the model.
*/
bool WriteSphereGrid(int side, SphereBodies bodies, const std::string& path);

} // namespace kestrin::bench
