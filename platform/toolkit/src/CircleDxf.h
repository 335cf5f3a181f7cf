// Kestrin drawing toolkit (private).
// The AcDbCircle subclass that CIRCLE and ARC records share: centre in the object coordinate
// system of the normal, radius, and the unit normal at full precision (rounding it near the 1/64
// threshold of the arbitrary axis rule could turn the entity by 90 degrees in a reader).
#pragma once

#include "DbFiler.h"
#include "DxfGroupCodes.h"
#include "Ocs.h"

namespace odtk {

/* Description:
     Writes the AcDbCircle subclass.
   Parameters:
     center - [in] world centre.
     radius - [in] radius.
     normal - [in] plane normal of any non-zero length.
*/
inline void WriteCircleFields(OdDbDxfFiler* pFiler, const OdGePoint3d& center, double radius,
                              const OdGeVector3d& normal) {
    // DXF group codes of the AcDbCircle subclass.
    constexpr char kSubclass[] = "AcDbCircle";
    constexpr int kCenterCode = dxf::kPointCode; // in the object coordinate system
    constexpr int kRadiusCode = 40;
    constexpr int kNormalCode = 210; // unit length; also written when (0,0,1)

    const OcsAxes axes = ArbitraryAxes(normal);
    pFiler->wrSubclassMarker(kSubclass);
    pFiler->wrPoint3d(kCenterCode, WorldToOcs(axes, center));
    pFiler->wrDouble(kRadiusCode, radius);
    pFiler->wrVector3d(kNormalCode, axes.zAxis);
}

} // namespace odtk
