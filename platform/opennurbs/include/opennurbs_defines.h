// Kestrin openNURBS-compatible geometry.
// Library-wide constants: tolerances, unset markers and angles. Every tolerance the geometry
// classes use is named here once, with the reason for its value; comparisons take a tolerance
// parameter defaulted to one of these.
#pragma once

#include <cfloat>

// pi and its multiples, to full double precision.
constexpr double ON_PI = 3.141592653589793238462643;
constexpr double ON_2PI = 2.0 * ON_PI;
constexpr double ON_HALFPI = 0.5 * ON_PI;
constexpr double ON_DEGREES_TO_RADIANS = ON_PI / 180.0;
constexpr double ON_RADIANS_TO_DEGREES = 180.0 / ON_PI;

// Absolute zero tolerance, 2^-32: small enough for model coordinates up to about 1e6 and a
// power of two, so that it is exact. Also the bound between the strict and the loose arc test.
constexpr double ON_ZERO_TOLERANCE = 2.3283064365386962890625e-10;

// Relative tolerance, 2^-42: about 10,000 times the double precision epsilon, for comparing
// coordinates relative to their magnitude.
constexpr double ON_RELATIVE_TOLERANCE = 2.27373675443232059478759765625e-13;

// sqrt(DBL_EPSILON): the relative tolerance for quantities obtained by a square root (knot
// spacing comparisons, angle intervals).
constexpr double ON_SQRT_EPSILON = 1.490116119385000000e-8;

// The double precision epsilon.
constexpr double ON_EPSILON = DBL_EPSILON;

// Marks a double that has not been set. Its value is finite, so that arithmetic on it does not
// trap, but no model coordinate ever has it.
constexpr double ON_UNSET_VALUE = -1.23432101234321e+308;
constexpr double ON_UNSET_POSITIVE_VALUE = -ON_UNSET_VALUE;
constexpr float ON_UNSET_FLOAT = -1.234321e+38f;

// Marks an int index that has not been set.
constexpr int ON_UNSET_INT_INDEX = -2147483647;

/* Description:
     Tells whether x is a usable double: finite and not ON_UNSET_VALUE (nor its negative).
*/
bool ON_IsValid(double x);

/* Description:
     Tells whether x is a usable float: finite and not ON_UNSET_FLOAT (nor its negative).
*/
bool ON_IsValidFloat(float x);
