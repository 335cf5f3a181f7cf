// Copyright (c) Kestrin developers.
//
// The library's two entry points. The arguments are checked first (nothing is read for a surface
// type or option value it does not know), then the worker translates the file, and only a reply
// that decoded completely is appended to the caller's arrays. No exception leaves the library:
// the host does not handle any.
#include "Quarnel.h"

#include "FailureText.h"
#include "GeometryAppend.h"
#include "WorkerClient.h"

#include <KestrinPosix/FileNameText.h>

#include <new>
#include <string_view>

namespace {

using quarnel::worker::SurfaceMode;

// The surface types of the import options.
enum class SurfaceType : int {
    Mesh = 0,
    EdgeCurves = 1,
};

constexpr int kReservedValue = 0;

thread_local CString t_lastError;

int Fail(const std::string& text) {
    t_lastError = CString(kposix::FromUtf8(text).c_str());
    return 0;
}

} // namespace

int Quarnel::FileToGeometry(CString path, ON_3dPointArray& points, ON_ClassArray<ON_Line>& lines,
                            ON_ClassArray<ON_Polyline>& polylines,
                            ON_ClassArray<ON_Circle>& circles, ON_ClassArray<ON_Arc>& arcs,
                            ON_ClassArray<ON_NurbsCurve>& nurbsCurves,
                            ON_ClassArray<ON_Mesh>& meshes, int surfaceType, int reserved) {
    // The name byte for byte as the caller's wide text holds it, whatever its encoding.
    const std::string file = kposix::ToUtf8(
        std::wstring_view(path.GetString(), static_cast<std::size_t>(path.GetLength())));
    if (surfaceType != static_cast<int>(SurfaceType::Mesh) &&
        surfaceType != static_cast<int>(SurfaceType::EdgeCurves)) {
        return Fail(quarnel::SurfaceTypeText(surfaceType, file));
    }
    if (reserved != kReservedValue) {
        return Fail(quarnel::ReservedArgumentText(reserved, file));
    }
    const SurfaceMode mode = surfaceType == static_cast<int>(SurfaceType::Mesh)
                                 ? SurfaceMode::Mesh
                                 : SurfaceMode::EdgeCurves;
    try {
        quarnel::TranslatedGeometry geometry;
        std::string failure;
        if (!quarnel::TranslateInWorker(file, mode, quarnel::WorkerSettingsFromEnvironment(),
                                        &geometry, &failure)) {
            return Fail(failure);
        }
        quarnel::GeometryArrays arrays{points, lines,       polylines, circles,
                                       arcs,   nurbsCurves, meshes};
        quarnel::AppendGeometry(geometry, &arrays);
        return 1;
    } catch (const std::bad_alloc&) {
        return Fail(quarnel::OutOfMemoryText(file));
    } catch (...) {
        return Fail(quarnel::UnexpectedFailureText(file));
    }
}

CString Quarnel::GetError() {
    return t_lastError;
}
