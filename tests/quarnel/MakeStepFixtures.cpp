// Copyright (c) Kestrin developers.
//
// quarnel-make-fixtures DIR: writes the STEP files the translation tests read, made with Open
// CASCADE so that their exact content is known: primitives, a filleted bracket with holes, a
// two-instance assembly, free curves, an elliptical arc, free points and a 1 x 2 x 3 inch box (the
// writer labels the coordinates with the unit; it does not convert them). Lengths are millimetres
// otherwise. Run once per test run (a CTest fixture), outside the sanitized test processes, like
// the worker.
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepFilletAPI_MakeFillet.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakeSphere.hxx>
#include <BRepPrimAPI_MakeTorus.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GeomAPI_PointsToBSpline.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_Ellipse.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <STEPControl_Writer.hxx>
#include <TColgp_Array1OfPnt.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <gp_Ax2.hxx>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

bool Write(const TopoDS_Shape& shape, const std::string& path, const char* unit = "MM",
           bool assembly = false) {
    STEPControl_Writer writer;
    Interface_Static::SetCVal("write.step.unit", unit);
    Interface_Static::SetIVal("write.step.assembly", assembly ? 1 : 0);
    return writer.Transfer(shape, STEPControl_AsIs) == IFSelect_RetDone &&
           writer.Write(path.c_str()) == IFSelect_RetDone;
}

// An L-shaped bracket: an 80 x 40 x 8 base with an upright 8 x 40 x 50 at x = 0, a 14 mm hole
// through the base at (50, 20), a 12 mm hole through the upright at height 32, and the base's two
// outer vertical edges rounded with 6 mm fillets.
TopoDS_Shape MakeBracket() {
    const TopoDS_Shape base = BRepPrimAPI_MakeBox(80.0, 40.0, 8.0).Shape();
    const TopoDS_Shape upright = BRepPrimAPI_MakeBox(8.0, 40.0, 50.0).Shape();
    TopoDS_Shape body = BRepAlgoAPI_Fuse(base, upright).Shape();
    const TopoDS_Shape baseHole =
        BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(50.0, 20.0, -1.0), gp::DZ()), 7.0, 10.0).Shape();
    const TopoDS_Shape uprightHole =
        BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(-1.0, 20.0, 32.0), gp::DX()), 6.0, 10.0).Shape();
    body = BRepAlgoAPI_Cut(BRepAlgoAPI_Cut(body, baseHole).Shape(), uprightHole).Shape();
    BRepFilletAPI_MakeFillet fillet(body);
    for (TopExp_Explorer edges(body, TopAbs_EDGE); edges.More(); edges.Next()) {
        const TopoDS_Edge& edge = TopoDS::Edge(edges.Current());
        TopExp_Explorer vertices(edge, TopAbs_VERTEX);
        const gp_Pnt a = BRep_Tool::Pnt(TopoDS::Vertex(vertices.Current()));
        vertices.Next();
        const gp_Pnt b = BRep_Tool::Pnt(TopoDS::Vertex(vertices.Current()));
        if (a.X() > 79.9 && b.X() > 79.9 && std::abs(a.Z() - b.Z()) > 7.9) {
            fillet.Add(6.0, edge);
        }
    }
    return fillet.Shape();
}

// Two instances of one 10 x 20 x 30 box, the second moved by (100, 50, 0).
TopoDS_Shape MakeAssembly() {
    const TopoDS_Shape box = BRepPrimAPI_MakeBox(10.0, 20.0, 30.0).Shape();
    gp_Trsf move;
    move.SetTranslation(gp_Vec(100.0, 50.0, 0.0));
    TopoDS_Compound compound;
    BRep_Builder builder;
    builder.MakeCompound(compound);
    builder.Add(compound, box);
    builder.Add(compound, box.Moved(TopLoc_Location(move)));
    return compound;
}

// A wire of a line (0,0,0)-(10,0,0), a half circle to (20,0,0) through (15,5,0) and a cubic
// B-spline on to (35,0,0).
TopoDS_Shape MakeWire() {
    const TopoDS_Edge line = BRepBuilderAPI_MakeEdge(gp_Pnt(0, 0, 0), gp_Pnt(10, 0, 0));
    const TopoDS_Edge arc = BRepBuilderAPI_MakeEdge(
        GC_MakeArcOfCircle(gp_Pnt(10, 0, 0), gp_Pnt(15, 5, 0), gp_Pnt(20, 0, 0)).Value());
    TColgp_Array1OfPnt points(1, 4);
    points(1) = gp_Pnt(20, 0, 0);
    points(2) = gp_Pnt(25, -4, 0);
    points(3) = gp_Pnt(30, 3, 2);
    points(4) = gp_Pnt(35, 0, 0);
    const TopoDS_Edge spline =
        BRepBuilderAPI_MakeEdge(GeomAPI_PointsToBSpline(points, 3, 3).Curve());
    return BRepBuilderAPI_MakeWire(line, arc, spline).Wire();
}

// A quarter of an ellipse with semi-axes 10 (along x) and 5 (along y), from (10,0,0) to
// (0,5,0): a conic that comes back as an exact rational NURBS curve.
TopoDS_Shape MakeEllipseArc() {
    const Handle(Geom_Ellipse) ellipse =
        new Geom_Ellipse(gp_Ax2(gp::Origin(), gp::DZ()), 10.0, 5.0);
    return BRepBuilderAPI_MakeEdge(ellipse, 0.0, M_PI / 2.0).Edge();
}

// Three free points.
TopoDS_Shape MakePoints() {
    TopoDS_Compound compound;
    BRep_Builder builder;
    builder.MakeCompound(compound);
    builder.Add(compound, BRepBuilderAPI_MakeVertex(gp_Pnt(1, 2, 3)));
    builder.Add(compound, BRepBuilderAPI_MakeVertex(gp_Pnt(-4, 5, 6)));
    builder.Add(compound, BRepBuilderAPI_MakeVertex(gp_Pnt(7, -8, 9)));
    return compound;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quarnel-make-fixtures DIR\n");
        return EXIT_FAILURE;
    }
    Message::DefaultMessenger()->ChangePrinters().Clear();
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    const std::string dir = std::string(argv[1]) + "/";
    const bool ok =
        Write(BRepPrimAPI_MakeBox(10.0, 20.0, 30.0).Shape(), dir + "box.step") &&
        Write(BRepPrimAPI_MakeCylinder(5.0, 10.0).Shape(), dir + "cylinder.step") &&
        Write(BRepPrimAPI_MakeSphere(7.0).Shape(), dir + "sphere.step") &&
        Write(BRepPrimAPI_MakeTorus(20.0, 5.0).Shape(), dir + "torus.step") &&
        Write(MakeBracket(), dir + "bracket.step") &&
        Write(MakeAssembly(), dir + "assembly.step", "MM", true) &&
        Write(MakeWire(), dir + "wire.step") && Write(MakeEllipseArc(), dir + "ellipse.step") &&
        Write(MakePoints(), dir + "points.step") &&
        Write(BRepPrimAPI_MakeBox(1.0, 2.0, 3.0).Shape(), dir + "inch-box.step", "INCH");
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
