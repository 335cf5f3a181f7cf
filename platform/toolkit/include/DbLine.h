// Kestrin drawing toolkit.
// OdDbLine: a line segment between two world points (DXF LINE).
#pragma once

#include "DbCurve.h"
#include "Ge/GePoint3d.h"

/* Description:
     A line entity. Both ends default to (0,0,0); the ends may coincide.
*/
class OdDbLine : public OdDbCurve {
public:
    ODRX_DECLARE_MEMBERS(OdDbLine);

    const OdGePoint3d& startPoint() const { return m_start; }
    const OdGePoint3d& endPoint() const { return m_end; }

    /* Description:
         Sets the start point.
       Remarks:
         Raises OdError(eInvalidInput) for a non-finite coordinate (nothing changes).
    */
    void setStartPoint(const OdGePoint3d& point);

    /* Description:
         Sets the end point.
       Remarks:
         Raises OdError(eInvalidInput) for a non-finite coordinate (nothing changes).
    */
    void setEndPoint(const OdGePoint3d& point);

    OdResult getGeomExtents(OdGeExtents3d& extents) const override;
    void dxfOutFields(OdDbDxfFiler* pFiler) const override;

protected:
    OdDbLine() = default;

private:
    OdGePoint3d m_start; // finite
    OdGePoint3d m_end;   // finite
};

typedef OdSmartPtr<OdDbLine> OdDbLinePtr;
