// Kestrin drawing toolkit.
// OdDbCurve: the base of the entities that are curves (lines, circles, arcs, splines, polylines).
#pragma once

#include "DbEntity.h"

/* Description:
     Abstract base of curve entities.
*/
class OdDbCurve : public OdDbEntity {
public:
    ODRX_DECLARE_MEMBERS(OdDbCurve);

protected:
    OdDbCurve() = default;
};

typedef OdSmartPtr<OdDbCurve> OdDbCurvePtr;
