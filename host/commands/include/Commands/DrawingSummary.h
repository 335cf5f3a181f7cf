// Kestrin host program: what a drawing holds, as STATUS and ZOOM tell it: the entities of model
// space counted by kind (polyface meshes with their vertex and face totals), their extents and
// the drawing's units. The toolkit keeps drawings in millimetres, the unit its DXF files name.
#pragma once

#include "DbDatabase.h"
#include "Ge/GeExtents3d.h"

#include <cstddef>
#include <string>

namespace KestrinApp {

struct DrawingSummary {
    std::size_t points = 0;
    std::size_t lines = 0;
    std::size_t polylines = 0; // 3D polylines
    std::size_t circles = 0;
    std::size_t arcs = 0;
    std::size_t splines = 0;
    std::size_t polyfaceMeshes = 0;
    std::size_t meshVertices = 0; // of all polyface meshes
    std::size_t meshFaces = 0;    // of all polyface meshes
    std::size_t faces = 0;        // 3D faces
    std::size_t others = 0;       // entities of any other class
    OdGeExtents3d extents;        // invalid when no entity has geometry

    std::size_t Total() const {
        return points + lines + polylines + circles + arcs + splines + polyfaceMeshes + faces +
               others;
    }
};

/// Counts the entities of the drawing's model space and takes their extents.
DrawingSummary SummarizeDrawing(const OdDbDatabase& drawing);

/// "(x, y, z) - (x, y, z)", or "none (nothing in the drawing has a size)" for invalid extents.
std::wstring FormatExtents(const OdGeExtents3d& extents);

/*
Description:
  The text of STATUS.
Parameters:
  name     - [in] the drawing's name (its file, or DrawingN while it has none).
  bUnsaved - [in] whether it has changes not saved.
  summary  - [in] what it holds.
Returns:
  Lines ending in "\n".
*/
std::wstring FormatStatus(const std::wstring& name, bool bUnsaved, const DrawingSummary& summary);

} // namespace KestrinApp
