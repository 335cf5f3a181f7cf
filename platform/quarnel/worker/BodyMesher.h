// Copyright (c) Kestrin developers.
//
// Tessellation of the faces of a shape into one mesh per body: per solid, per shell outside any
// solid, and per face outside any shell. Nodes on the boundary between two faces of a body are
// shared, so that a topology of the mesh sees one edge there.
#pragma once

#include "TranslatedGeometry.h"

#include <vector>

class TopoDS_Shape;

namespace quarnel::worker {

/*
Description:
  Tessellates every face of shape (in parallel) and appends one mesh per body.
Parameters:
  shape - [in] the transferred shape, millimetres.
  meshes - [out] receives the meshes, triangles oriented outwards.
Remarks:
  The chordal deflection is kRelativeDeflection of the shape's bounding-box diagonal. A face the
  mesher cannot tessellate is left out of its body's mesh; a body left without faces gives no
  mesh. Open CASCADE failures propagate as Standard_Failure.
*/
void AppendBodyMeshes(const TopoDS_Shape& shape, std::vector<MeshData>* meshes);

} // namespace quarnel::worker
