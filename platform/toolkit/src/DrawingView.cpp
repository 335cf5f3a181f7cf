// Kestrin drawing toolkit.
// Extents of a drawing and the view fitted to them. Sizes are taken as halves (max/2 - min/2),
// which cannot overflow whatever finite coordinates the entities hold.
#include "DrawingView.h"

#include <algorithm>
#include <limits>

namespace odtk {
namespace {

// The view shows the extents with this fraction of their size free on each side.
constexpr double kViewMargin = 0.05;
// The height of a view with nothing to fit: 100 drawing units, a part-sized window.
constexpr double kDefaultViewHeight = 100.0;

} // namespace

OdGeExtents3d DrawingExtents(const OdDbBlockTableRecord& block) {
    OdGeExtents3d extents;
    for (unsigned int i = 0; i < block.numEntities(); ++i) {
        const OdDbEntity* pEntity = block.entityAt(i);
        OdGeExtents3d entityExtents;
        if (pEntity->isDxfWritable() && pEntity->getGeomExtents(entityExtents) == eOk) {
            extents.addExt(entityExtents);
        }
    }
    return extents;
}

ActiveView FitActiveView(const OdGeExtents3d& extents) {
    ActiveView view;
    view.height = kDefaultViewHeight;
    if (!extents.isValidExtents()) {
        return view;
    }
    const OdGePoint3d& low = extents.minPoint();
    const OdGePoint3d& high = extents.maxPoint();
    view.centerX = low.x / 2 + high.x / 2;
    view.centerY = low.y / 2 + high.y / 2;
    const double halfWidth = high.x / 2 - low.x / 2;
    const double halfHeight = high.y / 2 - low.y / 2;
    const double halfView = std::max(halfHeight, halfWidth / kViewAspectRatio);
    if (halfView > 0.0) {
        view.height =
            std::min(2 * halfView * (1 + 2 * kViewMargin), std::numeric_limits<double>::max());
    }
    return view;
}

} // namespace odtk
