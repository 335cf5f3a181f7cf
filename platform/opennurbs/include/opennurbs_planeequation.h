// Kestrin openNURBS-compatible geometry.
// ON_PlaneEquation: the implicit form a*x + b*y + c*z + d = 0 of a plane, kept beside the frame
// of ON_Plane so that signed distances are one dot product.
#pragma once

class ON_3dPoint;
class ON_3dVector;

/* Description:
     Plane equation x*X + y*Y + z*Z + d = 0 with (x, y, z) the unit normal.
   Remarks:
     The default is all zeros, which is no plane.
*/
class ON_PlaneEquation {
public:
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double d = 0.0;

    /* Description:
         Sets the equation of the plane through a point with a normal.
       Parameters:
         point - [in] a point on the plane.
         normal - [in] the normal; it is unitized.
       Returns:
         false (equation unchanged) when the normal cannot be unitized.
    */
    bool Create(const ON_3dPoint& point, const ON_3dVector& normal);

    /* Description:
         The signed distance of a point from the plane (positive on the normal's side).
    */
    double ValueAt(const ON_3dPoint& point) const;
};
