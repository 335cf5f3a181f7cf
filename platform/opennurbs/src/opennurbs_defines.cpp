// Kestrin openNURBS-compatible geometry.
// Validity tests for numbers: finite and not one of the unset markers.
#include "opennurbs_defines.h"

#include <cmath>

bool ON_IsValid(double x) {
    return std::isfinite(x) && x != ON_UNSET_VALUE && x != ON_UNSET_POSITIVE_VALUE;
}

bool ON_IsValidFloat(float x) {
    return std::isfinite(x) && x != ON_UNSET_FLOAT && x != -ON_UNSET_FLOAT;
}
