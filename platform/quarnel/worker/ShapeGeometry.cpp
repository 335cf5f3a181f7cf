// Copyright (c) Kestrin developers.
//
// The walk over a shape. Edges are taken from a map of edges to their faces: it holds each edge
// once per placement (an explorer would visit an edge once per face), and an empty face list
// marks a free edge.
#include "ShapeGeometry.h"

#include "BodyMesher.h"
#include "EdgeCurves.h"

#include <BRepLib.hxx>
#include <BRep_Tool.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Shape.hxx>
#include <TopoDS_Vertex.hxx>

namespace quarnel::worker {
namespace {

void AppendFreePoints(const TopoDS_Shape& shape, TranslatedGeometry* geometry) {
    for (TopExp_Explorer vertices(shape, TopAbs_VERTEX, TopAbs_EDGE); vertices.More();
         vertices.Next()) {
        const gp_Pnt p = BRep_Tool::Pnt(TopoDS::Vertex(vertices.Current()));
        geometry->points.push_back({p.X(), p.Y(), p.Z()});
    }
}

void AppendEdges(const TopoDS_Shape& shape, SurfaceMode mode, TranslatedGeometry* geometry,
                 LeftOutGeometry* leftOut) {
    TopTools_IndexedDataMapOfShapeListOfShape edgeFaces;
    TopExp::MapShapesAndAncestors(shape, TopAbs_EDGE, TopAbs_FACE, edgeFaces);
    for (int i = 1; i <= edgeFaces.Extent(); ++i) {
        const bool isFree = edgeFaces(i).IsEmpty();
        if (!isFree && mode != SurfaceMode::EdgeCurves) {
            continue;
        }
        const TopoDS_Edge& edge = TopoDS::Edge(edgeFaces.FindKey(i));
        if (!BRep_Tool::Degenerated(edge)) {
            AppendEdgeCurve(edge, geometry, leftOut);
        }
    }
}

} // namespace

void AppendShapeGeometry(TopoDS_Shape& shape, SurfaceMode mode, TranslatedGeometry* geometry,
                         LeftOutGeometry* leftOut) {
    if (shape.IsNull()) {
        return;
    }
    AppendFreePoints(shape, geometry);
    if (mode == SurfaceMode::EdgeCurves) {
        // Some writers give face edges only as curves on the faces.
        BRepLib::BuildCurves3d(shape);
    }
    AppendEdges(shape, mode, geometry, leftOut);
    if (mode == SurfaceMode::Mesh) {
        AppendBodyMeshes(shape, &geometry->meshes);
    }
}

} // namespace quarnel::worker
