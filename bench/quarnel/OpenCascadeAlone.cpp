// Copyright (c) Kestrin developers.
#include "OpenCascadeAlone.h"

#include "TranslationSettings.h"

#include <BRepBndLib.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <IMeshTools_Parameters.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Poly_Triangulation.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Shape.hxx>

#include <chrono>
#include <cmath>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quarnel::bench {
namespace {

using Clock = std::chrono::steady_clock;
constexpr double kKbPerMb = 1024.0;

// Counting the triangles is not part of the work being timed; it is done after the mesher, once.
std::uint64_t CountTriangles(const TopoDS_Shape& shape) {
    std::uint64_t triangles = 0;
    for (TopExp_Explorer faces(shape, TopAbs_FACE); faces.More(); faces.Next()) {
        TopLoc_Location location;
        const Handle(Poly_Triangulation) triangulation =
            BRep_Tool::Triangulation(TopoDS::Face(faces.Current()), location);
        if (!triangulation.IsNull()) {
            triangles += static_cast<std::uint64_t>(triangulation->NbTriangles());
        }
    }
    return triangles;
}

// What the worker does before converting, in the current (child) process. Writes the triangle
// count to fd.
bool ReadWithOpenCascade(const std::string& path, worker::SurfaceMode mode, int fd) {
    Message::DefaultMessenger()->ChangePrinters().Clear();
    STEPControl_Reader reader;
    Interface_Static::SetCVal("xstep.cascade.unit", "MM");
    if (reader.ReadFile(path.c_str()) != IFSelect_RetDone || reader.TransferRoots() == 0) {
        return false;
    }
    const TopoDS_Shape shape = reader.OneShape();
    std::uint64_t triangles = 0;
    if (mode == worker::SurfaceMode::Mesh) {
        Bnd_Box box;
        BRepBndLib::Add(shape, box);
        IMeshTools_Parameters parameters;
        parameters.Deflection = worker::kRelativeDeflection * std::sqrt(box.SquareExtent());
        parameters.Angle = worker::kAngularDeflection;
        parameters.MinSize = parameters.Deflection * worker::kMinSizeFraction;
        parameters.InParallel = true;
        BRepMesh_IncrementalMesh mesher(shape, parameters);
        triangles = CountTriangles(shape);
    }
    return ::write(fd, &triangles, sizeof(triangles)) == sizeof(triangles);
}

} // namespace

bool RunOpenCascadeAlone(const std::string& path, worker::SurfaceMode mode, OpenCascadeRun* run) {
    int ends[2];
    if (::pipe(ends) != 0) {
        return false;
    }
    const Clock::time_point start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ends[0]);
        ::_exit(ReadWithOpenCascade(path, mode, ends[1]) ? 0 : 1);
    }
    ::close(ends[1]);
    int status = 0;
    rusage usage{};
    const bool reaped = pid > 0 && ::wait4(pid, &status, 0, &usage) == pid;
    run->seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run->peakMb = static_cast<double>(usage.ru_maxrss) / kKbPerMb;
    const bool counted = ::read(ends[0], &run->triangles, sizeof(run->triangles)) ==
                         static_cast<ssize_t>(sizeof(run->triangles));
    ::close(ends[0]);
    return reaped && counted && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace quarnel::bench
