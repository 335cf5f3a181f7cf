// Kestrin drawing toolkit.
// OdGeDoubleArray: the toolkit array of doubles (knots, weights).
#pragma once

#include "OdArray.h"

typedef OdArray<double> OdGeDoubleArray;
