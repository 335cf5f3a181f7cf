// Kestrin openNURBS-compatible geometry.
// ON_3dPoint arithmetic and queries.
#include "opennurbs_3dpoint.h"

#include "opennurbs_3dvector.h"
#include "opennurbs_3fpoint.h"
#include "opennurbs_4dpoint.h"
#include "opennurbs_defines.h"

#include <cmath>

const ON_3dPoint ON_3dPoint::Origin(0.0, 0.0, 0.0);
const ON_3dPoint ON_3dPoint::UnsetPoint(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE);

ON_3dPoint::ON_3dPoint(const ON_3fPoint& p) : x(p.x), y(p.y), z(p.z) {}

ON_3dPoint::ON_3dPoint(const ON_4dPoint& p) : x(p.x), y(p.y), z(p.z) {
    if (p.w != 0.0 && p.w != 1.0) {
        const double s = 1.0 / p.w;
        x *= s;
        y *= s;
        z *= s;
    }
}

ON_3dPoint::ON_3dPoint(const ON_3dVector& v) : x(v.x), y(v.y), z(v.z) {}

ON_3dPoint::ON_3dPoint(const double* xyz) : x(xyz[0]), y(xyz[1]), z(xyz[2]) {}

double& ON_3dPoint::operator[](int i) {
    return i == 0 ? x : (i == 1 ? y : z);
}

double ON_3dPoint::operator[](int i) const {
    return i == 0 ? x : (i == 1 ? y : z);
}

ON_3dPoint& ON_3dPoint::operator+=(const ON_3dVector& v) {
    x += v.x;
    y += v.y;
    z += v.z;
    return *this;
}

ON_3dPoint& ON_3dPoint::operator-=(const ON_3dVector& v) {
    x -= v.x;
    y -= v.y;
    z -= v.z;
    return *this;
}

ON_3dPoint& ON_3dPoint::operator*=(double s) {
    x *= s;
    y *= s;
    z *= s;
    return *this;
}

ON_3dPoint& ON_3dPoint::operator/=(double s) {
    x /= s;
    y /= s;
    z /= s;
    return *this;
}

ON_3dPoint ON_3dPoint::operator+(const ON_3dVector& v) const {
    return ON_3dPoint(x + v.x, y + v.y, z + v.z);
}

ON_3dPoint ON_3dPoint::operator-(const ON_3dVector& v) const {
    return ON_3dPoint(x - v.x, y - v.y, z - v.z);
}

ON_3dPoint ON_3dPoint::operator+(const ON_3dPoint& p) const {
    return ON_3dPoint(x + p.x, y + p.y, z + p.z);
}

ON_3dVector ON_3dPoint::operator-(const ON_3dPoint& p) const {
    return ON_3dVector(x - p.x, y - p.y, z - p.z);
}

ON_3dPoint ON_3dPoint::operator*(double s) const {
    return ON_3dPoint(x * s, y * s, z * s);
}

ON_3dPoint ON_3dPoint::operator/(double s) const {
    return ON_3dPoint(x / s, y / s, z / s);
}

bool ON_3dPoint::operator==(const ON_3dPoint& p) const {
    return x == p.x && y == p.y && z == p.z;
}

bool ON_3dPoint::operator!=(const ON_3dPoint& p) const {
    return !(*this == p);
}

void ON_3dPoint::Set(double xValue, double yValue, double zValue) {
    x = xValue;
    y = yValue;
    z = zValue;
}

double ON_3dPoint::DistanceTo(const ON_3dPoint& p) const {
    return (p - *this).Length();
}

bool ON_3dPoint::IsValid() const {
    return ON_IsValid(x) && ON_IsValid(y) && ON_IsValid(z);
}

double ON_3dPoint::MaximumCoordinate() const {
    return std::fmax(std::fabs(x), std::fmax(std::fabs(y), std::fabs(z)));
}

ON_3dPoint operator*(double s, const ON_3dPoint& p) {
    return p * s;
}
