// Kestrin drawing toolkit.
// OdDbPolyFaceMeshVertex and its DXF record VERTEX (flags 64 + 128: a polyface position vertex).
#include "DbPolyFaceMeshVertex.h"

#include "DbFiler.h"
#include "DxfGroupCodes.h"
#include "GeometryChecks.h"
#include "ToolkitFaults.h"

namespace {
// DXF group codes of a polyface position VERTEX.
constexpr char kVertexSubclass[] = "AcDbVertex";
constexpr char kSubclass[] = "AcDbPolyFaceMeshVertex";
constexpr int kPositionCode = odtk::dxf::kPointCode;
using odtk::dxf::kFlagsCode;
constexpr OdInt16 kPolyFacePositionFlags = 192;
} // namespace

ODRX_CONS_DEFINE_MEMBERS(OdDbPolyFaceMeshVertex, OdDbVertex, new OdDbPolyFaceMeshVertex, "VERTEX")

void OdDbPolyFaceMeshVertex::setPosition(const OdGePoint3d& position) {
    odtk::CheckSetterFault(OdToolkitSetter::PolyFaceMeshVertexSetPosition);
    assertWriteEnabled();
    odtk::RequireFinite(position);
    m_position = position;
}

void OdDbPolyFaceMeshVertex::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbEntity::dxfOutFields(pFiler);
    pFiler->wrSubclassMarker(kVertexSubclass);
    pFiler->wrSubclassMarker(kSubclass);
    pFiler->wrPoint3d(kPositionCode, m_position);
    pFiler->wrInt16(kFlagsCode, kPolyFacePositionFlags);
}
