// Kestrin host program: counting a drawing's entities. Entities are read without being opened
// (as the file writers read them), so a summary of millions of faces costs no open and close
// each, and no entity's open state changes.
#include "Commands/DrawingSummary.h"

#include "Session/WideText.h"

#include "Db3dPolyline.h"
#include "DbArc.h"
#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbFace.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "DbPolyFaceMesh.h"
#include "DbSpline.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

namespace KestrinApp {

namespace {

void Count(const OdDbEntity& entity, DrawingSummary* summary) {
    const OdRxClass* const pClass = entity.isA();
    if (pClass->isDerivedFrom(OdDbPolyFaceMesh::desc())) {
        const auto& mesh = static_cast<const OdDbPolyFaceMesh&>(entity);
        ++summary->polyfaceMeshes;
        summary->meshVertices += static_cast<std::size_t>(mesh.numVertices());
        summary->meshFaces += static_cast<std::size_t>(mesh.numFaces());
    } else if (pClass->isDerivedFrom(OdDbPoint::desc())) {
        ++summary->points;
    } else if (pClass->isDerivedFrom(OdDbLine::desc())) {
        ++summary->lines;
    } else if (pClass->isDerivedFrom(OdDb3dPolyline::desc())) {
        ++summary->polylines;
    } else if (pClass->isDerivedFrom(OdDbArc::desc())) {
        ++summary->arcs;
    } else if (pClass->isDerivedFrom(OdDbCircle::desc())) {
        ++summary->circles;
    } else if (pClass->isDerivedFrom(OdDbSpline::desc())) {
        ++summary->splines;
    } else if (pClass->isDerivedFrom(OdDbFace::desc())) {
        ++summary->faces;
    } else {
        ++summary->others;
    }
}

// A coordinate shown as 0 when it is only rounding noise beside the drawing's size (-8.9e-16
// beside 80).
double Shown(double value, double size) {
    constexpr double kNoise = 1e-12;
    return std::fabs(value) <= size * kNoise ? 0.0 : value;
}

std::wstring Point(const OdGePoint3d& point, double size) {
    return FromUtf8(fmt::format("({:.6g}, {:.6g}, {:.6g})", Shown(point.x, size),
                                Shown(point.y, size), Shown(point.z, size)));
}

std::wstring Line(const wchar_t* label, std::size_t count) {
    return L"  " + std::wstring(label) + L": " + std::to_wstring(count) + L"\n";
}

} // namespace

DrawingSummary SummarizeDrawing(const OdDbDatabase& drawing) {
    DrawingSummary summary;
    const OdDbObjectPtr pObject = drawing.getModelSpaceId().safeOpenObject();
    const auto* pModelSpace = static_cast<const OdDbBlockTableRecord*>(pObject.get());
    for (unsigned int i = 0; i < pModelSpace->numEntities(); ++i) {
        const OdDbEntity* pEntity = pModelSpace->entityAt(i);
        Count(*pEntity, &summary);
        OdGeExtents3d extents;
        if (pEntity->getGeomExtents(extents) == eOk) {
            summary.extents.addExt(extents);
        }
    }
    return summary;
}

std::wstring FormatExtents(const OdGeExtents3d& extents) {
    if (!extents.isValidExtents()) {
        return L"none (nothing in the drawing has a size)";
    }
    const OdGePoint3d& low = extents.minPoint();
    const OdGePoint3d& high = extents.maxPoint();
    const double size = std::max({std::fabs(low.x), std::fabs(low.y), std::fabs(low.z),
                                  std::fabs(high.x), std::fabs(high.y), std::fabs(high.z)});
    return Point(low, size) + L" - " + Point(high, size);
}

std::wstring FormatStatus(const std::wstring& name, bool bUnsaved, const DrawingSummary& summary) {
    std::wstring text =
        L"Drawing: " + name + (bUnsaved ? L" (changes not saved)\n" : L" (no unsaved changes)\n");
    text += L"Entities in model space: " + std::to_wstring(summary.Total()) + L"\n";
    text += Line(L"Points", summary.points);
    text += Line(L"Lines", summary.lines);
    text += Line(L"3D polylines", summary.polylines);
    text += Line(L"Circles", summary.circles);
    text += Line(L"Arcs", summary.arcs);
    text += Line(L"Splines", summary.splines);
    text += L"  Polyface meshes: " + std::to_wstring(summary.polyfaceMeshes) + L" (" +
            std::to_wstring(summary.meshVertices) + L" vertices, " +
            std::to_wstring(summary.meshFaces) + L" faces)\n";
    text += Line(L"3D faces", summary.faces);
    if (summary.others > 0) {
        text += Line(L"Other entities", summary.others);
    }
    text += L"Extents: " + FormatExtents(summary.extents) + L"\n";
    text += L"Units: millimetres\n";
    return text;
}

} // namespace KestrinApp
