// Kestrin drawing toolkit.
// OdGePoint3dArray: the toolkit array of points (control points, vertex lists).
#pragma once

#include "Ge/GePoint3d.h"
#include "OdArray.h"

typedef OdArray<OdGePoint3d> OdGePoint3dArray;
