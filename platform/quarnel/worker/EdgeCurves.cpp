// Copyright (c) Kestrin developers.
//
// Edge to curve conversion. Lines and circles are read through the edge's adaptor (which applies
// the edge's location); everything else goes through the edge's 3D curve trimmed to the edge and
// converted to a B-spline, which is exact for B-splines, Béziers and conics.
#include "EdgeCurves.h"

#include "TranslationSettings.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRep_Tool.hxx>
#include <GeomConvert.hxx>
#include <GeomConvert_ApproxCurve.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_BezierCurve.hxx>
#include <Geom_Conic.hxx>
#include <Geom_Line.hxx>
#include <Geom_TrimmedCurve.hxx>
#include <Poly_Polygon3D.hxx>
#include <Precision.hxx>
#include <Standard_Failure.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TopoDS_Edge.hxx>
#include <gp_Circ.hxx>

#include <algorithm>
#include <cmath>

namespace quarnel::worker {
namespace {

constexpr double kFullTurn = 2.0 * M_PI;

Point3 ToPoint(const gp_XYZ& p) {
    return {p.X(), p.Y(), p.Z()};
}
Point3 ToPoint(const gp_Pnt& p) {
    return ToPoint(p.XYZ());
}
Point3 ToPoint(const gp_Dir& d) {
    return ToPoint(d.XYZ());
}

void AppendLine(const gp_Pnt& from, const gp_Pnt& to, TranslatedGeometry* geometry) {
    if (from.Distance(to) >= kMinEdgeLength) {
        geometry->lines.push_back({ToPoint(from), ToPoint(to)});
    }
}

// The circle's own frame, its parameter angles measured in it. gp_Ax2 is right-handed, and a
// circle's parameter runs counterclockwise about its main direction, so the edge's parameter
// range is the arc's angle range in this frame.
FullCircle ToCircle(const gp_Circ& circle) {
    const gp_Ax2& frame = circle.Position();
    return {{ToPoint(frame.Location()), ToPoint(frame.XDirection()), ToPoint(frame.YDirection()),
             ToPoint(frame.Direction())},
            circle.Radius()};
}

gp_Pnt PointAtAngle(const FullCircle& circle, double angle) {
    const Frame& f = circle.plane;
    const double c = circle.radius * std::cos(angle);
    const double s = circle.radius * std::sin(angle);
    return {f.origin.x + c * f.xAxis.x + s * f.yAxis.x, f.origin.y + c * f.xAxis.y + s * f.yAxis.y,
            f.origin.z + c * f.xAxis.z + s * f.yAxis.z};
}

// The same arc run the other way: mirroring the frame about its x axis turns angle t into -t.
CircularArc Reversed(const CircularArc& arc) {
    auto negate = [](Point3 p) { return Point3{-p.x, -p.y, -p.z}; };
    CircularArc result = arc;
    result.circle.plane.yAxis = negate(arc.circle.plane.yAxis);
    result.circle.plane.zAxis = negate(arc.circle.plane.zAxis);
    result.startAngle = -arc.endAngle;
    result.endAngle = -arc.startAngle;
    return result;
}

void AppendCircle(const BRepAdaptor_Curve& curve, bool reversed, TranslatedGeometry* geometry) {
    const double first = curve.FirstParameter();
    const double last = curve.LastParameter();
    const FullCircle circle = ToCircle(curve.Circle());
    if (last - first >= kFullTurn - kFullTurnTolerance) {
        geometry->circles.push_back(circle);
        return;
    }
    if (!(last - first > 0.0)) {
        return;
    }
    CircularArc arc{circle, first, last};
    // A mirroring placement can turn the frame so that the parameter runs clockwise in it. Three
    // points tell: the frame is right when they all lie where its angles put them.
    const double tolerance = kFrameCheckTolerance * circle.radius;
    for (double t : {first, 0.5 * (first + last), last}) {
        if (PointAtAngle(circle, t).Distance(curve.Value(t)) > tolerance) {
            arc = Reversed(CircularArc{circle, -last, -first});
            break;
        }
    }
    geometry->arcs.push_back(reversed ? Reversed(arc) : arc);
}

void AppendPolyline(const std::vector<gp_Pnt>& points, TranslatedGeometry* geometry) {
    PointChain chain;
    chain.reserve(points.size());
    for (const gp_Pnt& p : points) {
        if (chain.empty() ||
            p.Distance(gp_Pnt(chain.back().x, chain.back().y, chain.back().z)) >= kMinEdgeLength) {
            chain.push_back(ToPoint(p));
        }
    }
    if (chain.size() == 2) {
        geometry->lines.push_back({chain.front(), chain.back()});
    } else if (chain.size() > 2) {
        geometry->polylines.push_back(std::move(chain));
    }
}

// A degree-1 B-spline is a polyline through its poles; its knots mark the corners.
void AppendPolylineCurve(const Geom_BSplineCurve& curve, TranslatedGeometry* geometry) {
    std::vector<gp_Pnt> points;
    points.reserve(static_cast<std::size_t>(curve.NbPoles()));
    for (int i = 1; i <= curve.NbPoles(); ++i) {
        points.push_back(curve.Pole(i));
    }
    AppendPolyline(points, geometry);
}

void AppendNurbs(const Handle(Geom_BSplineCurve) & curve, TranslatedGeometry* geometry) {
    if (curve->IsPeriodic()) {
        curve->SetNotPeriodic();
    }
    if (curve->Degree() == 1 && !curve->IsRational()) {
        AppendPolylineCurve(*curve, geometry);
        return;
    }
    NurbsData nurbs;
    nurbs.rational = curve->IsRational();
    nurbs.order = curve->Degree() + 1;
    const int poleCount = curve->NbPoles();
    nurbs.points.reserve(static_cast<std::size_t>(poleCount));
    nurbs.weights.reserve(static_cast<std::size_t>(poleCount));
    for (int i = 1; i <= poleCount; ++i) {
        nurbs.points.push_back(ToPoint(curve->Pole(i)));
        nurbs.weights.push_back(curve->Weight(i));
    }
    // The flat knot sequence has order + poleCount values; openNURBS leaves out the outermost two.
    TColStd_Array1OfReal flat(1, curve->NbPoles() + nurbs.order);
    curve->KnotSequence(flat);
    for (int i = flat.Lower() + 1; i < flat.Upper(); ++i) {
        nurbs.knots.push_back(flat(i));
    }
    geometry->nurbsCurves.push_back(std::move(nurbs));
}

bool HasExactBSplineForm(const Handle(Geom_Curve) & curve) {
    return curve->IsKind(STANDARD_TYPE(Geom_BSplineCurve)) ||
           curve->IsKind(STANDARD_TYPE(Geom_BezierCurve)) ||
           curve->IsKind(STANDARD_TYPE(Geom_Conic)) || curve->IsKind(STANDARD_TYPE(Geom_Line));
}

Handle(Geom_BSplineCurve) ToBSpline(const Handle(Geom_TrimmedCurve) & trimmed) {
    if (HasExactBSplineForm(trimmed->BasisCurve())) {
        try {
            return GeomConvert::CurveToBSplineCurve(trimmed);
        } catch (const Standard_Failure&) {
            // Falls through to the approximation below.
        }
    }
    GeomConvert_ApproxCurve approximation(trimmed, kCurveApproximationTolerance, GeomAbs_C2,
                                          kApproximationMaxSegments, kApproximationMaxDegree);
    if (!approximation.HasResult()) {
        return {};
    }
    return approximation.Curve();
}

void AppendFreeFormCurve(const TopoDS_Edge& edge, bool reversed, TranslatedGeometry* geometry) {
    TopLoc_Location location;
    double first = 0.0;
    double last = 0.0;
    const Handle(Geom_Curve) curve = BRep_Tool::Curve(edge, location, first, last);
    if (curve.IsNull() || !(last > first)) {
        return;
    }
    Handle(Geom_TrimmedCurve) trimmed = new Geom_TrimmedCurve(curve, first, last);
    if (!location.IsIdentity()) {
        trimmed->Transform(location.Transformation());
    }
    Handle(Geom_BSplineCurve) bspline = ToBSpline(trimmed);
    if (bspline.IsNull()) {
        return;
    }
    if (reversed) {
        bspline->Reverse();
    }
    AppendNurbs(bspline, geometry);
}

void AppendPolygon(const TopoDS_Edge& edge, bool reversed, TranslatedGeometry* geometry) {
    TopLoc_Location location;
    const Handle(Poly_Polygon3D) polygon = BRep_Tool::Polygon3D(edge, location);
    if (polygon.IsNull()) {
        return;
    }
    const gp_Trsf transformation = location.Transformation();
    std::vector<gp_Pnt> points;
    for (int i = 1; i <= polygon->NbNodes(); ++i) {
        points.push_back(polygon->Nodes()(i).Transformed(transformation));
    }
    if (reversed) {
        std::reverse(points.begin(), points.end());
    }
    AppendPolyline(points, geometry);
}

} // namespace

void AppendEdgeCurve(const TopoDS_Edge& edge, TranslatedGeometry* geometry,
                     LeftOutGeometry* leftOut) {
    const bool reversed = edge.Orientation() == TopAbs_REVERSED;
    if (!BRep_Tool::IsGeometric(edge)) {
        AppendPolygon(edge, reversed, geometry);
        return;
    }
    const BRepAdaptor_Curve curve(edge);
    // The reader bounds an unbounded curve of a curve set at the "infinite" parameter.
    if (Precision::IsInfinite(curve.FirstParameter()) ||
        Precision::IsInfinite(curve.LastParameter())) {
        ++leftOut->unboundedCurves;
        return;
    }
    switch (curve.GetType()) {
    case GeomAbs_Line: {
        const gp_Pnt start = curve.Value(curve.FirstParameter());
        const gp_Pnt end = curve.Value(curve.LastParameter());
        reversed ? AppendLine(end, start, geometry) : AppendLine(start, end, geometry);
        return;
    }
    case GeomAbs_Circle:
        AppendCircle(curve, reversed, geometry);
        return;
    default:
        AppendFreeFormCurve(edge, reversed, geometry);
        return;
    }
}

} // namespace quarnel::worker
