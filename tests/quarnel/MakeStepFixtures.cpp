// Copyright (c) Kestrin developers.
//
// quarnel-make-fixtures DIR: writes the STEP files the translation tests read, made with Open
// CASCADE so that their exact content is known: primitives, a filleted bracket with holes, a
// two-instance assembly, free curves, an elliptical arc, free points, a 1 x 2 x 3 inch box (the
// writer labels the coordinates with the unit; it does not convert them), a file with geometry of
// all seven kinds, AP242 tessellated bodies (a cube; a mesh of more corners than a polyface mesh
// holds, then the cube) and a damaged box. Lengths are millimetres otherwise. Run once per
// test run (a CTest fixture), outside the sanitized test processes, like the worker.
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
#include <Geom_Hyperbola.hxx>
#include <Geom_Line.hxx>
#include <Geom_Parabola.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <STEPControl_Writer.hxx>
#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColgp_Array1OfPnt.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <gp_Ax2.hxx>
#include <gp_Circ.hxx>
#include <gp_XYZ.hxx>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Separate triangles whose 3 x 10,923 = 32,769 corners are two more than a polyface mesh holds.
constexpr int kPastPolyFaceLimit = 10923;

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

// Curves a drawing cannot hold, as curve sets have them: an unbounded line and an unbounded
// parabola (the writer cuts both at Open CASCADE's "infinite" parameter, +-2e100) and a hyperbola
// over -60 .. 60, which reaches beyond 1e26 mm. With withLine, a line (0,0,0)-(10,0,0) beside them.
TopoDS_Shape MakeUnboundedCurves(bool withLine) {
    TopoDS_Compound compound;
    BRep_Builder builder;
    builder.MakeCompound(compound);
    builder.Add(compound, BRepBuilderAPI_MakeEdge(new Geom_Line(gp_Pnt(1, 2, 3), gp::DX())));
    builder.Add(compound,
                BRepBuilderAPI_MakeEdge(new Geom_Parabola(gp_Ax2(gp::Origin(), gp::DZ()), 5.0)));
    builder.Add(compound,
                BRepBuilderAPI_MakeEdge(
                    new Geom_Hyperbola(gp_Ax2(gp::Origin(), gp::DZ()), 5.0, 3.0), -60.0, 60.0));
    if (withLine) {
        builder.Add(compound, BRepBuilderAPI_MakeEdge(gp_Pnt(0, 0, 0), gp_Pnt(10, 0, 0)));
    }
    return compound;
}

