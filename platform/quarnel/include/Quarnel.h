// Copyright (c) Kestrin developers.
//
// Quarnel: the STEP translation library. One call reads a STEP file and appends its geometry to
// seven openNURBS arrays; a failure leaves a one-line text for the user. The reading itself
// happens in a worker process of the library's own (quarnel-worker, beside the library or in the
// installed worker folder), so that a damaged file can neither crash nor hang the calling program.
//
// What the library makes of a file:
//   - STEP AP203, AP214 and AP242 (ISO 10303-21), parts and assemblies, every instance where the
//     assembly places it. Lengths come back in millimetres whatever unit the file uses.
//   - Free geometry (points, and curves that bound no face) comes back in both surface modes.
//   - Mesh mode (0): one mesh per solid, per shell outside a solid and per face outside a shell;
//     triangles only (vi[2] == vi[3]), oriented outwards, vertices shared between the faces of a
//     body. The chordal deflection is 0.1 % of the model's bounding-box diagonal and facets of a
//     curved face turn by at most 20 degrees (a circle gets at least 18 sides); vertices are single
//     precision, as ON_Mesh stores them.
//   - Edge-curve mode (1): the edges of every face, each shared or seam edge once, degenerate
//     edges left out: straight edges as lines, full circles as circles, circular arcs as arcs
//     running the edge's way, degree-1 and polygon-only edges as polylines, every other curve as
//     an exact NURBS curve (B-splines and Béziers as they are, ellipses and other conics rational
//     and exact). Curves without an exact NURBS form (offset curves) are approximated within
//     0.001 mm.
//   - AP242 tessellated shapes (triangulated faces, tessellated shells and solids) come back as
//     meshes in both modes, placed and scaled like the rest.
// Limits: the worker may run 60 s plus 30 s for each MB of the file and use three quarters of the
// machine's memory (at most 8 GB); QUARNEL_TIME_LIMIT_SECONDS and QUARNEL_MEMORY_LIMIT_MB change
// them, QUARNEL_WORKER names another worker program. SIGINT to the calling process (a Ctrl+C at
// the terminal, or raised by the program itself: kill(getpid(), SIGINT)) cancels a running
// translation, as SIGTERM and SIGHUP do; the program's own handling of them is kept (see
// src/WorkerClient.h). The library prints nothing.
#pragma once

#include <afxstr.h>
#include <opennurbs.h>

#define QUARNEL_API __attribute__((visibility("default")))

/*
Description:
  The translation library's entry points. The class has no state of its own beyond the text of
  the last failure, kept per thread.
*/
class QUARNEL_API Quarnel {
public:
    /*
    Description:
      Reads a STEP file and appends its geometry to the arrays.
    Parameters:
      path - [in] the file's full path.
      points - [out] free points.
      lines - [out] straight edges.
      polylines - [out] edges given as polygons or degree-1 curves.
      circles - [out] full circular edges.
      arcs - [out] circular arcs.
      nurbsCurves - [out] every other edge curve.
      meshes - [out] one mesh per body (mesh mode), and the file's tessellated shapes.
      surfaceType - [in] 0: faces as meshes; 1: faces as their edge curves.
      reserved - [in] must be 0.
    Returns:
      Non-zero on success: the arrays hold the file's geometry appended after what they held
      before; any of them may have nothing new (a STEP file without geometry is a success).
      0 on failure: GetError() tells why; the arrays are as they were.
    Remarks:
      Only appends. Throws nothing. Blocks the calling thread while the worker reads.
    */
    static int FileToGeometry(CString path, ON_3dPointArray& points, ON_ClassArray<ON_Line>& lines,
                              ON_ClassArray<ON_Polyline>& polylines,
                              ON_ClassArray<ON_Circle>& circles, ON_ClassArray<ON_Arc>& arcs,
                              ON_ClassArray<ON_NurbsCurve>& nurbsCurves,
                              ON_ClassArray<ON_Mesh>& meshes, int surfaceType, int reserved);

    /*
    Description:
      The text of the last failure of FileToGeometry on this thread.
    Returns:
      One line that names the file and what went wrong; empty before any failure.
    */
    static CString GetError();
};
