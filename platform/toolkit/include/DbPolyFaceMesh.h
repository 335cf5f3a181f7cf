// Kestrin drawing toolkit.
// OdDbPolyFaceMesh: a mesh of up to 32,767 vertices and 32,767 faces (the counts are 16-bit
// signed in drawing files). It owns its vertices and, after them, its face records; faces name
// vertices by 1-based number. A file lists every vertex before the first face record.
#pragma once

#include "DbEntity.h"
#include "DbFaceRecord.h"
#include "DbObjectIterator.h"
#include "DbPolyFaceMeshVertex.h"

#include <vector>

/* Description:
     A polyface mesh entity, empty when new.
*/
class OdDbPolyFaceMesh : public OdDbEntity {
public:
    ODRX_DECLARE_MEMBERS(OdDbPolyFaceMesh);

    /* Description:
         The largest number of vertices, and of faces, a polyface mesh holds.
    */
    static constexpr int kMaxCount = 32767;

    ~OdDbPolyFaceMesh() override;

    /* Description:
         Appends a vertex; it becomes vertex number numVertices().
       Returns:
         The vertex's id; null while the mesh is not database-resident.
       Remarks:
         Raises OdError: eNullObjectPointer for null, eAlreadyInDb for an owned vertex,
         eInvalidInput when the mesh already has kMaxCount vertices.
    */
    OdDbObjectId appendVertex(OdDbPolyFaceMeshVertex* pVertex);

    /* Description:
         Appends a face record.
       Returns:
         The record's id; null while the mesh is not database-resident.
       Remarks:
         Raises OdError: eNullObjectPointer for null, eAlreadyInDb for an owned record,
         eInvalidInput when the mesh already has kMaxCount faces, eInvalidIndex when a corner
         names no vertex of the mesh (|index| > numVertices()) or one of the first three
         corners is 0.
    */
    OdDbObjectId appendFaceRecord(OdDbFaceRecord* pFaceRecord);

    OdInt16 numVertices() const { return static_cast<OdInt16>(m_vertices.size()); }
    OdInt16 numFaces() const { return static_cast<OdInt16>(m_faces.size()); }

    /* Description:
         Vertex i and face record i (0-based), without opening them.
    */
    const OdDbPolyFaceMeshVertex* vertexAt(int i) const { return m_vertices[i].get(); }
    const OdDbFaceRecord* faceRecordAt(int i) const { return m_faces[i].get(); }

    /* Description:
         Returns an iterator over the vertices, then the face records.
    */
    OdDbObjectIteratorPtr vertexIterator() const;

    /* Description:
         Returns the handle of the mesh's end-of-sequence record; null until resident.
    */
    OdDbHandle sequenceEndHandle() const { return m_seqEndHandle; }

    OdResult getGeomExtents(OdGeExtents3d& extents) const override;
    void dxfOutFields(OdDbDxfFiler* pFiler) const override;
    unsigned int dxfRecordCount() const override;

protected:
    OdDbPolyFaceMesh() = default;
    void subSetDatabase(OdDbDatabase* pDatabase) override;

private:
    std::vector<OdDbPolyFaceMeshVertexPtr> m_vertices; // owned, <= kMaxCount
    std::vector<OdDbFaceRecordPtr> m_faces;            // owned, <= kMaxCount
    OdUInt64 m_seqEndHandle = 0;
};

typedef OdSmartPtr<OdDbPolyFaceMesh> OdDbPolyFaceMeshPtr;
