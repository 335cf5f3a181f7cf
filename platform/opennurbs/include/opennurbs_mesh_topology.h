// Kestrin openNURBS-compatible geometry.
// ON_MeshTopology: which mesh vertices share a location, and which face sides form one edge.
// Built by ON_Mesh::Topology() and cached in the mesh. The index lists (m_vi, m_topei, m_topfi)
// point into buffers owned by the topology, so a vertex or edge costs no allocation of its own.
#pragma once

#include "opennurbs_array.h"
#include "opennurbs_line.h"

#include <vector>

class ON_Mesh;

/* Description:
     One distinct vertex location: the mesh vertices there and the edges touching it.
*/
struct ON_MeshTopologyVertex {
    int m_tope_count = 0;         // number of entries in m_topei
    const int* m_topei = nullptr; // indices into m_tope of the edges ending here, ascending
    int m_v_count = 0;            // number of entries in m_vi, >= 1
    const int* m_vi = nullptr;    // mesh vertex indices at this location, ascending
};

/* Description:
     One edge: a distinct pair of topology vertices joined by at least one face side.
*/
struct ON_MeshTopologyEdge {
    int m_topvi[2] = {-1, -1};    // its ends in m_topv, m_topvi[0] < m_topvi[1]
    int m_topf_count = 0;         // number of entries in m_topfi (one per face side)
    const int* m_topfi = nullptr; // indices of the faces using it, ascending
};

/* Description:
     The edges around one mesh face.
   Remarks:
     m_topei[k] is the edge that ends at face corner k, so m_topei[0] runs from corner 3 (corner
     2 for a triangle) to corner 0; for a triangle m_topei[3] = m_topei[2]. -1 marks a side that
     is no edge (both ends at one location, or a vertex index outside the mesh). m_reve[k] is 1
     when the edge's stored direction opposes the face's.
*/
struct ON_MeshTopologyFace {
    int m_topei[4] = {-1, -1, -1, -1};
    char m_reve[4] = {0, 0, 0, 0};

    bool IsTriangle() const { return m_topei[2] == m_topei[3] && m_topei[0] != m_topei[1]; }
    bool IsQuad() const { return m_topei[2] != m_topei[3]; }
};

/* Description:
     The topology of a mesh.
   Remarks:
     Mesh vertices whose three float coordinates are exactly equal (+0 equals -0; a NaN
     coordinate equals nothing) share a topology vertex. Topology vertices are numbered in
     order of their lowest mesh vertex index; each m_vi lists its mesh vertices ascending.
     Edges are sorted by (m_topvi[0], m_topvi[1]) with m_topvi[0] < m_topvi[1]; a face side
     whose ends share a location is no edge. A face side with a vertex index outside the mesh's
     vertex array is skipped, so no vertex is read outside the array; its m_topei entry is -1.
     The topology refers to its mesh and stays valid while the mesh's vertices and faces are
     unchanged.
*/
class ON_MeshTopology {
public:
    const ON_Mesh* m_mesh = nullptr; // the mesh this describes
    ON_SimpleArray<int> m_topv_map;  // m_topv_map[vi] = topology vertex of mesh vertex vi
    ON_SimpleArray<ON_MeshTopologyVertex> m_topv; // distinct vertex locations
    ON_SimpleArray<ON_MeshTopologyEdge> m_tope;   // distinct edges
    ON_SimpleArray<ON_MeshTopologyFace> m_topf;   // one per mesh face

    ON_MeshTopology() = default;
    ON_MeshTopology(const ON_MeshTopology&) = delete;
    ON_MeshTopology& operator=(const ON_MeshTopology&) = delete;

    /* Description:
         Builds the topology of mesh, replacing any earlier content.
       Returns:
         true; a mesh without vertices gives an empty topology, one without faces vertices
         only.
       Remarks:
         Runs in expected time linear in the vertex and face counts.
    */
    bool Create(const ON_Mesh& mesh);

    void Destroy();

    int TopVertexCount() const { return m_topv.Count(); }
    int TopEdgeCount() const { return m_tope.Count(); }
    int TopFaceCount() const { return m_topf.Count(); }

    /* Description:
         The location of a topology vertex: its first mesh vertex, widened to double.
       Returns:
         ON_3dPoint::UnsetPoint for an index out of range.
    */
    ON_3dPoint TopVertexPoint(int topv_index) const;

    // The segment between the locations of an edge's two ends.
    ON_Line TopEdgeLine(int tope_index) const;

    /* Description:
         The edge joining two topology vertices, by binary search.
       Returns:
         Its index in m_tope, or -1.
    */
    int TopEdge(int topv_index0, int topv_index1) const;

    const ON_MeshTopologyVertex& TopVertex(int topv_index) const { return m_topv[topv_index]; }
    const ON_MeshTopologyEdge& TopEdge(int tope_index) const { return m_tope[tope_index]; }

private:
    // The shared storage that the index pointers of m_topv and m_tope point into.
    std::vector<int> m_vi_buffer;    // all m_vi lists, grouped by topology vertex
    std::vector<int> m_topei_buffer; // all vertex edge lists
    std::vector<int> m_topfi_buffer; // all edge face lists
};
