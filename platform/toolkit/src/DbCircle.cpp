// Kestrin drawing toolkit.
// OdDbCircle and its DXF record CIRCLE.
#include "DbCircle.h"

#include "CircleDxf.h"
#include "CircleExtents.h"
#include "GeometryChecks.h"
#include "ToolkitFaults.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbCircle, OdDbCurve, new OdDbCircle, "CIRCLE")

void OdDbCircle::setCenter(const OdGePoint3d& center) {
    odtk::CheckSetterFault(OdToolkitSetter::CircleSetCenter);
    assertWriteEnabled();
    odtk::RequireFinite(center);
    m_center = center;
}

void OdDbCircle::setRadius(double radius) {
    odtk::CheckSetterFault(OdToolkitSetter::CircleSetRadius);
    assertWriteEnabled();
    odtk::RequireRadius(radius);
    m_radius = radius;
}

void OdDbCircle::setNormal(const OdGeVector3d& normal) {
    odtk::CheckSetterFault(OdToolkitSetter::CircleSetNormal);
    assertWriteEnabled();
    odtk::RequireNormal(normal);
    m_normal = normal;
}

OdResult OdDbCircle::getGeomExtents(OdGeExtents3d& extents) const {
    extents = odtk::CircleExtents(m_center, m_radius, m_normal);
    return eOk;
}

void OdDbCircle::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbEntity::dxfOutFields(pFiler);
    odtk::WriteCircleFields(pFiler, m_center, m_radius, m_normal);
}
