// Kestrin drawing toolkit.
// OdDb3dPolyline: a chain of straight segments through its vertices (DXF POLYLINE with VERTEX
// records and a SEQEND). The polyline owns its vertices; closing is a flag (the segment from the
// last vertex back to the first is implied, no vertex is added).
#pragma once

#include "Db3dPolylineVertex.h"
#include "DbCurve.h"
#include "DbObjectIterator.h"

#include <vector>

/* Description:
     A 3D polyline entity: simple (no fitting), open, without vertices when new.
*/
class OdDb3dPolyline : public OdDbCurve {
public:
    ODRX_DECLARE_MEMBERS(OdDb3dPolyline);

    ~OdDb3dPolyline() override;

    /* Description:
         Appends a vertex at the end of the vertex list.
       Parameters:
         pVertex - [in] a new vertex that has no owner.
       Returns:
         The vertex's id; the null id while the polyline is not database-resident (the vertex
         becomes resident, with its id, when the polyline does).
       Remarks:
         Raises OdError: eNullObjectPointer for null, eAlreadyInDb for an owned vertex.
    */
    OdDbObjectId appendVertex(OdDb3dPolylineVertex* pVertex);

    /* Description:
         Sets the closed flag.
    */
    void makeClosed();
    /* Description:
         Clears the closed flag.
    */
    void makeOpen();
    bool isClosed() const { return m_bClosed; }

    /* Description:
         Returns an iterator over the vertices in order.
    */
    OdDbObjectIteratorPtr vertexIterator() const;

    unsigned int numVertices() const { return static_cast<unsigned int>(m_vertices.size()); }

    /* Description:
         Returns vertex i (0-based, below numVertices()), without opening it.
    */
    const OdDb3dPolylineVertex* vertexAt(unsigned int i) const { return m_vertices[i].get(); }

    /* Description:
         Returns the handle of the polyline's end-of-sequence record; null until resident.
    */
    OdDbHandle sequenceEndHandle() const { return m_seqEndHandle; }

    OdResult getGeomExtents(OdGeExtents3d& extents) const override;
    void dxfOutFields(OdDbDxfFiler* pFiler) const override;
    unsigned int dxfRecordCount() const override;

protected:
    OdDb3dPolyline() = default;
    void subSetDatabase(OdDbDatabase* pDatabase) override;

private:
    std::vector<OdDb3dPolylineVertexPtr> m_vertices; // owned, in order
    bool m_bClosed = false;
    OdUInt64 m_seqEndHandle = 0; // given after the vertices' handles
};

typedef OdSmartPtr<OdDb3dPolyline> OdDb3dPolylinePtr;
