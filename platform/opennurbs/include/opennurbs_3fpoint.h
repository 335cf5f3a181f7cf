// Kestrin openNURBS-compatible geometry.
// ON_3fPoint: a location in 3-d space in single precision, the vertex type of meshes. Widening
// to ON_3dPoint is exact; narrowing rounds to nearest float and is explicit.
#pragma once

class ON_3dPoint;

/* Description:
     A single-precision 3-d point (x, y, z), as mesh vertices are stored.
   Remarks:
     The default constructor gives the origin. Comparison is exact float comparison, so +0.0f
     and -0.0f compare equal and a NaN coordinate never compares equal.
*/
class ON_3fPoint {
public:
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr ON_3fPoint() = default;
    constexpr ON_3fPoint(float xValue, float yValue, float zValue)
        : x(xValue), y(yValue), z(zValue) {}

    /* Description:
         Rounds a double-precision point to the nearest floats.
    */
    explicit ON_3fPoint(const ON_3dPoint& p);

    float& operator[](int i);      // 0 = x, 1 = y, 2 = z; unchecked
    float operator[](int i) const; // 0 = x, 1 = y, 2 = z; unchecked

    bool operator==(const ON_3fPoint& p) const;
    bool operator!=(const ON_3fPoint& p) const;

    void Set(float x, float y, float z);

    /* Description:
         Tells whether all coordinates are valid floats (ON_IsValidFloat).
    */
    bool IsValid() const;
};
