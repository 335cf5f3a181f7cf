// Copyright (c) Kestrin developers.
#include "SphereGridModel.h"

#include <BRepPrimAPI_MakeSphere.hxx>
#include <BRep_Builder.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <STEPControl_Writer.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Shell.hxx>

#include <cstdio>

namespace kestrin::bench {
namespace {

constexpr double kRadius = 10.0;
constexpr double kSpacing = 30.0; // centre to centre

TopoDS_Shape MakeGrid(int side, SphereBodies bodies) {
    BRep_Builder builder;
    TopoDS_Compound compound;
    TopoDS_Shell shell;
    builder.MakeCompound(compound);
    builder.MakeShell(shell);
    for (int i = 0; i < side; ++i) {
        for (int j = 0; j < side; ++j) {
            for (int k = 0; k < side; ++k) {
                const gp_Pnt centre(i * kSpacing, j * kSpacing, k * kSpacing);
                const TopoDS_Shape sphere = BRepPrimAPI_MakeSphere(centre, kRadius).Shape();
                if (bodies == SphereBodies::Separate) {
                    builder.Add(compound, sphere);
                    continue;
                }
                for (TopExp_Explorer faces(sphere, TopAbs_FACE); faces.More(); faces.Next()) {
                    builder.Add(shell, faces.Current());
                }
            }
        }
    }
    if (bodies == SphereBodies::Separate) {
        return compound;
    }
    return shell;
}

} // namespace

bool WriteSphereGrid(int side, SphereBodies bodies, const std::string& path) {
    Message::DefaultMessenger()->ChangePrinters().Clear();
    const std::string partial = path + ".partial";
    STEPControl_Writer writer;
    Interface_Static::SetCVal("write.step.unit", "MM");
    return writer.Transfer(MakeGrid(side, bodies), STEPControl_AsIs) == IFSelect_RetDone &&
           writer.Write(partial.c_str()) == IFSelect_RetDone &&
           std::rename(partial.c_str(), path.c_str()) == 0;
}

} // namespace kestrin::bench
