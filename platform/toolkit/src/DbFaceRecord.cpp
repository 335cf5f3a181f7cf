// Kestrin drawing toolkit.
// OdDbFaceRecord and its DXF record VERTEX (flag 128: a face record) with the corner indices in
// groups 71 to 74. A missing fourth corner is left out of the record altogether (an explicit 0
// is read by some readers as a corner at the origin).
#include "DbFaceRecord.h"

#include "DbFiler.h"
#include "DxfGroupCodes.h"
#include "ToolkitFaults.h"

namespace {
// DXF group codes of a polyface face record VERTEX.
constexpr char kVertexSubclass[] = "AcDbVertex";
constexpr char kSubclass[] = "AcDbFaceRecord";
constexpr int kPositionCode = odtk::dxf::kPointCode; // always (0,0,0)
using odtk::dxf::kFlagsCode;
constexpr OdInt16 kFaceRecordFlags = 128;
constexpr int kFirstCornerCode = 71; // corners 0..3 in 71..74
} // namespace

ODRX_CONS_DEFINE_MEMBERS(OdDbFaceRecord, OdDbVertex, new OdDbFaceRecord, "VERTEX")

OdInt16 OdDbFaceRecord::getVertexAt(OdUInt16 cornerIndex) const {
    if (cornerIndex >= kCornerCount) {
        throw OdError(eInvalidIndex);
    }
    return m_vertices[cornerIndex];
}

void OdDbFaceRecord::setVertexAt(OdUInt16 cornerIndex, OdInt16 vertexIndex) {
    odtk::CheckSetterFault(OdToolkitSetter::FaceRecordSetVertexAt);
    assertWriteEnabled();
    if (cornerIndex >= kCornerCount) {
        throw OdError(eInvalidIndex);
    }
    m_vertices[cornerIndex] = vertexIndex;
}

void OdDbFaceRecord::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbEntity::dxfOutFields(pFiler);
    pFiler->wrSubclassMarker(kVertexSubclass);
    pFiler->wrSubclassMarker(kSubclass);
    pFiler->wrPoint3d(kPositionCode, OdGePoint3d::kOrigin);
    pFiler->wrInt16(kFlagsCode, kFaceRecordFlags);
    for (OdUInt16 corner = 0; corner < kCornerCount; ++corner) {
        if (m_vertices[corner] != 0) {
            pFiler->wrInt16(kFirstCornerCode + corner, m_vertices[corner]);
        }
    }
}
