// Kestrin drawing toolkit.
// OdDbFace: a 3D face with four world corners (DXF 3DFACE); a triangle repeats its third corner.
#pragma once

#include "DbEntity.h"
#include "Ge/GePoint3d.h"

/* Description:
     A 3D face entity. All corners default to (0,0,0); all edges are visible.
*/
class OdDbFace : public OdDbEntity {
public:
    ODRX_DECLARE_MEMBERS(OdDbFace);

    static constexpr OdUInt16 kCornerCount = 4;

    /* Description:
         Returns a corner.
       Parameters:
         cornerIndex - [in] 0 to 3.
         point       - [out] the corner.
       Returns:
         eOk, or eInvalidIndex for a corner above 3 (point unchanged).
    */
    OdResult getVertexAt(OdUInt16 cornerIndex, OdGePoint3d& point) const;

    /* Description:
         Sets a corner.
       Remarks:
         Raises OdError: eInvalidIndex for a corner above 3, eInvalidInput for a non-finite
         coordinate. Nothing changes then.
    */
    void setVertexAt(OdUInt16 cornerIndex, const OdGePoint3d& point);

    OdResult getGeomExtents(OdGeExtents3d& extents) const override;
    void dxfOutFields(OdDbDxfFiler* pFiler) const override;

protected:
    OdDbFace() = default;

private:
    OdGePoint3d m_corners[kCornerCount]; // finite
};

typedef OdSmartPtr<OdDbFace> OdDbFacePtr;
