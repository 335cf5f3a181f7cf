// Kestrin openNURBS-compatible geometry.
// ON_3dVector: a displacement in 3-d space, three doubles, with the dot and cross products and
// unitizing. The product of two vectors with operator* is their dot product, as in the library.
#pragma once

#include "opennurbs_defines.h"

class ON_3dPoint;

/* Description:
     A 3-d vector (x, y, z).
   Remarks:
     The default constructor gives the zero vector. Unitize() refuses vectors too short to
     have a direction and leaves them unchanged.
*/
class ON_3dVector {
public:
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    static const ON_3dVector ZeroVector;  // (0,0,0)
    static const ON_3dVector XAxis;       // (1,0,0)
    static const ON_3dVector YAxis;       // (0,1,0)
    static const ON_3dVector ZAxis;       // (0,0,1)
    static const ON_3dVector UnsetVector; // every coordinate ON_UNSET_VALUE

    constexpr ON_3dVector() = default;
    constexpr ON_3dVector(double xValue, double yValue, double zValue)
        : x(xValue), y(yValue), z(zValue) {}

    /* Description:
         The vector from the origin to a point.
    */
    explicit ON_3dVector(const ON_3dPoint& p);

    double& operator[](int i);      // 0 = x, 1 = y, 2 = z; unchecked
    double operator[](int i) const; // 0 = x, 1 = y, 2 = z; unchecked

    ON_3dVector& operator+=(const ON_3dVector& v);
    ON_3dVector& operator-=(const ON_3dVector& v);
    ON_3dVector& operator*=(double s);
    ON_3dVector& operator/=(double s);

    ON_3dVector operator-() const;
    ON_3dVector operator+(const ON_3dVector& v) const;
    ON_3dVector operator-(const ON_3dVector& v) const;
    ON_3dVector operator*(double s) const;
    ON_3dVector operator/(double s) const;
    double operator*(const ON_3dVector& v) const; // dot product

    bool operator==(const ON_3dVector& v) const; // exact
    bool operator!=(const ON_3dVector& v) const;

    void Set(double x, double y, double z);

    double Length() const;
    double LengthSquared() const;

    /* Description:
         Scales the vector to unit length.
       Returns:
         true on success; false, with the vector unchanged, when its length is 0 or not a valid
         number.
    */
    bool Unitize();

    /* Description:
         A unit vector in the same direction.
       Returns:
         The unit vector, or ZeroVector when the vector cannot be unitized.
    */
    ON_3dVector UnitVector() const;

    /* Description:
         Tells whether every coordinate is exactly 0.
    */
    bool IsZero() const;

    /* Description:
         Tells whether every coordinate is at most tiny_tol in absolute value.
    */
    bool IsTiny(double tiny_tol = ON_ZERO_TOLERANCE) const;

    /* Description:
         Tells whether the length differs from 1 by at most ON_SQRT_EPSILON.
    */
    bool IsUnitVector() const;

    bool IsValid() const;

    /* Description:
         Sets this vector to a vector perpendicular to v.
       Parameters:
         v - [in] a non-zero vector.
       Returns:
         false (and the zero vector) when v is zero.
       Remarks:
         The result is not unitized: it swaps two coordinates of v and negates one, choosing
         the two largest so the result is not tiny.
    */
    bool PerpendicularTo(const ON_3dVector& v);
};

ON_3dVector operator*(double s, const ON_3dVector& v);

/* Description:
     Dot product a.b.
*/
double ON_DotProduct(const ON_3dVector& a, const ON_3dVector& b);

/* Description:
     Right-handed cross product a x b.
*/
ON_3dVector ON_CrossProduct(const ON_3dVector& a, const ON_3dVector& b);
