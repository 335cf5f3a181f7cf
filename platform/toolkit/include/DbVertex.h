// Kestrin drawing toolkit.
// OdDbVertex: the base of the vertex objects that polylines and polyface meshes own (DXF VERTEX).
#pragma once

#include "DbEntity.h"

/* Description:
     Abstract base of polyline and polyface vertices.
*/
class OdDbVertex : public OdDbEntity {
public:
    ODRX_DECLARE_MEMBERS(OdDbVertex);

protected:
    OdDbVertex() = default;
};

typedef OdSmartPtr<OdDbVertex> OdDbVertexPtr;
