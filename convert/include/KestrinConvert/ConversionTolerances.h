// Kestrin entity conversion.
// The tolerances and thresholds of entity conversion, named once. Lengths are in drawing units
// (the translator's model units, passed through unscaled); each value says why it is what it is.
#pragma once

// Tolerance of the curve shape tests (is this NURBS curve a line, an arc?): the geometry
// library's own zero tolerance. It is small enough that only curves that are exactly a line or an
// exact rational arc become lines, circles and arcs; every approximation stays a spline, so no
// shape is changed by the conversion.
constexpr double kShapeTolerance = 1e-12;

// Tolerance of the polyline closure test. 0 asks for first and last points that are equal, not
// merely close, so a polyline whose ends differ by any amount keeps its last point and stays open.
constexpr double kPolylineClosureTolerance = 0.0;

// Threshold of the arbitrary axis rule that fixes the x axis of an arc's plane from its normal:
// when both |N.x| and |N.y| are below it, the normal is close to the world z axis and the x axis
// comes from the world y axis instead. 1/64 is the drawing format's own value, exact in binary.
constexpr double kArbitraryAxisThreshold = 1.0 / 64.0;

// Point and knot tolerances handed to the drawing spline with its data: 0 asks the toolkit to
// merge no control points and no knots, so the spline keeps exactly the curve's data.
constexpr double kSplineControlPointTolerance = 0.0;
constexpr double kSplineKnotTolerance = 0.0;
