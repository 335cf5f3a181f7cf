// Kestrin openNURBS-compatible geometry.
// ON_Plane: construction of orthonormal frames and projection.
#include "opennurbs_plane.h"

#include <cmath>

namespace {
// Axes count as perpendicular and unit length within this relative tolerance.
constexpr double kFrameTolerance = ON_SQRT_EPSILON;

ON_Plane MakeWorldPlane(const ON_3dVector& x, const ON_3dVector& y) {
    ON_Plane plane;
    plane.CreateFromFrame(ON_3dPoint::Origin, x, y);
    return plane;
}
} // namespace

const ON_Plane ON_Plane::World_xy;
const ON_Plane ON_Plane::World_yz = MakeWorldPlane(ON_3dVector(0, 1, 0), ON_3dVector(0, 0, 1));
const ON_Plane ON_Plane::World_zx = MakeWorldPlane(ON_3dVector(0, 0, 1), ON_3dVector(1, 0, 0));

// ---------------------------------------------------------------------------------------------
// ON_Plane

ON_Plane::ON_Plane()
    : origin(0.0, 0.0, 0.0), xaxis(1.0, 0.0, 0.0), yaxis(0.0, 1.0, 0.0), zaxis(0.0, 0.0, 1.0) {
    plane_equation.z = 1.0;
}

ON_Plane::ON_Plane(const ON_3dPoint& origin_point, const ON_3dVector& normal) : ON_Plane() {
    CreateFromNormal(origin_point, normal);
}

ON_Plane::ON_Plane(const ON_3dPoint& origin_point, const ON_3dVector& x_dir,
                   const ON_3dVector& y_dir)
    : ON_Plane() {
    CreateFromFrame(origin_point, x_dir, y_dir);
}

ON_Plane::ON_Plane(const ON_3dPoint& origin_point, const ON_3dPoint& x_point,
                   const ON_3dPoint& y_point)
    : ON_Plane() {
    CreateFromPoints(origin_point, x_point, y_point);
}

bool ON_Plane::CreateFromNormal(const ON_3dPoint& origin_point, const ON_3dVector& normal) {
    ON_3dVector z = normal;
    if (!normal.IsValid() || !origin_point.IsValid() || !z.Unitize()) {
        return false;
    }
    ON_3dVector x;
    x.PerpendicularTo(z);
    x.Unitize();
    origin = origin_point;
    zaxis = z;
    xaxis = x;
    yaxis = ON_CrossProduct(zaxis, xaxis);
    yaxis.Unitize();
    return UpdateEquation();
}

bool ON_Plane::CreateFromFrame(const ON_3dPoint& origin_point, const ON_3dVector& x_dir,
                               const ON_3dVector& y_dir) {
    ON_3dVector x = x_dir;
    if (!origin_point.IsValid() || !x.Unitize()) {
        return false;
    }
    ON_3dVector y = y_dir - (y_dir * x) * x;
    if (!y.Unitize()) {
        return false;
    }
    ON_3dVector z = ON_CrossProduct(x, y);
    if (!z.Unitize()) {
        return false;
    }
    origin = origin_point;
    xaxis = x;
    yaxis = y;
    zaxis = z;
    return UpdateEquation();
}

bool ON_Plane::CreateFromPoints(const ON_3dPoint& origin_point, const ON_3dPoint& x_point,
                                const ON_3dPoint& y_point) {
    const ON_3dVector x = x_point - origin_point;
    const ON_3dVector y = y_point - origin_point;
    if (ON_CrossProduct(x, y).IsZero()) {
        return false;
    }
    return CreateFromFrame(origin_point, x, y);
}

bool ON_Plane::IsValid(ON_TextLog* text_log) const {
    const auto fail = [text_log](const char* why) {
        if (text_log != nullptr) {
            text_log->Print("ON_Plane: %s\n", why);
        }
        return false;
    };
    if (!origin.IsValid()) {
        return fail("origin is not a valid point");
    }
    if (!xaxis.IsUnitVector() || !yaxis.IsUnitVector() || !zaxis.IsUnitVector()) {
        return fail("an axis is not a unit vector");
    }
    if (std::fabs(xaxis * yaxis) > kFrameTolerance || std::fabs(yaxis * zaxis) > kFrameTolerance ||
        std::fabs(zaxis * xaxis) > kFrameTolerance) {
        return fail("the axes are not perpendicular");
    }
    if ((ON_CrossProduct(xaxis, yaxis) - zaxis).Length() > kFrameTolerance) {
        return fail("the axes are not right-handed (zaxis != xaxis x yaxis)");
    }
    const double scale = 1.0 + std::fabs(origin.x) + std::fabs(origin.y) + std::fabs(origin.z);
    if (std::fabs(plane_equation.ValueAt(origin)) > kFrameTolerance * scale ||
        std::fabs(plane_equation.x - zaxis.x) > kFrameTolerance ||
        std::fabs(plane_equation.y - zaxis.y) > kFrameTolerance ||
        std::fabs(plane_equation.z - zaxis.z) > kFrameTolerance) {
        return fail("plane_equation does not match origin and zaxis");
    }
    return true;
}

void ON_Plane::SetOrigin(const ON_3dPoint& point) {
    origin = point;
    UpdateEquation();
}

bool ON_Plane::UpdateEquation() {
    return plane_equation.Create(origin, zaxis);
}

ON_3dPoint ON_Plane::PointAt(double s, double t) const {
    return origin + s * xaxis + t * yaxis;
}

ON_3dPoint ON_Plane::PointAt(double s, double t, double c) const {
    return origin + s * xaxis + t * yaxis + c * zaxis;
}

bool ON_Plane::ClosestPointTo(const ON_3dPoint& point, double* s, double* t) const {
    const ON_3dVector v = point - origin;
    if (s != nullptr) {
        *s = v * xaxis;
    }
    if (t != nullptr) {
        *t = v * yaxis;
    }
    return true;
}

ON_3dPoint ON_Plane::ClosestPointTo(const ON_3dPoint& point) const {
    double s = 0.0;
    double t = 0.0;
    ClosestPointTo(point, &s, &t);
    return PointAt(s, t);
}

double ON_Plane::DistanceTo(const ON_3dPoint& point) const {
    return (point - origin) * zaxis;
}

bool ON_Plane::Flip() {
    const ON_3dVector x = xaxis;
    xaxis = yaxis;
    yaxis = x;
    zaxis = -zaxis;
    return UpdateEquation();
}
