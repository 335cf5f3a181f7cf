// Kestrin drawing toolkit.
// OdDbFace and its DXF record 3DFACE (four corners, all edges visible).
#include "DbFace.h"

#include "DbFiler.h"
#include "DxfGroupCodes.h"
#include "GeometryChecks.h"
#include "ToolkitFaults.h"

namespace {
// DXF group codes of the AcDbFace subclass.
constexpr char kSubclass[] = "AcDbFace";
constexpr int kFirstCornerCode = odtk::dxf::kPointCode; // corners 0..3 in 10..13
} // namespace

ODRX_CONS_DEFINE_MEMBERS(OdDbFace, OdDbEntity, new OdDbFace, "3DFACE")

OdResult OdDbFace::getVertexAt(OdUInt16 cornerIndex, OdGePoint3d& point) const {
    if (cornerIndex >= kCornerCount) {
        return eInvalidIndex;
    }
    point = m_corners[cornerIndex];
    return eOk;
}

void OdDbFace::setVertexAt(OdUInt16 cornerIndex, const OdGePoint3d& point) {
    odtk::CheckSetterFault(OdToolkitSetter::FaceSetVertexAt);
    assertWriteEnabled();
    if (cornerIndex >= kCornerCount) {
        throw OdError(eInvalidIndex);
    }
    odtk::RequireFinite(point);
    m_corners[cornerIndex] = point;
}

OdResult OdDbFace::getGeomExtents(OdGeExtents3d& extents) const {
    extents = OdGeExtents3d();
    for (const OdGePoint3d& corner : m_corners) {
        extents.addPoint(corner);
    }
    return eOk;
}

void OdDbFace::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbEntity::dxfOutFields(pFiler);
    pFiler->wrSubclassMarker(kSubclass);
    for (OdUInt16 corner = 0; corner < kCornerCount; ++corner) {
        pFiler->wrPoint3d(kFirstCornerCode + corner, m_corners[corner]);
    }
}
