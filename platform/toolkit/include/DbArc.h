// Kestrin drawing toolkit.
// OdDbArc: a circular arc: centre, radius, plane normal and start and end angles in radians,
// measured counterclockwise about the normal from the x axis of the arc's object coordinate
// system (the arbitrary axis rule). Angles and normal are stored as given: angles are not reduced
// to [0, 2pi) and the normal is not normalized.
#pragma once

#include "DbCurve.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

/* Description:
     An arc entity. Defaults: centre (0,0,0), radius 0, normal (0,0,1), both angles 0.
   Remarks:
     The arc runs counterclockwise from the start angle to the end angle; an end angle below
     the start angle means the arc passes angle 0 (2pi is added when drawing).
*/
class OdDbArc : public OdDbCurve {
public:
    ODRX_DECLARE_MEMBERS(OdDbArc);

    const OdGePoint3d& center() const { return m_center; }
    double radius() const { return m_radius; }
    const OdGeVector3d& normal() const { return m_normal; }
    double startAngle() const { return m_startAngle; }
    double endAngle() const { return m_endAngle; }

    /* Description:
         Sets the centre. Raises OdError(eInvalidInput) for a non-finite coordinate.
    */
    void setCenter(const OdGePoint3d& center);

    /* Description:
         Sets the radius. Raises OdError(eInvalidInput) when negative or non-finite.
    */
    void setRadius(double radius);

    /* Description:
         Sets the normal, stored as given.
       Remarks:
         Raises OdError: eInvalidInput for a non-finite component, eDegenerateGeometry for a
         vector that cannot be normalized (length within OdGeContext::gTol).
    */
    void setNormal(const OdGeVector3d& normal);

    /* Description:
         Sets the start angle in radians, stored unreduced.
       Remarks:
         Raises OdError(eInvalidInput) for a non-finite angle.
    */
    void setStartAngle(double angle);

    /* Description:
         Sets the end angle in radians, stored unreduced (3pi stays 3pi).
       Remarks:
         Raises OdError(eInvalidInput) for a non-finite angle.
    */
    void setEndAngle(double angle);

    OdResult getGeomExtents(OdGeExtents3d& extents) const override;
    void dxfOutFields(OdDbDxfFiler* pFiler) const override;

protected:
    OdDbArc() = default;

private:
    OdGePoint3d m_center;                         // finite
    double m_radius = 0.0;                        // finite, >= 0
    OdGeVector3d m_normal = OdGeVector3d::kZAxis; // finite, longer than gTol
    double m_startAngle = 0.0;                    // radians, finite, unreduced
    double m_endAngle = 0.0;                      // radians, finite, unreduced
};

typedef OdSmartPtr<OdDbArc> OdDbArcPtr;
