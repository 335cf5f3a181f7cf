// Kestrin entity conversion.
// Triangle and quad meshes of the translated geometry become drawing entities in one of four
// forms: one polyface mesh, a set of 3D faces, one line per mesh edge, or one point per distinct
// vertex location. Single-precision mesh positions are widened to double exactly, never moved.
// The operations contain toolkit failures (see EntityCreation.h) and never read outside the
// mesh's vertex array, whatever vertex numbers its faces carry.
#pragma once

#include <HostInterfaces/ToolkitDatabase.h>
#include <HostInterfaces/ToolkitEntities.h>

#include <opennurbs.h>

#include <cstdint>
#include <limits>

/* Description:
     The most vertices, and the most faces, that one polyface mesh holds: a face record names its
     vertices by 16-bit signed numbers.
*/
constexpr int kPolyFaceMeshMaxCount = std::numeric_limits<std::int16_t>::max();

/* Description:
     Converts the mesh to one polyface mesh; a mesh with more than kPolyFaceMeshMaxCount vertices
     or faces becomes 3D faces instead (AddMeshAs3dFaces).
   Parameters:
     mesh             - [in] the mesh, read only.
     pDatabase        - [in] the drawing whose model space receives the entities.
     showLimitWarning - [in] whether to tell the user, in a message box, before an oversized mesh
                        is converted to 3D faces.
   Returns:
     true when the polyface mesh was appended; false when building or appending it failed (the
     mesh then leaves nothing in the drawing); for an oversized mesh, what AddMeshAs3dFaces
     returns.
   Remarks:
     The message box is modal and informative: the fall-back happens whatever the user does.
*/
bool AddPolyFaceMesh(const ON_Mesh& mesh, OdDbDatabasePtr pDatabase, bool showLimitWarning);

/* Description:
     Fills a new polyface mesh: one vertex per mesh vertex in order (mesh vertex i becomes vertex
     number i + 1), then one face record per mesh face in order, every edge visible, with 0 as the
     fourth vertex number of a triangle.
   Parameters:
     mesh  - [in] the mesh, read only.
     pMesh - [in] a new polyface mesh, not yet in a database.
   Returns:
     true; false when a toolkit call raised OdError (what was appended before stays in pMesh), or
     when a face names a vertex outside the mesh or beyond what a face record can number (then
     nothing is appended to pMesh). The failure text says why.
   Remarks:
     Coincident vertices stay separate vertices.
*/
bool BuildPolyFaceMesh(const ON_Mesh& mesh, OdDbPolyFaceMeshPtr pMesh);

/* Description:
     Makes one 3D face per mesh face, in order, each appended as it is made; a triangle's fourth
     corner repeats its third.
   Returns:
     true after the last face; false when a toolkit failure stopped the loop (the faces appended
     before stay), or when a face naming a vertex outside the mesh was left out (the loop goes on
     with the next face). A face whose append fails is lost and the loop goes on.
*/
bool AddMeshAs3dFaces(const ON_Mesh& mesh, OdDbDatabasePtr pDatabase);

/* Description:
     Makes one line per edge of the mesh topology (sides joining the same two vertex locations
     are one edge), each through AddLine.
   Returns:
     true after the last edge: a line that fails is contained by AddLine.
   Remarks:
     Builds the mesh's topology on first use; it stays cached in the mesh.
*/
bool AddMeshEdges(const ON_Mesh& mesh, OdDbDatabasePtr pDatabase);

/* Description:
     Makes one point per distinct vertex location of the mesh topology, each through AddPoint.
   Returns:
     true after the last point: a point that fails is contained by AddPoint.
   Remarks:
     Builds the mesh's topology on first use; it stays cached in the mesh.
*/
bool AddMeshVertices(const ON_Mesh& mesh, OdDbDatabasePtr pDatabase);
