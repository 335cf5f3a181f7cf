// Kestrin drawing toolkit (private).
// The checks that setters run before storing a value: a database never holds what no drawing
// file can carry (non-finite numbers, normals without a direction, negative radii).
#pragma once

#include "Ge/GePoint3d.h"
#include "OdError.h"

#include <cmath>

namespace odtk {

inline void RequireFinite(double value) {
    if (!std::isfinite(value)) {
        throw OdError(eInvalidInput, L"non-finite value");
    }
}

inline void RequireFinite(const OdGePoint3d& point) {
    if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(point.z)) {
        throw OdError(eInvalidInput, L"non-finite coordinate");
    }
}

inline void RequireRadius(double radius) {
    if (!std::isfinite(radius) || radius < 0.0) {
        throw OdError(eInvalidInput, L"radius must be finite and not negative");
    }
}

/* Description:
     A normal must be finite and long enough for normalize() with the global tolerance to make
     it unit length; its square must not overflow either.
*/
inline void RequireNormal(const OdGeVector3d& normal) {
    if (!std::isfinite(normal.x) || !std::isfinite(normal.y) || !std::isfinite(normal.z) ||
        !std::isfinite(normal.length())) {
        throw OdError(eInvalidInput, L"non-finite normal");
    }
    if (normal.isZeroLength(OdGeContext::gTol)) {
        throw OdError(eDegenerateGeometry, L"zero-length normal");
    }
}

} // namespace odtk
