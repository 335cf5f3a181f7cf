// Kestrin drawing toolkit.
// OdDbArc and its DXF record ARC. Angles are kept as set; the file gets them reduced to
// [0, 2pi) (as degrees), which readers expect and which draws the same arc.
#include "DbArc.h"

#include "CircleDxf.h"
#include "CircleExtents.h"
#include "GeometryChecks.h"
#include "ToolkitFaults.h"

#include <cmath>

namespace {
// DXF group codes of the AcDbArc subclass.
constexpr char kSubclass[] = "AcDbArc";
constexpr int kStartAngleCode = 50;
constexpr int kEndAngleCode = 51;

constexpr double kTwoPi = 6.28318530717958647692;

double ReduceAngle(double angle) {
    double reduced = std::fmod(angle, kTwoPi);
    if (reduced < 0.0) {
        reduced += kTwoPi;
    }
    return reduced >= kTwoPi ? 0.0 : reduced; // -tiny + 2pi rounds to 2pi
}
} // namespace

ODRX_CONS_DEFINE_MEMBERS(OdDbArc, OdDbCurve, new OdDbArc, "ARC")

void OdDbArc::setCenter(const OdGePoint3d& center) {
    odtk::CheckSetterFault(OdToolkitSetter::ArcSetCenter);
    assertWriteEnabled();
    odtk::RequireFinite(center);
    m_center = center;
}

void OdDbArc::setRadius(double radius) {
    odtk::CheckSetterFault(OdToolkitSetter::ArcSetRadius);
    assertWriteEnabled();
    odtk::RequireRadius(radius);
    m_radius = radius;
}

void OdDbArc::setNormal(const OdGeVector3d& normal) {
    odtk::CheckSetterFault(OdToolkitSetter::ArcSetNormal);
    assertWriteEnabled();
    odtk::RequireNormal(normal);
    m_normal = normal;
}

void OdDbArc::setStartAngle(double angle) {
    odtk::CheckSetterFault(OdToolkitSetter::ArcSetStartAngle);
    assertWriteEnabled();
    odtk::RequireFinite(angle);
    m_startAngle = angle;
}

void OdDbArc::setEndAngle(double angle) {
    odtk::CheckSetterFault(OdToolkitSetter::ArcSetEndAngle);
    assertWriteEnabled();
    odtk::RequireFinite(angle);
    m_endAngle = angle;
}

OdResult OdDbArc::getGeomExtents(OdGeExtents3d& extents) const {
    // The arc as a file gives it, from the reduced start angle counterclockwise to the reduced
    // end angle.
    const double startAngle = ReduceAngle(m_startAngle);
    double sweep = ReduceAngle(m_endAngle) - startAngle;
    if (sweep < 0.0) {
        sweep += kTwoPi;
    }
    extents = odtk::ArcExtents(m_center, m_radius, m_normal, startAngle, sweep);
    return eOk;
}

void OdDbArc::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbEntity::dxfOutFields(pFiler);
    odtk::WriteCircleFields(pFiler, m_center, m_radius, m_normal);
    pFiler->wrSubclassMarker(kSubclass);
    pFiler->wrAngle(kStartAngleCode, ReduceAngle(m_startAngle));
    pFiler->wrAngle(kEndAngleCode, ReduceAngle(m_endAngle));
}
