// Kestrin drawing toolkit.
// OdDbCircle: a full circle given by its world centre, radius and plane normal (DXF CIRCLE).
// The normal is stored as given, not normalized; whoever needs the unit normal (the object
// coordinate system of a file) normalizes it where it is used.
#pragma once

#include "DbCurve.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

/* Description:
     A circle entity. Defaults: centre (0,0,0), radius 0, normal (0,0,1).
*/
class OdDbCircle : public OdDbCurve {
public:
    ODRX_DECLARE_MEMBERS(OdDbCircle);

    const OdGePoint3d& center() const { return m_center; }
    double radius() const { return m_radius; }
    const OdGeVector3d& normal() const { return m_normal; }

    /* Description:
         Sets the centre (world coordinates).
       Remarks:
         Raises OdError(eInvalidInput) for a non-finite coordinate (nothing changes).
    */
    void setCenter(const OdGePoint3d& center);

    /* Description:
         Sets the radius.
       Remarks:
         Raises OdError(eInvalidInput) for a negative or non-finite radius (nothing changes).
    */
    void setRadius(double radius);

    /* Description:
         Sets the normal of the circle's plane, stored as given.
       Remarks:
         Raises OdError: eInvalidInput for a non-finite component, eDegenerateGeometry for a
         vector that cannot be normalized (length within OdGeContext::gTol). Nothing changes then.
    */
    void setNormal(const OdGeVector3d& normal);

    OdResult getGeomExtents(OdGeExtents3d& extents) const override;
    void dxfOutFields(OdDbDxfFiler* pFiler) const override;

protected:
    OdDbCircle() = default;

private:
    OdGePoint3d m_center;                         // finite
    double m_radius = 0.0;                        // finite, >= 0
    OdGeVector3d m_normal = OdGeVector3d::kZAxis; // finite, longer than gTol
};

typedef OdSmartPtr<OdDbCircle> OdDbCirclePtr;
