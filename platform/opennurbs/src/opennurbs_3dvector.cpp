// Kestrin openNURBS-compatible geometry.
// ON_3dVector arithmetic, products and unitizing.
#include "opennurbs_3dvector.h"

#include "opennurbs_3dpoint.h"

#include <cmath>

const ON_3dVector ON_3dVector::ZeroVector(0.0, 0.0, 0.0);
const ON_3dVector ON_3dVector::XAxis(1.0, 0.0, 0.0);
const ON_3dVector ON_3dVector::YAxis(0.0, 1.0, 0.0);
const ON_3dVector ON_3dVector::ZAxis(0.0, 0.0, 1.0);
const ON_3dVector ON_3dVector::UnsetVector(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE);

ON_3dVector::ON_3dVector(const ON_3dPoint& p) : x(p.x), y(p.y), z(p.z) {}

double& ON_3dVector::operator[](int i) {
    return i == 0 ? x : (i == 1 ? y : z);
}

double ON_3dVector::operator[](int i) const {
    return i == 0 ? x : (i == 1 ? y : z);
}

ON_3dVector& ON_3dVector::operator+=(const ON_3dVector& v) {
    x += v.x;
    y += v.y;
    z += v.z;
    return *this;
}

ON_3dVector& ON_3dVector::operator-=(const ON_3dVector& v) {
    x -= v.x;
    y -= v.y;
    z -= v.z;
    return *this;
}

ON_3dVector& ON_3dVector::operator*=(double s) {
    x *= s;
    y *= s;
    z *= s;
    return *this;
}

ON_3dVector& ON_3dVector::operator/=(double s) {
    x /= s;
    y /= s;
    z /= s;
    return *this;
}

ON_3dVector ON_3dVector::operator-() const {
    return ON_3dVector(-x, -y, -z);
}

ON_3dVector ON_3dVector::operator+(const ON_3dVector& v) const {
    return ON_3dVector(x + v.x, y + v.y, z + v.z);
}

ON_3dVector ON_3dVector::operator-(const ON_3dVector& v) const {
    return ON_3dVector(x - v.x, y - v.y, z - v.z);
}

ON_3dVector ON_3dVector::operator*(double s) const {
    return ON_3dVector(x * s, y * s, z * s);
}

ON_3dVector ON_3dVector::operator/(double s) const {
    return ON_3dVector(x / s, y / s, z / s);
}

double ON_3dVector::operator*(const ON_3dVector& v) const {
    return x * v.x + y * v.y + z * v.z;
}

bool ON_3dVector::operator==(const ON_3dVector& v) const {
    return x == v.x && y == v.y && z == v.z;
}

bool ON_3dVector::operator!=(const ON_3dVector& v) const {
    return !(*this == v);
}

void ON_3dVector::Set(double xValue, double yValue, double zValue) {
    x = xValue;
    y = yValue;
    z = zValue;
}

double ON_3dVector::Length() const {
    // hypot-style scaling keeps tiny and huge vectors from underflowing or overflowing.
    return std::hypot(x, y, z);
}

double ON_3dVector::LengthSquared() const {
    return x * x + y * y + z * z;
}

bool ON_3dVector::Unitize() {
    const double length = Length();
    if (!(length > 0.0) || !std::isfinite(length)) {
        return false;
    }
    x /= length;
    y /= length;
    z /= length;
    return true;
}

ON_3dVector ON_3dVector::UnitVector() const {
    ON_3dVector unit = *this;
    return unit.Unitize() ? unit : ZeroVector;
}

bool ON_3dVector::IsZero() const {
    return x == 0.0 && y == 0.0 && z == 0.0;
}

bool ON_3dVector::IsTiny(double tiny_tol) const {
    return std::fabs(x) <= tiny_tol && std::fabs(y) <= tiny_tol && std::fabs(z) <= tiny_tol;
}

bool ON_3dVector::IsUnitVector() const {
    return std::fabs(Length() - 1.0) <= ON_SQRT_EPSILON;
}

bool ON_3dVector::IsValid() const {
    return ON_IsValid(x) && ON_IsValid(y) && ON_IsValid(z);
}

bool ON_3dVector::PerpendicularTo(const ON_3dVector& v) {
    const double ax = std::fabs(v.x);
    const double ay = std::fabs(v.y);
    const double az = std::fabs(v.z);
    // Keep the smallest coordinate at 0 and rotate the other two by 90 degrees.
    if (az <= ax && az <= ay) {
        Set(-v.y, v.x, 0.0);
    } else if (ay <= ax) {
        Set(-v.z, 0.0, v.x);
    } else {
        Set(0.0, -v.z, v.y);
    }
    return !IsZero();
}

ON_3dVector operator*(double s, const ON_3dVector& v) {
    return v * s;
}

double ON_DotProduct(const ON_3dVector& a, const ON_3dVector& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

ON_3dVector ON_CrossProduct(const ON_3dVector& a, const ON_3dVector& b) {
    return ON_3dVector(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}
