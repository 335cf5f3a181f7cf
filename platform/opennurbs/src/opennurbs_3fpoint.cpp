// Kestrin openNURBS-compatible geometry.
// ON_3fPoint: construction, rounding from double and exact comparison.
#include "opennurbs_3fpoint.h"

#include "opennurbs_3dpoint.h"
#include "opennurbs_defines.h"

ON_3fPoint::ON_3fPoint(const ON_3dPoint& p)
    : x(static_cast<float>(p.x)), y(static_cast<float>(p.y)), z(static_cast<float>(p.z)) {}

float& ON_3fPoint::operator[](int i) {
    return i == 0 ? x : (i == 1 ? y : z);
}

float ON_3fPoint::operator[](int i) const {
    return i == 0 ? x : (i == 1 ? y : z);
}

bool ON_3fPoint::operator==(const ON_3fPoint& p) const {
    return x == p.x && y == p.y && z == p.z;
}

bool ON_3fPoint::operator!=(const ON_3fPoint& p) const {
    return !(*this == p);
}

void ON_3fPoint::Set(float xValue, float yValue, float zValue) {
    x = xValue;
    y = yValue;
    z = zValue;
}

bool ON_3fPoint::IsValid() const {
    return ON_IsValidFloat(x) && ON_IsValidFloat(y) && ON_IsValidFloat(z);
}
