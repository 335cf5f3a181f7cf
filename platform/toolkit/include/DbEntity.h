// Kestrin drawing toolkit.
// OdDbEntity: the base of everything drawn. Entity properties are the toolkit's defaults for a
// new entity: layer "0" and colour by layer; this toolkit's databases hold the single layer "0"
// and offer no property setters, so every entity keeps those defaults.
#pragma once

#include "DbObject.h"
#include "Ge/GeExtents3d.h"
#include "OdResult.h"

/* Description:
     Base class of drawable objects.
*/
class OdDbEntity : public OdDbObject {
public:
    ODRX_DECLARE_MEMBERS(OdDbEntity);

    /* Description:
         ACI colour number meaning "by layer".
    */
    static constexpr OdUInt16 kColorByLayer = 256;

    /* Description:
         Returns the entity's layer name, "0".
    */
    OdString layer() const;

    /* Description:
         Returns the entity's ACI colour number, kColorByLayer.
    */
    OdUInt16 colorIndex() const { return kColorByLayer; }

    /* Description:
         Returns the box of the entity's geometry in world coordinates.
       Parameters:
         extents - [out] receives the box (replaced, not grown).
       Returns:
         eOk, or eNotApplicable for an entity without geometry (a spline without curve data;
         extents is then empty).
       Remarks:
         Exact for points, lines, faces, polylines and polyface meshes (all their vertices) and
         for circles and arcs (the curve in its plane, not its bounding square); a spline's box
         is the box of its control points, which holds the curve.
    */
    virtual OdResult getGeomExtents(OdGeExtents3d& extents) const;

    void dxfOutFields(OdDbDxfFiler* pFiler) const override;

    /* Description:
         Writes the entity subclass with the default properties; also used for records that
         are entities in a file but not objects here (SEQEND).
    */
    static void dxfOutDefaultEntityFields(OdDbDxfFiler* pFiler);

protected:
    OdDbEntity() = default;
};

typedef OdSmartPtr<OdDbEntity> OdDbEntityPtr;
