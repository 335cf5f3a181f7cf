// Copyright (c) Kestrin developers.
//
// Each object is built in the array's new slot (AppendNew), checked with IsValid and taken back
// (Remove) when openNURBS refuses it. The worker sends frames that are orthonormal, arcs whose
// angles run counterclockwise about the frame's z axis, and NURBS data in openNURBS's own layout.
#include "GeometryAppend.h"

namespace quarnel {
namespace {

ON_3dPoint ToPoint(const Point3& p) {
    return ON_3dPoint(p.x, p.y, p.z);
}
ON_3dVector ToVector(const Point3& p) {
    return ON_3dVector(p.x, p.y, p.z);
}

ON_Circle ToCircle(const FullCircle& c) {
    return ON_Circle(
        ON_Plane(ToPoint(c.plane.origin), ToVector(c.plane.xAxis), ToVector(c.plane.yAxis)),
        c.radius);
}

// Keeps the last element only when it is valid.
template <typename Array> void KeepIfValid(Array& array) {
    if (!array[array.Count() - 1].IsValid()) {
        array.Remove();
    }
}

void AppendNurbs(const NurbsData& data, ON_ClassArray<ON_NurbsCurve>& curves) {
    ON_NurbsCurve& curve = curves.AppendNew();
    const int cvCount = static_cast<int>(data.points.size());
    curve.Create(3, data.rational, data.order, cvCount);
    for (int i = 0; i < cvCount; ++i) {
        const Point3& p = data.points[static_cast<std::size_t>(i)];
        if (data.rational) {
            const double w = data.weights[static_cast<std::size_t>(i)];
            curve.SetCV(i, ON_4dPoint(p.x * w, p.y * w, p.z * w, w));
        } else {
            curve.SetCV(i, ToPoint(p));
        }
    }
    for (std::size_t i = 0; i < data.knots.size(); ++i) {
        curve.SetKnot(static_cast<int>(i), data.knots[i]);
    }
    KeepIfValid(curves);
}

void AppendMesh(const MeshData& data, ON_ClassArray<ON_Mesh>& meshes) {
    ON_Mesh& mesh = meshes.AppendNew();
    mesh.m_V.Reserve(data.vertices.size());
    for (const auto& v : data.vertices) {
        mesh.m_V.Append(ON_3fPoint(v[0], v[1], v[2]));
    }
    mesh.m_F.Reserve(data.faces.size());
    for (const auto& f : data.faces) {
        ON_MeshFace& face = mesh.m_F.AppendNew();
        for (int k = 0; k < 4; ++k) {
            face.vi[k] = static_cast<int>(f[static_cast<std::size_t>(k)]);
        }
    }
    KeepIfValid(meshes);
}

void AppendAll(const TranslatedGeometry& g, GeometryArrays* a) {
    a->points.Reserve(static_cast<std::size_t>(a->points.Count()) + g.points.size());
    for (const Point3& p : g.points) {
        a->points.Append(ToPoint(p));
    }
    for (const LineSegment& l : g.lines) {
        a->lines.Append(ON_Line(ToPoint(l.from), ToPoint(l.to)));
        KeepIfValid(a->lines);
    }
    for (const PointChain& chain : g.polylines) {
        ON_Polyline& polyline = a->polylines.AppendNew();
        polyline.Reserve(chain.size());
        for (const Point3& p : chain) {
            polyline.Append(ToPoint(p));
        }
        KeepIfValid(a->polylines);
    }
    for (const FullCircle& c : g.circles) {
        a->circles.Append(ToCircle(c));
        KeepIfValid(a->circles);
    }
    for (const CircularArc& arc : g.arcs) {
        a->arcs.AppendNew().Create(ToCircle(arc.circle), ON_Interval(arc.startAngle, arc.endAngle));
        KeepIfValid(a->arcs);
    }
    for (const NurbsData& n : g.nurbsCurves) {
        AppendNurbs(n, a->nurbsCurves);
    }
    for (const MeshData& m : g.meshes) {
        AppendMesh(m, a->meshes);
    }
}

template <typename Array> void CutBack(Array& array, int count) {
    while (array.Count() > count) {
        array.Remove();
    }
}

} // namespace

void AppendGeometry(const TranslatedGeometry& geometry, GeometryArrays* arrays) {
    const int counts[] = {arrays->points.Count(),    arrays->lines.Count(),
                          arrays->polylines.Count(), arrays->circles.Count(),
                          arrays->arcs.Count(),      arrays->nurbsCurves.Count(),
                          arrays->meshes.Count()};
    try {
        AppendAll(geometry, arrays);
    } catch (...) {
        CutBack(arrays->points, counts[0]);
        CutBack(arrays->lines, counts[1]);
        CutBack(arrays->polylines, counts[2]);
        CutBack(arrays->circles, counts[3]);
        CutBack(arrays->arcs, counts[4]);
        CutBack(arrays->nurbsCurves, counts[5]);
        CutBack(arrays->meshes, counts[6]);
        throw;
    }
}

} // namespace quarnel
