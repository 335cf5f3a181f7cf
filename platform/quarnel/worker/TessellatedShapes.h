// Copyright (c) Kestrin developers.
//
// AP242 tessellated shapes (TESSELLATED_SOLID, TESSELLATED_SHELL, TRIANGULATED_FACE,
// COMPLEX_TRIANGULATED_FACE over COORDINATES_LIST), which Open CASCADE 7.6 parses but does not
// transfer. They are read from the parsed model's entities and placed through their
// representation's context.
#pragma once

#include "TranslatedGeometry.h"

#include <Standard_Handle.hxx>

#include <vector>

class StepData_StepModel;

namespace quarnel::worker {

/*
Description:
  Appends one mesh per tessellated solid or shell (and one per representation for its loose
  tessellated faces), once per placement of its representation.
Parameters:
  model - [in] the parsed file.
  meshes - [out] receives the meshes, millimetres, world coordinates.
Remarks:
  Vertices shared through the coordinate list are shared in the mesh. Faces that refer to
  missing coordinates are left out. Shapes held only by representations the reader could not
  type are placed at their own coordinates when the file has no tessellated shape representation.
*/
void AppendTessellatedMeshes(const Handle(StepData_StepModel) & model,
                             std::vector<MeshData>* meshes);

} // namespace quarnel::worker
