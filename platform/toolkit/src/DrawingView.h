// Kestrin drawing toolkit (private).
// The view a saved drawing opens on: the extents of the entities the file carries, and the
// *Active viewport fitted to them. The fit is a top view (looking down the z axis) centred on the
// middle of the extents and large enough, with a margin, to show all of them in a window of
// kViewAspectRatio or wider.
#pragma once

#include "DbBlockTableRecord.h"
#include "Ge/GeExtents3d.h"

namespace odtk {

// Width to height of the window the fit assumes; a reader fits the height given to its own
// window. 1.34 is what ezdxf gives a new viewport: about 4:3, narrower than most windows, so the
// width fits in those too.
constexpr double kViewAspectRatio = 1.34;

/* Description:
     The *Active viewport: the world point at its centre and the world height it shows.
*/
struct ActiveView {
    double centerX = 0.0;
    double centerY = 0.0;
    double height = 0.0; // > 0
};

/* Description:
     Returns the extents of the entities of a block that a file carries (those that are
     isDxfWritable()); empty when none has geometry.
*/
OdGeExtents3d DrawingExtents(const OdDbBlockTableRecord& block);

/* Description:
     Returns the top view that shows extents whole, with a margin; for empty extents, or
     extents without size across the view, a view of kDefaultViewHeight around their middle
     (around the origin when empty).
*/
ActiveView FitActiveView(const OdGeExtents3d& extents);

} // namespace odtk
