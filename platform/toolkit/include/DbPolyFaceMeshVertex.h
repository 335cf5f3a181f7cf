// Kestrin drawing toolkit.
// OdDbPolyFaceMeshVertex: one position vertex of a polyface mesh.
#pragma once

#include "DbVertex.h"
#include "Ge/GePoint3d.h"

/* Description:
     A polyface mesh vertex. Default position (0,0,0).
*/
class OdDbPolyFaceMeshVertex : public OdDbVertex {
public:
    ODRX_DECLARE_MEMBERS(OdDbPolyFaceMeshVertex);

    const OdGePoint3d& position() const { return m_position; }

    /* Description:
         Sets the position. Raises OdError(eInvalidInput) for a non-finite coordinate.
    */
    void setPosition(const OdGePoint3d& position);

    void dxfOutFields(OdDbDxfFiler* pFiler) const override;

protected:
    OdDbPolyFaceMeshVertex() = default;

private:
    OdGePoint3d m_position; // finite
};

typedef OdSmartPtr<OdDbPolyFaceMeshVertex> OdDbPolyFaceMeshVertexPtr;
