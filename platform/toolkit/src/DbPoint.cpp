// Kestrin drawing toolkit.
// OdDbPoint and its DXF record POINT.
#include "DbPoint.h"

#include "DbFiler.h"
#include "DxfGroupCodes.h"
#include "GeometryChecks.h"
#include "ToolkitFaults.h"

namespace {
// DXF group codes of the AcDbPoint subclass.
constexpr char kSubclass[] = "AcDbPoint";
constexpr int kPositionCode = odtk::dxf::kPointCode;
} // namespace

ODRX_CONS_DEFINE_MEMBERS(OdDbPoint, OdDbEntity, new OdDbPoint, "POINT")

void OdDbPoint::setPosition(const OdGePoint3d& position) {
    odtk::CheckSetterFault(OdToolkitSetter::PointSetPosition);
    assertWriteEnabled();
    odtk::RequireFinite(position);
    m_position = position;
}

OdResult OdDbPoint::getGeomExtents(OdGeExtents3d& extents) const {
    extents = OdGeExtents3d();
    extents.addPoint(m_position);
    return eOk;
}

void OdDbPoint::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbEntity::dxfOutFields(pFiler);
    pFiler->wrSubclassMarker(kSubclass);
    pFiler->wrPoint3d(kPositionCode, m_position);
}
