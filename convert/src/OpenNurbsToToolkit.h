// Kestrin entity conversion.
// Geometry values handed from the translator's classes to the toolkit's, component by component:
// nothing is scaled, moved or rounded. Single-precision mesh positions widen to double exactly.
#pragma once

#include <HostInterfaces/ToolkitGeometry.h>

#include <opennurbs.h>

inline OdGePoint3d ToGePoint(const ON_3dPoint& point) {
    return OdGePoint3d(point.x, point.y, point.z);
}

inline OdGePoint3d ToGePoint(const ON_3fPoint& point) {
    return OdGePoint3d(point.x, point.y, point.z);
}

inline OdGeVector3d ToGeVector(const ON_3dVector& vector) {
    return OdGeVector3d(vector.x, vector.y, vector.z);
}
