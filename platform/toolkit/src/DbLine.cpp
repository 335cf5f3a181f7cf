// Kestrin drawing toolkit.
// OdDbLine and its DXF record LINE.
#include "DbLine.h"

#include "DbFiler.h"
#include "DxfGroupCodes.h"
#include "GeometryChecks.h"
#include "ToolkitFaults.h"

namespace {
// DXF group codes of the AcDbLine subclass.
constexpr char kSubclass[] = "AcDbLine";
constexpr int kStartCode = odtk::dxf::kPointCode;
constexpr int kEndCode = 11;
} // namespace

ODRX_CONS_DEFINE_MEMBERS(OdDbLine, OdDbCurve, new OdDbLine, "LINE")

void OdDbLine::setStartPoint(const OdGePoint3d& point) {
    odtk::CheckSetterFault(OdToolkitSetter::LineSetStartPoint);
    assertWriteEnabled();
    odtk::RequireFinite(point);
    m_start = point;
}

void OdDbLine::setEndPoint(const OdGePoint3d& point) {
    odtk::CheckSetterFault(OdToolkitSetter::LineSetEndPoint);
    assertWriteEnabled();
    odtk::RequireFinite(point);
    m_end = point;
}

OdResult OdDbLine::getGeomExtents(OdGeExtents3d& extents) const {
    extents = OdGeExtents3d();
    extents.addPoint(m_start).addPoint(m_end);
    return eOk;
}

void OdDbLine::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbEntity::dxfOutFields(pFiler);
    pFiler->wrSubclassMarker(kSubclass);
    pFiler->wrPoint3d(kStartCode, m_start);
    pFiler->wrPoint3d(kEndCode, m_end);
}
