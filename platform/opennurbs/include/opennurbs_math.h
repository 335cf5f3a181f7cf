// Kestrin openNURBS-compatible geometry.
// Numeric helpers shared by the geometry classes, chiefly the point coincidence test used by
// closure, periodicity and arc end checks.
#pragma once

#include "opennurbs_defines.h"

/* Description:
     Tells whether two points of dimension dim coincide.
   Parameters:
     dim - [in] number of Euclidean coordinates (>= 1).
     is_rat - [in] true when each point carries a weight in slot dim (homogeneous coordinates).
     pointA, pointB - [in] the points.
   Returns:
     true when, for every coordinate, |a - b| <= ON_ZERO_TOLERANCE or
     |a - b| <= (|a| + |b|) * ON_RELATIVE_TOLERANCE.
   Remarks:
     Rational points are compared after dividing by their weights. When exactly one weight is 0
     the points do not coincide; when both are 0 the raw coordinates are compared. The test is
     per coordinate, not a Euclidean distance.
*/
bool ON_PointsAreCoincident(int dim, bool is_rat, const double* pointA, const double* pointB);
