// Kestrin drawing toolkit.
// OdGeVector3d: a 3D vector of doubles with the toolkit's vector algebra. Angles are in radians;
// the cross product is right-handed. normalize() leaves a vector unchanged when its length is
// within the tolerance, without raising.
#pragma once

#include "Ge/GeContext.h"

/* Description:
     A vector in 3D space.
*/
class OdGeVector3d {
public:
    static const OdGeVector3d kIdentity; // (0,0,0)
    static const OdGeVector3d kXAxis;
    static const OdGeVector3d kYAxis;
    static const OdGeVector3d kZAxis;

    constexpr OdGeVector3d() = default;
    constexpr OdGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

    double length() const;
    double lengthSqrd() const { return x * x + y * y + z * z; }
    double dotProduct(const OdGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }

    /* Description:
         Returns this x v = (y*v.z - z*v.y, z*v.x - x*v.z, x*v.y - y*v.x).
    */
    OdGeVector3d crossProduct(const OdGeVector3d& v) const;

    /* Description:
         Returns the unsigned angle between this vector and v, in [0, pi].
       Remarks:
         Commutative. 0 when either vector is zero (a case the toolkit leaves undefined).
    */
    double angleTo(const OdGeVector3d& v) const;

    /* Description:
         Returns the angle from this vector to v, in [0, 2pi].
       Parameters:
         v         - [in] the other vector.
         reference - [in] orientation: for vectors perpendicular to it, the angle is measured
                     counterclockwise about it.
       Remarks:
         angleTo(v) when reference . (this x v) >= 0 (a tie takes this branch), otherwise
         2pi - angleTo(v).
    */
    double angleTo(const OdGeVector3d& v, const OdGeVector3d& reference) const;

    /* Description:
         Makes the vector unit length.
       Parameters:
         tol - [in] its equalVector() is the length at or below which the vector is left
               unchanged.
       Returns:
         This vector.
    */
    OdGeVector3d& normalize(const OdGeTol& tol = OdGeContext::gTol);

    /* Description:
         Returns a unit copy, or an unchanged copy when the length is within tol.
    */
    OdGeVector3d normal(const OdGeTol& tol = OdGeContext::gTol) const;

    /* Description:
         Tells whether the length is within tol.equalVector().
    */
    bool isZeroLength(const OdGeTol& tol = OdGeContext::gTol) const;

    /* Description:
         Tells whether the difference of the two vectors is within tol.equalVector().
    */
    bool isEqualTo(const OdGeVector3d& v, const OdGeTol& tol = OdGeContext::gTol) const;

    OdGeVector3d operator-() const { return OdGeVector3d(-x, -y, -z); }
    OdGeVector3d operator+(const OdGeVector3d& v) const {
        return OdGeVector3d(x + v.x, y + v.y, z + v.z);
    }
    OdGeVector3d operator-(const OdGeVector3d& v) const {
        return OdGeVector3d(x - v.x, y - v.y, z - v.z);
    }
    OdGeVector3d operator*(double s) const { return OdGeVector3d(x * s, y * s, z * s); }
    OdGeVector3d operator/(double s) const { return OdGeVector3d(x / s, y / s, z / s); }
    OdGeVector3d& operator+=(const OdGeVector3d& v);
    OdGeVector3d& operator-=(const OdGeVector3d& v);
    OdGeVector3d& operator*=(double s);
    bool operator==(const OdGeVector3d& v) const { return x == v.x && y == v.y && z == v.z; }
    bool operator!=(const OdGeVector3d& v) const { return !(*this == v); }

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline OdGeVector3d operator*(double s, const OdGeVector3d& v) {
    return v * s;
}
