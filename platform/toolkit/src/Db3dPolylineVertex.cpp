// Kestrin drawing toolkit.
// OdDb3dPolylineVertex and its DXF record VERTEX (flag 32: a 3D polyline vertex).
#include "Db3dPolylineVertex.h"

#include "DbFiler.h"
#include "DxfGroupCodes.h"
#include "GeometryChecks.h"
#include "ToolkitFaults.h"

namespace {
// DXF group codes of a 3D polyline VERTEX.
constexpr char kVertexSubclass[] = "AcDbVertex";
constexpr char kSubclass[] = "AcDb3dPolylineVertex";
constexpr int kPositionCode = odtk::dxf::kPointCode;
using odtk::dxf::kFlagsCode;
constexpr OdInt16 k3dPolylineVertexFlag = 32;
} // namespace

ODRX_CONS_DEFINE_MEMBERS(OdDb3dPolylineVertex, OdDbVertex, new OdDb3dPolylineVertex, "VERTEX")

void OdDb3dPolylineVertex::setPosition(const OdGePoint3d& position) {
    odtk::CheckSetterFault(OdToolkitSetter::PolylineVertexSetPosition);
    assertWriteEnabled();
    odtk::RequireFinite(position);
    m_position = position;
}

void OdDb3dPolylineVertex::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbEntity::dxfOutFields(pFiler);
    pFiler->wrSubclassMarker(kVertexSubclass);
    pFiler->wrSubclassMarker(kSubclass);
    pFiler->wrPoint3d(kPositionCode, m_position);
    pFiler->wrInt16(kFlagsCode, k3dPolylineVertexFlag);
}
