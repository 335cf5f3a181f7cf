// Kestrin drawing toolkit.
// OdDb3dPolyline: its vertex list, and its DXF records: POLYLINE (flag 8, +1 when closed), one
// VERTEX per vertex, then SEQEND. The SEQEND handle is taken after the vertices' handles.
#include "Db3dPolyline.h"

#include "DbFiler.h"
#include "DbObjectIteratorImpl.h"
#include "DxfGroupCodes.h"
#include "ToolkitFaults.h"

namespace {
// DXF group codes of the AcDb3dPolyline subclass.
constexpr char kSubclass[] = "AcDb3dPolyline";
using odtk::dxf::kEntitiesFollowCode;
constexpr OdInt16 kVerticesFollow = 1;
constexpr int kElevationPointCode = odtk::dxf::kPointCode; // always (0,0,0) for 3D polylines
using odtk::dxf::kFlagsCode;
constexpr OdInt16 kClosedFlag = 1;
constexpr OdInt16 k3dPolylineFlag = 8;
} // namespace

ODRX_CONS_DEFINE_MEMBERS(OdDb3dPolyline, OdDbCurve, new OdDb3dPolyline, "POLYLINE")

OdDb3dPolyline::~OdDb3dPolyline() {
    for (const OdDb3dPolylineVertexPtr& pVertex : m_vertices) {
        detachIfShared(pVertex.get());
    }
}

OdDbObjectId OdDb3dPolyline::appendVertex(OdDb3dPolylineVertex* pVertex) {
    odtk::CheckSetterFault(OdToolkitSetter::PolylineAppendVertex);
    assertWriteEnabled();
    requireAdoptable(pVertex);
    m_vertices.emplace_back(pVertex);
    adoptOwnedObject(pVertex);
    return pVertex->objectId();
}

void OdDb3dPolyline::makeClosed() {
    odtk::CheckSetterFault(OdToolkitSetter::PolylineMakeClosed);
    assertWriteEnabled();
    m_bClosed = true;
}

void OdDb3dPolyline::makeOpen() {
    assertWriteEnabled();
    m_bClosed = false;
}

OdDbObjectIteratorPtr OdDb3dPolyline::vertexIterator() const {
    return odtkNewListIterator(this, m_vertices);
}

void OdDb3dPolyline::subSetDatabase(OdDbDatabase* pDatabase) {
    for (const OdDb3dPolylineVertexPtr& pVertex : m_vertices) {
        setDatabaseOf(pVertex.get(), pDatabase);
    }
    if (pDatabase && m_seqEndHandle == 0) {
        m_seqEndHandle = allocateHandle(pDatabase);
    }
}

OdResult OdDb3dPolyline::getGeomExtents(OdGeExtents3d& extents) const {
    extents = OdGeExtents3d();
    for (const OdDb3dPolylineVertexPtr& pVertex : m_vertices) {
        extents.addPoint(pVertex->position());
    }
    return eOk;
}

void OdDb3dPolyline::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbEntity::dxfOutFields(pFiler);
    pFiler->wrSubclassMarker(kSubclass);
    pFiler->wrInt16(kEntitiesFollowCode, kVerticesFollow);
    pFiler->wrPoint3d(kElevationPointCode, OdGePoint3d::kOrigin);
    pFiler->wrInt16(kFlagsCode,
                    static_cast<OdInt16>(k3dPolylineFlag | (m_bClosed ? kClosedFlag : 0)));
    for (const OdDb3dPolylineVertexPtr& pVertex : m_vertices) {
        pFiler->wrObject(pVertex.get());
    }
    pFiler->wrSequenceEnd(m_seqEndHandle, getDbHandle());
}

unsigned int OdDb3dPolyline::dxfRecordCount() const {
    // The polyline's own record, a VERTEX record per vertex, the SEQEND.
    return static_cast<unsigned int>(2 + m_vertices.size());
}
