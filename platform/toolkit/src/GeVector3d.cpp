// Kestrin drawing toolkit.
// OdGeVector3d algebra, the global tolerance and the constant points and vectors.
#include "Ge/GeVector3d.h"
#include "Ge/GePoint3d.h"

#include <cmath>

OdGeTol OdGeContext::gTol;

const OdGeVector3d OdGeVector3d::kIdentity(0.0, 0.0, 0.0);
const OdGeVector3d OdGeVector3d::kXAxis(1.0, 0.0, 0.0);
const OdGeVector3d OdGeVector3d::kYAxis(0.0, 1.0, 0.0);
const OdGeVector3d OdGeVector3d::kZAxis(0.0, 0.0, 1.0);
const OdGePoint3d OdGePoint3d::kOrigin(0.0, 0.0, 0.0);

namespace {
constexpr double kTwoPi = 6.28318530717958647692;
}

double OdGeVector3d::length() const {
    return std::sqrt(lengthSqrd());
}

OdGeVector3d OdGeVector3d::crossProduct(const OdGeVector3d& v) const {
    return OdGeVector3d(y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x);
}

double OdGeVector3d::angleTo(const OdGeVector3d& v) const {
    // atan2 of |a x b| and a . b stays accurate for nearly parallel vectors, where acos does not.
    return std::atan2(crossProduct(v).length(), dotProduct(v));
}

double OdGeVector3d::angleTo(const OdGeVector3d& v, const OdGeVector3d& reference) const {
    const double angle = angleTo(v);
    if (reference.dotProduct(crossProduct(v)) >= 0.0) {
        return angle;
    }
    return kTwoPi - angle;
}

OdGeVector3d& OdGeVector3d::normalize(const OdGeTol& tol) {
    const double len = length();
    if (len > tol.equalVector()) {
        x /= len;
        y /= len;
        z /= len;
    }
    return *this;
}

OdGeVector3d OdGeVector3d::normal(const OdGeTol& tol) const {
    OdGeVector3d copy(*this);
    return copy.normalize(tol);
}

bool OdGeVector3d::isZeroLength(const OdGeTol& tol) const {
    return length() <= tol.equalVector();
}

bool OdGeVector3d::isEqualTo(const OdGeVector3d& v, const OdGeTol& tol) const {
    return (*this - v).length() <= tol.equalVector();
}

OdGeVector3d& OdGeVector3d::operator+=(const OdGeVector3d& v) {
    x += v.x;
    y += v.y;
    z += v.z;
    return *this;
}

OdGeVector3d& OdGeVector3d::operator-=(const OdGeVector3d& v) {
    x -= v.x;
    y -= v.y;
    z -= v.z;
    return *this;
}

OdGeVector3d& OdGeVector3d::operator*=(double s) {
    x *= s;
    y *= s;
    z *= s;
    return *this;
}
