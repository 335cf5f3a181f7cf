// Copyright (c) Kestrin developers.
//
// The translated geometry in plain form: what the worker produces from a STEP file and what the
// binary stream carries back to the library, before it becomes openNURBS objects. Plain structs
// of doubles and indices, free of Open CASCADE and openNURBS, so that the worker, the stream
// codec and the library share one description. All lengths are millimetres, in world
// coordinates (assembly placements already applied).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace quarnel {

struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

struct LineSegment {
    Point3 from;
    Point3 to;
};

using PointChain = std::vector<Point3>; // a polyline: at least two points

// A right-handed orthonormal frame: origin and three unit axes, z = x cross y.
struct Frame {
    Point3 origin;
    Point3 xAxis;
    Point3 yAxis;
    Point3 zAxis;
};

struct FullCircle {
    Frame plane;
    double radius = 0.0; // > 0
};

// A circular arc from angle startAngle to endAngle (radians, counterclockwise about plane.zAxis
// from plane.xAxis); 0 < endAngle - startAngle <= 2 pi.
struct CircularArc {
    FullCircle circle;
    double startAngle = 0.0;
    double endAngle = 0.0;
};

// A NURBS curve in openNURBS's layout: Euclidean control points with their weights (all 1 when not
// rational) and order + cvCount - 2 knots (the two outermost knots of the textbook vector left
// out).
struct NurbsData {
    bool rational = false;
    int order = 0;               // degree + 1, >= 2
    std::vector<Point3> points;  // control points, count >= order
    std::vector<double> weights; // one per control point, > 0
    std::vector<double> knots;   // order + points.size() - 2 values, non-decreasing
};

// A mesh of one body: single-precision vertices (the precision of the mesh format it becomes) and
// faces of four indices, a triangle repeating its third index. Faces are oriented outwards.
struct MeshData {
    std::vector<std::array<float, 3>> vertices;
    std::vector<std::array<std::uint32_t, 4>> faces;
};

// The seven kinds of translated objects, in the order the caller's arrays have.
struct TranslatedGeometry {
    std::vector<Point3> points;
    std::vector<LineSegment> lines;
    std::vector<PointChain> polylines;
    std::vector<FullCircle> circles;
    std::vector<CircularArc> arcs;
    std::vector<NurbsData> nurbsCurves;
    std::vector<MeshData> meshes;
};

} // namespace quarnel
