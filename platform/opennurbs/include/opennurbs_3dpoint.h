// Kestrin openNURBS-compatible geometry.
// ON_3dPoint: a location in 3-d space, three doubles. The difference of two points is an
// ON_3dVector; a point plus a vector is a point. Arithmetic is plain IEEE double arithmetic.
#pragma once

class ON_3dVector;
class ON_3fPoint;
class ON_4dPoint;

/* Description:
     A Euclidean 3-d point (x, y, z).
   Remarks:
     The default constructor leaves the coordinates at 0 (the origin). A point is valid when
     all three coordinates are valid doubles (ON_IsValid).
*/
class ON_3dPoint {
public:
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    static const ON_3dPoint Origin;     // (0,0,0)
    static const ON_3dPoint UnsetPoint; // every coordinate ON_UNSET_VALUE

    constexpr ON_3dPoint() = default;
    constexpr ON_3dPoint(double xValue, double yValue, double zValue)
        : x(xValue), y(yValue), z(zValue) {}

    /* Description:
         Widens a single-precision point exactly.
    */
    ON_3dPoint(const ON_3fPoint& p);

    /* Description:
         The Euclidean point of a homogeneous point: (x/w, y/w, z/w).
       Remarks:
         w == 0 gives the raw (x, y, z); the point is then at infinity and has no position.
    */
    explicit ON_3dPoint(const ON_4dPoint& p);

    /* Description:
         The point at the tip of a vector placed at the origin.
    */
    explicit ON_3dPoint(const ON_3dVector& v);

    /* Description:
         Reads three doubles.
       Parameters:
         xyz - [in] three doubles, not null.
    */
    explicit ON_3dPoint(const double* xyz);

    double& operator[](int i);      // 0 = x, 1 = y, 2 = z; unchecked
    double operator[](int i) const; // 0 = x, 1 = y, 2 = z; unchecked

    ON_3dPoint& operator+=(const ON_3dVector& v);
    ON_3dPoint& operator-=(const ON_3dVector& v);
    ON_3dPoint& operator*=(double s);
    ON_3dPoint& operator/=(double s);

    ON_3dPoint operator+(const ON_3dVector& v) const;
    ON_3dPoint operator-(const ON_3dVector& v) const;
    // Sum of points: for affine combinations such as 0.5*(a+b).
    ON_3dPoint operator+(const ON_3dPoint& p) const;
    ON_3dVector operator-(const ON_3dPoint& p) const;
    ON_3dPoint operator*(double s) const;
    ON_3dPoint operator/(double s) const;

    // Exact coordinate comparison.
    bool operator==(const ON_3dPoint& p) const;
    bool operator!=(const ON_3dPoint& p) const;

    void Set(double x, double y, double z);

    /* Description:
         Euclidean distance to another point.
    */
    double DistanceTo(const ON_3dPoint& p) const;

    /* Description:
         Tells whether all coordinates are valid doubles (finite and not ON_UNSET_VALUE).
    */
    bool IsValid() const;

    /* Description:
         The largest absolute coordinate.
    */
    double MaximumCoordinate() const;
};

ON_3dPoint operator*(double s, const ON_3dPoint& p);
