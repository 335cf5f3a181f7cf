// Copyright (c) Kestrin developers.
//
// Turns the decoded plain geometry into openNURBS objects appended to the caller's arrays.
#pragma once

#include "TranslatedGeometry.h"

#include <opennurbs.h>

namespace quarnel {

// The caller's seven arrays, in their fixed order.
struct GeometryArrays {
    ON_3dPointArray& points;
    ON_ClassArray<ON_Line>& lines;
    ON_ClassArray<ON_Polyline>& polylines;
    ON_ClassArray<ON_Circle>& circles;
    ON_ClassArray<ON_Arc>& arcs;
    ON_ClassArray<ON_NurbsCurve>& nurbsCurves;
    ON_ClassArray<ON_Mesh>& meshes;
};

/*
Description:
  Appends every object of geometry to the matching array.
Parameters:
  geometry - [in] decoded and checked geometry.
  arrays - [out] the caller's arrays; only appended to.
Remarks:
  An object that openNURBS finds invalid (a degenerate line, arc or curve) is left out. On an
  exception (memory exhausted) the arrays are cut back to their counts before the call, and the
  exception propagates.
*/
void AppendGeometry(const TranslatedGeometry& geometry, GeometryArrays* arrays);

} // namespace quarnel
