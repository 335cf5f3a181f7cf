// Kestrin openNURBS-compatible geometry.
// ON_4dPoint: a homogeneous point (x, y, z, w), the form in which rational NURBS control points
// are stored. The Euclidean point it stands for is (x/w, y/w, z/w).
#pragma once

class ON_3dPoint;

/* Description:
     A homogeneous 3-d point. (x, y, z) are the weighted coordinates, w the weight.
   Remarks:
     The default constructor gives (0,0,0,1). A point with w == 0 is at infinity and has no
     Euclidean position.
*/
class ON_4dPoint {
public:
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 1.0;

    constexpr ON_4dPoint() = default;
    constexpr ON_4dPoint(double xValue, double yValue, double zValue, double wValue)
        : x(xValue), y(yValue), z(zValue), w(wValue) {}

    /* Description:
         The homogeneous form of a Euclidean point: (x, y, z, 1).
    */
    explicit ON_4dPoint(const ON_3dPoint& p);

    double& operator[](int i);      // 0 = x, 1 = y, 2 = z, 3 = w; unchecked
    double operator[](int i) const; // 0 = x, 1 = y, 2 = z, 3 = w; unchecked

    bool operator==(const ON_4dPoint& p) const; // exact, coordinate by coordinate
    bool operator!=(const ON_4dPoint& p) const;

    /* Description:
         Tells whether all four values are valid doubles.
    */
    bool IsValid() const;
};
