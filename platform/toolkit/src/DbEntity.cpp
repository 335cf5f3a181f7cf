// Kestrin drawing toolkit.
// OdDbEntity and the abstract entity bases; the iterator over owned objects. Every entity record
// in a file starts with the entity subclass: its layer (always "0" here) follows the marker.
#include "DbEntity.h"

#include "DbCurve.h"
#include "DbFiler.h"
#include "DbIdAccess.h"
#include "DbObjectIteratorImpl.h"
#include "DbVertex.h"
#include "DxfGroupCodes.h"

namespace {
// DXF group codes of the AcDbEntity subclass.
constexpr char kEntitySubclass[] = "AcDbEntity";
using odtk::dxf::kLayerCode;
constexpr char kDefaultLayer[] = "0";
} // namespace

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbEntity, OdDbObject)
ODRX_NO_CONS_DEFINE_MEMBERS(OdDbCurve, OdDbEntity)
ODRX_NO_CONS_DEFINE_MEMBERS(OdDbVertex, OdDbEntity)
ODRX_NO_CONS_DEFINE_MEMBERS(OdDbObjectIterator, OdRxObject)

OdString OdDbEntity::layer() const {
    return OdString(kDefaultLayer);
}

OdResult OdDbEntity::getGeomExtents(OdGeExtents3d& extents) const {
    extents = OdGeExtents3d();
    return eNotApplicable;
}

void OdDbEntity::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbObject::dxfOutFields(pFiler);
    dxfOutDefaultEntityFields(pFiler);
}

void OdDbEntity::dxfOutDefaultEntityFields(OdDbDxfFiler* pFiler) {
    pFiler->wrSubclassMarker(kEntitySubclass);
    pFiler->wrString(kLayerCode, kDefaultLayer);
}

OdDbEntityPtr OdDbListIterator::entity(OdDb::OpenMode openMode) {
    if (done()) {
        return OdDbEntityPtr();
    }
    OdDbObject* pObject = m_objects[m_index];
    if (!pObject->isDBRO()) {
        return OdDbEntityPtr(static_cast<const OdRxObject*>(pObject));
    }
    return OdDbEntityPtr(OdDbIdAccess::idOf(pObject).safeOpenObject(openMode));
}
