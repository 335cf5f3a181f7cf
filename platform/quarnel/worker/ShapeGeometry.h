// Copyright (c) Kestrin developers.
//
// The plain geometry of a transferred shape: free points and free edges in every mode, and the
// faces either as meshes or as their edge curves.
#pragma once

#include "BoundedGeometry.h"
#include "TranslatedGeometry.h"
#include "WorkerProtocol.h"

class TopoDS_Shape;

namespace quarnel::worker {

/*
Description:
  Appends the geometry of shape to geometry.
Parameters:
  shape - [in] the transferred shape, millimetres, world placement applied by its locations.
  mode - [in] faces as meshes or as edge curves.
  geometry - [out] receives points (vertices outside any edge), the curves of free edges (edges
             outside any face), and per mode the body meshes or the curves of the faces' edges,
             each shared edge once and degenerate edges left out.
  leftOut - [out] counts the edges left out because their parameter range has no end.
Remarks:
  In EdgeCurves mode, adds 3D curves to edges that have only curves on faces. Open CASCADE failures
propagate as Standard_Failure.
*/
void AppendShapeGeometry(TopoDS_Shape& shape, SurfaceMode mode, TranslatedGeometry* geometry,
                         LeftOutGeometry* leftOut);

} // namespace quarnel::worker
