// Kestrin openNURBS-compatible geometry.
// ON_PlaneEquation: implicit plane form and signed distance.
#include "opennurbs_planeequation.h"

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"

bool ON_PlaneEquation::Create(const ON_3dPoint& point, const ON_3dVector& normal) {
    ON_3dVector unit = normal;
    if (!unit.Unitize()) {
        return false;
    }
    x = unit.x;
    y = unit.y;
    z = unit.z;
    d = -(x * point.x + y * point.y + z * point.z);
    return true;
}

double ON_PlaneEquation::ValueAt(const ON_3dPoint& point) const {
    return x * point.x + y * point.y + z * point.z + d;
}
