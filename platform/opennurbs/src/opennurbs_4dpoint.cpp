// Kestrin openNURBS-compatible geometry.
// ON_4dPoint: homogeneous points for rational control points.
#include "opennurbs_4dpoint.h"

#include "opennurbs_3dpoint.h"
#include "opennurbs_defines.h"

ON_4dPoint::ON_4dPoint(const ON_3dPoint& p) : x(p.x), y(p.y), z(p.z), w(1.0) {}

double& ON_4dPoint::operator[](int i) {
    return i == 0 ? x : (i == 1 ? y : (i == 2 ? z : w));
}

double ON_4dPoint::operator[](int i) const {
    return i == 0 ? x : (i == 1 ? y : (i == 2 ? z : w));
}

bool ON_4dPoint::operator==(const ON_4dPoint& p) const {
    return x == p.x && y == p.y && z == p.z && w == p.w;
}

bool ON_4dPoint::operator!=(const ON_4dPoint& p) const {
    return !(*this == p);
}

bool ON_4dPoint::IsValid() const {
    return ON_IsValid(x) && ON_IsValid(y) && ON_IsValid(z) && ON_IsValid(w);
}
