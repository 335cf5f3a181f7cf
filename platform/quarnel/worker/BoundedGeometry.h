// Copyright (c) Kestrin developers.
//
// Geometry that no drawing can hold as a bounded entity is left out of the translation and
// counted: curves whose parameter range has no end (an unbounded line, parabola or hyperbola of a
// curve set, which Open CASCADE cuts at its "infinite" parameter, 2e100), and any curve or mesh
// with a coordinate beyond kMaxCoordinate. Such objects would put a drawing's extents out of all
// proportion to its model.
#pragma once

#include "TranslatedGeometry.h"

#include <cstddef>
#include <string>

namespace quarnel::worker {

// What the translation left out.
struct LeftOutGeometry {
    std::size_t unboundedCurves = 0; // edges whose parameter range has no end
    std::size_t farObjects = 0;      // curves and meshes reaching beyond kMaxCoordinate

    bool Any() const { return unboundedCurves > 0 || farObjects > 0; }
};

/*
Description:
  Removes the curves and meshes that reach beyond kMaxCoordinate (or have a coordinate that is not
  a number) from geometry and counts them in leftOut. Points stay: a point is bounded wherever it
  lies.
*/
void LeaveOutFarGeometry(TranslatedGeometry* geometry, LeftOutGeometry* leftOut);

/*
Description:
  Returns what was left out in words, for the text "holds ... (it holds <text>)": "2 unbounded
  curves", "1 curve or mesh beyond 1e15 mm", or both joined by "and".
*/
std::string LeftOutText(const LeftOutGeometry& leftOut);

} // namespace quarnel::worker
