// Kestrin drawing toolkit.
// OdDb3dPolylineVertex: one vertex of a 3D polyline, at a world position.
#pragma once

#include "DbVertex.h"
#include "Ge/GePoint3d.h"

/* Description:
     A 3D polyline vertex. Default position (0,0,0).
*/
class OdDb3dPolylineVertex : public OdDbVertex {
public:
    ODRX_DECLARE_MEMBERS(OdDb3dPolylineVertex);

    const OdGePoint3d& position() const { return m_position; }

    /* Description:
         Sets the position. Raises OdError(eInvalidInput) for a non-finite coordinate.
    */
    void setPosition(const OdGePoint3d& position);

    void dxfOutFields(OdDbDxfFiler* pFiler) const override;

protected:
    OdDb3dPolylineVertex() = default;

private:
    OdGePoint3d m_position; // finite
};

typedef OdSmartPtr<OdDb3dPolylineVertex> OdDb3dPolylineVertexPtr;
