// Kestrin drawing toolkit.
// OdGePoint3d: a point in 3D world space (three doubles). Points and vectors combine as in
// affine geometry: point - point is a vector, point + vector a point.
#pragma once

#include "Ge/GeVector3d.h"

/* Description:
     A point in 3D space.
*/
class OdGePoint3d {
public:
    static const OdGePoint3d kOrigin;

    constexpr OdGePoint3d() = default;
    constexpr OdGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

    double distanceTo(const OdGePoint3d& point) const { return (*this - point).length(); }

    /* Description:
         Tells whether the points are within tol.equalPoint() of each other.
    */
    bool isEqualTo(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const {
        return distanceTo(point) <= tol.equalPoint();
    }

    OdGeVector3d asVector() const { return OdGeVector3d(x, y, z); }

    OdGeVector3d operator-(const OdGePoint3d& p) const {
        return OdGeVector3d(x - p.x, y - p.y, z - p.z);
    }
    OdGePoint3d operator+(const OdGeVector3d& v) const {
        return OdGePoint3d(x + v.x, y + v.y, z + v.z);
    }
    OdGePoint3d operator-(const OdGeVector3d& v) const {
        return OdGePoint3d(x - v.x, y - v.y, z - v.z);
    }
    OdGePoint3d& operator+=(const OdGeVector3d& v) {
        x += v.x;
        y += v.y;
        z += v.z;
        return *this;
    }
    bool operator==(const OdGePoint3d& p) const { return x == p.x && y == p.y && z == p.z; }
    bool operator!=(const OdGePoint3d& p) const { return !(*this == p); }

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};
