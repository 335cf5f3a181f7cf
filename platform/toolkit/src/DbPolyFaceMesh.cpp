// Kestrin drawing toolkit.
// OdDbPolyFaceMesh: its vertices and face records, and its DXF records: POLYLINE (flag 64, vertex
// and face counts), every position VERTEX, every face record VERTEX, then SEQEND.
#include "DbPolyFaceMesh.h"

#include "DbFiler.h"
#include "DbObjectIteratorImpl.h"
#include "DxfGroupCodes.h"
#include "ToolkitFaults.h"

#include <cstdlib>

namespace {
// DXF group codes of the AcDbPolyFaceMesh subclass.
constexpr char kSubclass[] = "AcDbPolyFaceMesh";
using odtk::dxf::kEntitiesFollowCode;
constexpr OdInt16 kVerticesFollow = 1;
constexpr int kElevationPointCode = odtk::dxf::kPointCode; // always (0,0,0)
using odtk::dxf::kFlagsCode;
constexpr OdInt16 kPolyFaceMeshFlag = 64;
constexpr int kVertexCountCode = 71;
constexpr int kFaceCountCode = 72;

// Corners 0..2 must name a vertex; corner 3 may be 0 (a triangle).
constexpr OdUInt16 kRequiredCorners = 3;
} // namespace

ODRX_CONS_DEFINE_MEMBERS(OdDbPolyFaceMesh, OdDbEntity, new OdDbPolyFaceMesh, "POLYLINE")

OdDbPolyFaceMesh::~OdDbPolyFaceMesh() {
    for (const OdDbPolyFaceMeshVertexPtr& pVertex : m_vertices) {
        detachIfShared(pVertex.get());
    }
    for (const OdDbFaceRecordPtr& pFace : m_faces) {
        detachIfShared(pFace.get());
    }
}

OdDbObjectId OdDbPolyFaceMesh::appendVertex(OdDbPolyFaceMeshVertex* pVertex) {
    odtk::CheckSetterFault(OdToolkitSetter::PolyFaceMeshAppendVertex);
    assertWriteEnabled();
    requireAdoptable(pVertex);
    if (m_vertices.size() >= static_cast<std::size_t>(kMaxCount)) {
        throw OdError(eInvalidInput, L"a polyface mesh holds at most 32767 vertices");
    }
    m_vertices.emplace_back(pVertex);
    adoptOwnedObject(pVertex);
    return pVertex->objectId();
}

OdDbObjectId OdDbPolyFaceMesh::appendFaceRecord(OdDbFaceRecord* pFaceRecord) {
    odtk::CheckSetterFault(OdToolkitSetter::PolyFaceMeshAppendFaceRecord);
    assertWriteEnabled();
    requireAdoptable(pFaceRecord);
    if (m_faces.size() >= static_cast<std::size_t>(kMaxCount)) {
        throw OdError(eInvalidInput, L"a polyface mesh holds at most 32767 faces");
    }
    for (OdUInt16 corner = 0; corner < OdDbFaceRecord::kCornerCount; ++corner) {
        const int index = std::abs(static_cast<int>(pFaceRecord->getVertexAt(corner)));
        if (index > numVertices() || (index == 0 && corner < kRequiredCorners)) {
            throw OdError(eInvalidIndex, L"face record names no vertex of the mesh");
        }
    }
    m_faces.emplace_back(pFaceRecord);
    adoptOwnedObject(pFaceRecord);
    return pFaceRecord->objectId();
}

OdDbObjectIteratorPtr OdDbPolyFaceMesh::vertexIterator() const {
    std::vector<OdDbObject*> faces;
    faces.reserve(m_faces.size());
    for (const OdDbFaceRecordPtr& pFace : m_faces) {
        faces.push_back(pFace.get());
    }
    return odtkNewListIterator(this, m_vertices, faces);
}

void OdDbPolyFaceMesh::subSetDatabase(OdDbDatabase* pDatabase) {
    for (const OdDbPolyFaceMeshVertexPtr& pVertex : m_vertices) {
        setDatabaseOf(pVertex.get(), pDatabase);
    }
    for (const OdDbFaceRecordPtr& pFace : m_faces) {
        setDatabaseOf(pFace.get(), pDatabase);
    }
    if (pDatabase && m_seqEndHandle == 0) {
        m_seqEndHandle = allocateHandle(pDatabase);
    }
}

OdResult OdDbPolyFaceMesh::getGeomExtents(OdGeExtents3d& extents) const {
    extents = OdGeExtents3d();
    for (const OdDbPolyFaceMeshVertexPtr& pVertex : m_vertices) {
        extents.addPoint(pVertex->position());
    }
    return eOk;
}

void OdDbPolyFaceMesh::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbEntity::dxfOutFields(pFiler);
    pFiler->wrSubclassMarker(kSubclass);
    pFiler->wrInt16(kEntitiesFollowCode, kVerticesFollow);
    pFiler->wrPoint3d(kElevationPointCode, OdGePoint3d::kOrigin);
    pFiler->wrInt16(kFlagsCode, kPolyFaceMeshFlag);
    pFiler->wrInt16(kVertexCountCode, numVertices());
    pFiler->wrInt16(kFaceCountCode, numFaces());
    for (const OdDbPolyFaceMeshVertexPtr& pVertex : m_vertices) {
        pFiler->wrObject(pVertex.get());
    }
    for (const OdDbFaceRecordPtr& pFace : m_faces) {
        pFiler->wrObject(pFace.get());
    }
    pFiler->wrSequenceEnd(m_seqEndHandle, getDbHandle());
}

unsigned int OdDbPolyFaceMesh::dxfRecordCount() const {
    // The mesh's own record, a VERTEX record per vertex and per face record, the SEQEND.
    return static_cast<unsigned int>(2 + m_vertices.size() + m_faces.size());
}
