// Copyright (c) Kestrin developers.
//
// One topological edge as the plain curve the library hands over: a straight edge as a line, a
// circle as a circle or an arc, a polygon-only or degree-1 edge as a polyline, every other curve
// as an exact NURBS curve (approximated only where no exact form exists). Curves run the way the
// edge runs (its orientation applied); positions are in world coordinates.
#pragma once

#include "BoundedGeometry.h"
#include "TranslatedGeometry.h"

class TopoDS_Edge;

namespace quarnel::worker {

/*
Description:
  Appends the curve of one edge to the matching array of geometry.
Parameters:
  edge - [in] a non-degenerate edge with its location.
  geometry - [out] receives one line, polyline, circle, arc or NURBS curve, or nothing for an
             edge without geometry, shorter than kMinEdgeLength or without bounds.
  leftOut - [out] counts the edge when its parameter range has no end.
Remarks:
  Open CASCADE failures propagate as Standard_Failure.
*/
void AppendEdgeCurve(const TopoDS_Edge& edge, TranslatedGeometry* geometry,
                     LeftOutGeometry* leftOut);

} // namespace quarnel::worker