// The writer reports an error for the curves it cuts at the "infinite" parameter, yet writes
// them whole; a file in place is the check here.
bool WriteUnbounded(const TopoDS_Shape& shape, const std::string& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    Write(shape, path);
    return std::filesystem::exists(path);
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

// One of each kind the translator gives in mesh mode, as free geometry beside a solid: two
// points, a line, a three-segment polyline (a degree-1 B-spline), a full circle, a quarter arc, a
// cubic B-spline and a 10 x 10 x 10 box at (100, 0, 0), which becomes one mesh.
TopoDS_Shape MakeSevenKinds() {
    TopoDS_Compound compound;
    BRep_Builder builder;
    builder.MakeCompound(compound);
    builder.Add(compound, BRepBuilderAPI_MakeVertex(gp_Pnt(-10, -10, 0)));
    builder.Add(compound, BRepBuilderAPI_MakeVertex(gp_Pnt(-20, -10, 0)));
    builder.Add(compound, BRepBuilderAPI_MakeEdge(gp_Pnt(0, 0, 0), gp_Pnt(10, 0, 0)));

    TColgp_Array1OfPnt corners(1, 4);
    corners(1) = gp_Pnt(0, 10, 0);
    corners(2) = gp_Pnt(10, 10, 0);
    corners(3) = gp_Pnt(10, 20, 0);
    corners(4) = gp_Pnt(20, 20, 0);
    TColStd_Array1OfReal knots(1, 4);
    TColStd_Array1OfInteger multiplicities(1, 4);
    for (int i = 1; i <= 4; ++i) {
        knots(i) = i - 1;
        multiplicities(i) = i == 1 || i == 4 ? 2 : 1;
    }
    builder.Add(compound,
                BRepBuilderAPI_MakeEdge(new Geom_BSplineCurve(corners, knots, multiplicities, 1)));

    builder.Add(compound,
                BRepBuilderAPI_MakeEdge(gp_Circ(gp_Ax2(gp_Pnt(0, 40, 0), gp::DZ()), 5.0)));
    builder.Add(compound, BRepBuilderAPI_MakeEdge(
                              GC_MakeArcOfCircle(gp_Circ(gp_Ax2(gp_Pnt(20, 40, 0), gp::DZ()), 5.0),
                                                 0.0, M_PI / 2.0, true)
                                  .Value()));
    TColgp_Array1OfPnt through(1, 4);
    through(1) = gp_Pnt(0, 60, 0);
    through(2) = gp_Pnt(5, 64, 0);
    through(3) = gp_Pnt(10, 57, 2);
    through(4) = gp_Pnt(15, 60, 0);
    builder.Add(compound, BRepBuilderAPI_MakeEdge(GeomAPI_PointsToBSpline(through, 3, 3).Curve()));

    builder.Add(compound, BRepPrimAPI_MakeBox(gp_Pnt(100, 0, 0), 10.0, 10.0, 10.0).Shape());
    return compound;
}

bool WriteText(const std::string& text, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

// A body of triangles for the AP242 tessellated files: corners and 1-based corner triples.
struct TriangulatedBody {
    std::vector<gp_XYZ> corners;
    std::vector<std::array<int, 3>> triangles;
};

// A 10 mm cube at the origin, its 12 triangles facing outward.
TriangulatedBody TriangulatedCube() {
    return {{{0, 0, 0},
             {10, 0, 0},
             {10, 10, 0},
             {0, 10, 0},
             {0, 0, 10},
             {10, 0, 10},
             {10, 10, 10},
             {0, 10, 10}},
            {{1, 3, 2},
             {1, 4, 3},
             {5, 6, 7},
             {5, 7, 8},
             {1, 2, 6},
             {1, 6, 5},
             {2, 3, 7},
             {2, 7, 6},
             {3, 4, 8},
             {3, 8, 7},
             {4, 1, 5},
             {4, 5, 8}}};
}

// count triangles apart from each other, 100 to a row at z = -5, with three corners each.
TriangulatedBody SeparateTriangles(int count) {
    constexpr int kPerRow = 100;
    TriangulatedBody body;
    for (int i = 0; i < count; ++i) {
        const double x = 2.0 * (i % kPerRow);
        const double y = 2.0 * (i / kPerRow);
        body.corners.emplace_back(x, y, -5.0);
        body.corners.emplace_back(x + 1.0, y, -5.0);
        body.corners.emplace_back(x, y + 1.0, -5.0);
        body.triangles.push_back({3 * i + 1, 3 * i + 2, 3 * i + 3});
    }
    return body;
}

// Bodies as AP242 tessellated geometry only, one tessellated solid each, in millimetres. Open
// CASCADE 7.6 writes no tessellated geometry, so the text is ours.
bool WriteTessellated(const std::vector<TriangulatedBody>& bodies, const std::string& path) {
    std::ostringstream step;
    step << std::fixed << std::setprecision(1); // STEP reals need their decimal point
    step << "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n"
            "FILE_NAME('tessellated','2024-01-01T00:00:00',(''),(''),'','','');\n"
            "FILE_SCHEMA(('AP242_MANAGED_MODEL_BASED_3D_ENGINEERING_MIM_LF { 1 0 10303 442 1 1 4 "
            "}'));\n"
            "ENDSEC;\nDATA;\n"
            "#1=(LENGTH_UNIT()NAMED_UNIT(*)SI_UNIT(.MILLI.,.METRE.));\n"
            "#2=(NAMED_UNIT(*)PLANE_ANGLE_UNIT()SI_UNIT($,.RADIAN.));\n"
            "#3=(NAMED_UNIT(*)SI_UNIT($,.STERADIAN.)SOLID_ANGLE_UNIT());\n"
            "#4=UNCERTAINTY_MEASURE_WITH_UNIT(LENGTH_MEASURE(0.001),#1,'distance_accuracy_value',''"
            ");\n"
            "#5=(GEOMETRIC_REPRESENTATION_CONTEXT(3)GLOBAL_UNCERTAINTY_ASSIGNED_CONTEXT((#4))"
            "GLOBAL_UNIT_ASSIGNED_CONTEXT((#1,#2,#3))REPRESENTATION_CONTEXT('bodies',''));\n";
    int id = 6;
    std::string solids;
    for (const TriangulatedBody& body : bodies) {
        const int coordinates = id++;
        step << "#" << coordinates << "=COORDINATES_LIST(''," << body.corners.size() << ",(";
        for (std::size_t i = 0; i < body.corners.size(); ++i) {
            const gp_XYZ& p = body.corners[i];
            step << (i ? "," : "") << "(" << p.X() << "," << p.Y() << "," << p.Z() << ")";
        }
        const int face = id++;
        step << "));\n#" << face << "=TRIANGULATED_FACE('',#" << coordinates << ","
             << body.corners.size() << ",(),$,(),(";
        for (std::size_t i = 0; i < body.triangles.size(); ++i) {
            const std::array<int, 3>& t = body.triangles[i];
            step << (i ? "," : "") << "(" << t[0] << "," << t[1] << "," << t[2] << ")";
        }
        const int solid = id++;
        step << "));\n#" << solid << "=TESSELLATED_SOLID('',(#" << face << "),$);\n";
        solids += (solids.empty() ? "#" : ",#") + std::to_string(solid);
    }
    step << "#" << id << "=TESSELLATED_SHAPE_REPRESENTATION('bodies',(" << solids
         << "),#5);\nENDSEC;\nEND-ISO-10303-21;\n";
    return WriteText(step.str(), path);
}

// The box file with its data broken in the middle: a run of bytes that are no STEP in place of
// the lines there, as a damaged disk or transfer leaves a file.
bool WriteDamagedCopy(const std::string& source, const std::string& path) {
    std::ifstream in(source, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string content = text.str();
    const std::size_t data = content.find("DATA;");
    if (data == std::string::npos) {
        return false;
    }
    const std::size_t from = content.find('\n', (data + content.size()) / 2);
    const std::size_t to = content.find('\n', from + 1 + content.size() / 10);
    if (to == std::string::npos) {
        return false;
    }
    content.replace(from + 1, to - from, "#9\x01\xfe=(((,'\x7f garbled\n");
    return WriteText(content, path);
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
        WriteUnbounded(MakeUnboundedCurves(false), dir + "unbounded-curves.step") &&
        WriteUnbounded(MakeUnboundedCurves(true), dir + "unbounded-curves-and-line.step") &&
        Write(BRepPrimAPI_MakeBox(gp_Pnt(3e15, 0, 0), 10.0, 10.0, 10.0).Shape(),
              dir + "far-box.step") &&
        Write(BRepPrimAPI_MakeSphere(7.0).Shape(), dir + "sphere.step") &&
        Write(BRepPrimAPI_MakeTorus(20.0, 5.0).Shape(), dir + "torus.step") &&
        Write(MakeBracket(), dir + "bracket.step") &&
        Write(MakeAssembly(), dir + "assembly.step", "MM", true) &&
        Write(MakeWire(), dir + "wire.step") && Write(MakeEllipseArc(), dir + "ellipse.step") &&
        Write(MakePoints(), dir + "points.step") &&
        Write(BRepPrimAPI_MakeBox(1.0, 2.0, 3.0).Shape(), dir + "inch-box.step", "INCH") &&
        Write(MakeSevenKinds(), dir + "seven-kinds.step") &&
        WriteTessellated({TriangulatedCube()}, dir + "tessellated-cube.step") &&
        WriteTessellated({SeparateTriangles(kPastPolyFaceLimit), TriangulatedCube()},
                         dir + "oversized-mesh.step") &&
        WriteDamagedCopy(dir + "box.step", dir + "damaged-box.step");
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
