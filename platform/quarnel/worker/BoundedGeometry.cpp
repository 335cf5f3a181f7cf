// Copyright (c) Kestrin developers.
//
// The coordinate test of every object kind: a circle or an arc reaches its radius from its centre
// along every axis at most, a NURBS curve lies within its control points (its weights are
// positive), a line, a polyline or a mesh within its points.
#include "BoundedGeometry.h"

#include "TranslationSettings.h"

#include <algorithm>
#include <cmath>

namespace quarnel::worker {
namespace {

// Written with the negation so that a coordinate that is not a number counts as far.
bool IsFar(double coordinate, double reach = 0.0) {
    return !(std::fabs(coordinate) + reach <= kMaxCoordinate);
}

bool IsFar(const Point3& p, double reach = 0.0) {
    return IsFar(p.x, reach) || IsFar(p.y, reach) || IsFar(p.z, reach);
}

bool AnyFar(const std::vector<Point3>& points) {
    return std::any_of(points.begin(), points.end(), [](const Point3& p) { return IsFar(p); });
}

bool IsFarObject(const LineSegment& line) {
    return IsFar(line.from) || IsFar(line.to);
}
bool IsFarObject(const PointChain& chain) {
    return AnyFar(chain);
}
bool IsFarObject(const FullCircle& circle) {
    return IsFar(circle.plane.origin, circle.radius);
}
bool IsFarObject(const CircularArc& arc) {
    return IsFarObject(arc.circle);
}
bool IsFarObject(const NurbsData& nurbs) {
    return AnyFar(nurbs.points);
}
bool IsFarObject(const MeshData& mesh) {
    return std::any_of(
        mesh.vertices.begin(), mesh.vertices.end(),
        [](const std::array<float, 3>& v) { return IsFar(v[0]) || IsFar(v[1]) || IsFar(v[2]); });
}

template <typename T> void LeaveOutFar(std::vector<T>* objects, std::size_t* count) {
    const auto kept = std::remove_if(objects->begin(), objects->end(),
                                     [](const T& object) { return IsFarObject(object); });
    *count += static_cast<std::size_t>(objects->end() - kept);
    objects->erase(kept, objects->end());
}

static_assert(kMaxCoordinate == 1e15, "LeftOutText names the limit");

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

void LeaveOutFarGeometry(TranslatedGeometry* geometry, LeftOutGeometry* leftOut) {
    LeaveOutFar(&geometry->lines, &leftOut->farObjects);
    LeaveOutFar(&geometry->polylines, &leftOut->farObjects);
    LeaveOutFar(&geometry->circles, &leftOut->farObjects);
    LeaveOutFar(&geometry->arcs, &leftOut->farObjects);
    LeaveOutFar(&geometry->nurbsCurves, &leftOut->farObjects);
    LeaveOutFar(&geometry->meshes, &leftOut->farObjects);
}

std::string LeftOutText(const LeftOutGeometry& leftOut) {
    std::string text;
    if (leftOut.unboundedCurves > 0) {
        text = Counted(leftOut.unboundedCurves, "unbounded curve", "unbounded curves");
    }
    if (leftOut.farObjects > 0) {
        text += (text.empty() ? "" : " and ") + Counted(leftOut.farObjects,
                                                        "curve or mesh beyond 1e15 mm",
                                                        "curves or meshes beyond 1e15 mm");
    }
    return text;
}

} // namespace quarnel::worker
