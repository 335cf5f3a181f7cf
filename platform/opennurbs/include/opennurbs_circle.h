// Kestrin openNURBS-compatible geometry.
// ON_Circle: a circle in an ON_Plane. Angles are radians, counterclockwise about plane.zaxis
// from plane.xaxis; the point at angle t is origin + r·cos t·xaxis + r·sin t·yaxis.
#pragma once

#include "opennurbs_plane.h"

/* Description:
     A circle: its plane (centre = plane.origin, normal = plane.zaxis) and radius.
   Remarks:
     Valid when radius > 0 and the plane is valid. The default circle is the unit circle in the
     world x-y plane.
*/
class ON_Circle {
public:
    ON_Plane plane;
    double radius = 1.0;

    ON_Circle() = default;
    ON_Circle(const ON_Plane& plane, double radius);
    ON_Circle(const ON_3dPoint& center, double radius);
    ON_Circle(const ON_Plane& plane, const ON_3dPoint& center, double radius);
    ON_Circle(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

    bool Create(const ON_Plane& plane, double radius);
    bool Create(const ON_3dPoint& center, double radius);
    // The plane is moved to have its origin at center.
    bool Create(const ON_Plane& plane, const ON_3dPoint& center, double radius);

    /* Description:
         Makes the circle through three points.
       Returns:
         false when the points are collinear or coincident; the circle is then the zero
         radius circle in the world x-y plane.
       Remarks:
         The centre is the circumcentre; the x axis points from the centre to P; the normal is
         oriented so that P, Q, R run counterclockwise about it; radius = |P - centre|.
    */
    bool Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

    bool IsValid(ON_TextLog* text_log = nullptr) const;

    double Radius() const { return radius; }
    double Diameter() const { return 2.0 * radius; }
    const ON_3dPoint& Center() const { return plane.origin; }
    const ON_3dVector& Normal() const { return plane.zaxis; }
    const ON_Plane& Plane() const { return plane; }
    double Circumference() const;

    ON_3dPoint PointAt(double t) const;
    ON_3dVector DerivativeAt(int order, double t) const;
    ON_3dVector TangentAt(double t) const;

    /* Description:
         The angle of the point of the circle nearest to point.
       Parameters:
         point - [in] the point.
         t - [out] the angle, in [0, 2π).
       Returns:
         false when point projects onto the centre (t is then 0).
    */
    bool ClosestPointTo(const ON_3dPoint& point, double* t) const;
    ON_3dPoint ClosestPointTo(const ON_3dPoint& point) const;

    // Reverses the orientation (flips the plane); the point at angle t moves to angle -t.
    void Reverse();
};
