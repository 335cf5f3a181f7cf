// Kestrin drawing toolkit.
// OdDbPoint: a point entity at a world position (DXF POINT).
#pragma once

#include "DbEntity.h"
#include "Ge/GePoint3d.h"

/* Description:
     A point entity. Default position (0,0,0).
*/
class OdDbPoint : public OdDbEntity {
public:
    ODRX_DECLARE_MEMBERS(OdDbPoint);

    const OdGePoint3d& position() const { return m_position; }

    /* Description:
         Sets the position (world coordinates).
       Remarks:
         Raises OdError(eInvalidInput) for a non-finite coordinate; the position is then
         unchanged.
    */
    void setPosition(const OdGePoint3d& position);

    OdResult getGeomExtents(OdGeExtents3d& extents) const override;
    void dxfOutFields(OdDbDxfFiler* pFiler) const override;

protected:
    OdDbPoint() = default;

private:
    OdGePoint3d m_position; // finite
};

typedef OdSmartPtr<OdDbPoint> OdDbPointPtr;
