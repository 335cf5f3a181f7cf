// Kestrin host interfaces.
// The toolkit's geometry values as the module uses them: world points and vectors of three
// doubles, the tolerance pair and its global default, and the toolkit arrays of points and doubles
// that carry spline data. Angles are radians; cross products are right-handed.
#pragma once

#include "Ge/GeContext.h"
#include "Ge/GeDoubleArray.h"
#include "Ge/GePoint3d.h"
#include "Ge/GePoint3dArray.h"
#include "Ge/GeTol.h"
#include "Ge/GeVector3d.h"

/* What the module relies on:

   double OdGeVector3d::angleTo(const OdGeVector3d& v, const OdGeVector3d& reference) const
     Description:
       The angle from this vector to v, counterclockwise about reference, in [0, 2pi].
     Remarks:
       Not to be called with zero vectors: the host leaves that case undefined.

   OdGeVector3d OdGeVector3d::crossProduct(const OdGeVector3d& v) const
     Description:
       The right-handed cross product this x v.

   OdGeVector3d& OdGeVector3d::normalize(const OdGeTol& tol)
     Description:
       Makes the vector unit length.
     Remarks:
       A vector whose length is within tol stays unchanged, without a failure. The module passes
       OdGeContext::gTol.
*/
