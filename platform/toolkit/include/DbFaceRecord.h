// Kestrin drawing toolkit.
// OdDbFaceRecord: one face of a polyface mesh, naming up to four of the mesh's vertices by their
// 1-based position in append order. A negative index hides the edge that starts at that corner;
// 0 in the fourth corner makes the face a triangle.
#pragma once

#include "DbVertex.h"

/* Description:
     A polyface mesh face record. A new record has all four indices 0.
*/
class OdDbFaceRecord : public OdDbVertex {
public:
    ODRX_DECLARE_MEMBERS(OdDbFaceRecord);

    static constexpr OdUInt16 kCornerCount = 4;

    /* Description:
         Returns the vertex index of a corner.
       Remarks:
         Raises OdError(eInvalidIndex) for a corner above 3.
    */
    OdInt16 getVertexAt(OdUInt16 cornerIndex) const;

    /* Description:
         Sets the vertex index of a corner.
       Parameters:
         cornerIndex - [in] 0 to 3.
         vertexIndex - [in] 1-based vertex number; negative hides the edge starting here; 0
                       (fourth corner only) means no corner.
       Remarks:
         Raises OdError(eInvalidIndex) for a corner above 3. Indices are checked against the
         mesh when the record is appended to it.
    */
    void setVertexAt(OdUInt16 cornerIndex, OdInt16 vertexIndex);

    /* Description:
         Tells whether the edge that starts at a corner is visible (its index is not negative).
    */
    bool isEdgeVisibleAt(OdUInt16 cornerIndex) const { return getVertexAt(cornerIndex) >= 0; }

    void dxfOutFields(OdDbDxfFiler* pFiler) const override;

protected:
    OdDbFaceRecord() = default;

private:
    OdInt16 m_vertices[kCornerCount] = {0, 0, 0, 0}; // 1-based, sign = edge visibility
};

typedef OdSmartPtr<OdDbFaceRecord> OdDbFaceRecordPtr;
