// Kestrin openNURBS-compatible geometry.
// ON_Plane: a plane as an oriented frame (origin with orthonormal right-handed axes) and its
// implicit equation. Circles and arcs are parameterised in a plane.
#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"
#include "opennurbs_planeequation.h"
#include "opennurbs_textlog.h"

/* Description:
     A plane with a frame: points are origin + s·xaxis + t·yaxis.
   Remarks:
     Valid when origin is valid, the three axes are unit vectors, mutually perpendicular within
     ON_SQRT_EPSILON and right-handed (zaxis = xaxis × yaxis), and the equation matches.
     The default plane is the world x-y plane.
*/
class ON_Plane {
public:
    ON_3dPoint origin;
    ON_3dVector xaxis;
    ON_3dVector yaxis;
    ON_3dVector zaxis;
    ON_PlaneEquation plane_equation;

    static const ON_Plane World_xy; // origin (0,0,0), x (1,0,0), y (0,1,0), z (0,0,1)
    static const ON_Plane World_yz; // x (0,1,0), y (0,0,1), z (1,0,0)
    static const ON_Plane World_zx; // x (0,0,1), y (1,0,0), z (0,1,0)

    ON_Plane();
    ON_Plane(const ON_3dPoint& origin, const ON_3dVector& normal);
    ON_Plane(const ON_3dPoint& origin, const ON_3dVector& x_dir, const ON_3dVector& y_dir);
    ON_Plane(const ON_3dPoint& origin, const ON_3dPoint& x_point, const ON_3dPoint& y_point);

    /* Description:
         Makes the plane through origin with the given normal; the x axis is chosen
         perpendicular to it.
       Returns:
         false (plane unchanged) when the normal is zero or not valid.
    */
    bool CreateFromNormal(const ON_3dPoint& origin, const ON_3dVector& normal);

    /* Description:
         Makes the plane through origin with x axis along x_dir and y axis in the plane of
         x_dir and y_dir (Gram-Schmidt).
       Returns:
         false (plane unchanged) when the directions are zero or parallel.
    */
    bool CreateFromFrame(const ON_3dPoint& origin, const ON_3dVector& x_dir,
                         const ON_3dVector& y_dir);

    /* Description:
         Makes the plane through three points: origin, a point on the positive x axis, and a
         point in the positive y half plane.
       Returns:
         false (plane unchanged) when the points are collinear.
    */
    bool CreateFromPoints(const ON_3dPoint& origin, const ON_3dPoint& x_point,
                          const ON_3dPoint& y_point);

    bool IsValid(ON_TextLog* text_log = nullptr) const;

    const ON_3dPoint& Origin() const { return origin; }
    const ON_3dVector& Xaxis() const { return xaxis; }
    const ON_3dVector& Yaxis() const { return yaxis; }
    const ON_3dVector& Normal() const { return zaxis; }

    void SetOrigin(const ON_3dPoint& point);
    // Recomputes plane_equation from origin and zaxis.
    bool UpdateEquation();

    // origin + s·xaxis + t·yaxis.
    ON_3dPoint PointAt(double s, double t) const;
    // origin + s·xaxis + t·yaxis + c·zaxis.
    ON_3dPoint PointAt(double s, double t, double c) const;

    /* Description:
         Projects point onto the plane.
       Parameters:
         point - [in] the point.
         s, t - [out] plane coordinates of the projection (may be nullptr).
    */
    bool ClosestPointTo(const ON_3dPoint& point, double* s, double* t) const;
    ON_3dPoint ClosestPointTo(const ON_3dPoint& point) const;

    // Signed distance of point from the plane along zaxis.
    double DistanceTo(const ON_3dPoint& point) const;

    // Reverses the normal by swapping the x and y axes.
    bool Flip();
};
