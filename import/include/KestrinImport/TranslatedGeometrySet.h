// Kestrin import.
// The translated geometry set: the seven openNURBS arrays that the translation library fills
// from one STEP file, in their fixed order. One set lives for one import run only; the library
// only appends to it, the add operations only read it. Its members are destroyed in reverse order
// (meshes first, points last), each array destroying its elements from the last to the first.
#pragma once

#include <opennurbs.h>

/*
Description:
  The seven arrays of one translation.
Remarks:
  The member order is the order of the library's arguments and of the conversion walk.
*/
struct TranslatedGeometrySet {
    ON_3dPointArray points;
    ON_ClassArray<ON_Line> lines;
    ON_ClassArray<ON_Polyline> polylines;
    ON_ClassArray<ON_Circle> circles;
    ON_ClassArray<ON_Arc> arcs;
    ON_ClassArray<ON_NurbsCurve> nurbsCurves;
    ON_ClassArray<ON_Mesh> meshes;

    /// The number of objects the library returned: the sum of the seven array sizes.
    int ObjectCount() const {
        return points.Count() + lines.Count() + polylines.Count() + circles.Count() + arcs.Count() +
               nurbsCurves.Count() + meshes.Count();
    }
};
