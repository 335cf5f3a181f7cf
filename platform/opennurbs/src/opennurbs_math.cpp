// Kestrin openNURBS-compatible geometry.
// The point coincidence test: per coordinate, absolute or relative to the magnitude.
#include "opennurbs_math.h"

#include <cmath>

namespace {

bool CoordinatesCoincide(double a, double b) {
    const double d = std::fabs(a - b);
    return d <= ON_ZERO_TOLERANCE || d <= (std::fabs(a) + std::fabs(b)) * ON_RELATIVE_TOLERANCE;
}

} // namespace

bool ON_PointsAreCoincident(int dim, bool is_rat, const double* pointA, const double* pointB) {
    if (dim < 1 || pointA == nullptr || pointB == nullptr) {
        return false;
    }
    double wa = 1.0;
    double wb = 1.0;
    if (is_rat) {
        wa = pointA[dim];
        wb = pointB[dim];
        if ((wa == 0.0) != (wb == 0.0)) {
            return false;
        }
        if (wa == 0.0) {
            // Both points at infinity: compare the directions as stored.
            wa = 1.0;
            wb = 1.0;
        }
    }
    for (int i = 0; i < dim; ++i) {
        if (!CoordinatesCoincide(pointA[i] / wa, pointB[i] / wb)) {
            return false;
        }
    }
    return true;
}
