// Copyright (c) Kestrin developers.
//
// The tolerances of the translation, named once. Lengths are millimetres (the reader converts
// every file to millimetres), angles radians.
#pragma once

namespace quarnel::worker {

// Chordal deflection of the tessellation as a fraction of the model's bounding-box diagonal: one
// thousandth keeps a part's silhouette smooth at any zoom that shows the whole part.
constexpr double kRelativeDeflection = 0.001;
// Angular deflection of the tessellation: at most 20 degrees between neighbouring facets of a
// curved face, so that even a small hole in a large part gets 18 sides and looks round.
constexpr double kAngularDeflection = 0.35;
// The mesher does not split edges below this fraction of the deflection.
constexpr double kMinSizeFraction = 0.1;

// Curves with no exact NURBS form (offset curves and the like) are approximated within this
// distance: a micrometre, far below any manufacturing tolerance.
constexpr double kCurveApproximationTolerance = 1e-3;
constexpr int kApproximationMaxSegments = 1000;
constexpr int kApproximationMaxDegree = 9;

// A circular edge whose parameter range is within this of a full turn is a full circle. The
// reader gives closed circles exactly 0 .. 2 pi; this only absorbs rounding.
constexpr double kFullTurnTolerance = 1e-9;
// A point computed from a circle's frame matches the curve's own point within this fraction of
// the radius; a clockwise frame misses by about the radius.
constexpr double kFrameCheckTolerance = 1e-6;
// Curves and meshes reaching beyond this coordinate are left out: no model is a billion
// kilometres across, and beyond it a double no longer resolves a tenth of a millimetre (its
// spacing at 1e15 is 0.125). What lies there comes from curves cut at Open CASCADE's "infinite"
// parameter or from the far branches of hyperbolas.
constexpr double kMaxCoordinate = 1e15;
// Straight edges shorter than this are degenerate and left out (Open CASCADE's own confusion
// distance).
constexpr double kMinEdgeLength = 1e-7;

} // namespace quarnel::worker
