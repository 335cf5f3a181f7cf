// Kestrin openNURBS-compatible geometry.
// ON_Mesh: triangle and quad meshes with single precision vertices, the
// translator's form for surfaces. The mesh caches its topology on first request.
#pragma once

#include "opennurbs_3fpointarray.h"
#include "opennurbs_array.h"
#include "opennurbs_mesh_face.h"
#include "opennurbs_mesh_topology.h"
#include "opennurbs_textlog.h"

#include <atomic>

/* Description:
     A mesh: vertices m_V and faces m_F.
   Remarks:
     Valid when it has at least one face and every face is valid for the vertex count.
     Changing m_V or m_F directly after Topology() was called leaves a stale topology:
     call DestroyTopology() first (SetVertex, SetTriangle and SetQuad do it).
*/
class ON_Mesh {
public:
    ON_3fPointArray m_V;             // vertex positions
    ON_SimpleArray<ON_MeshFace> m_F; // faces

    ON_Mesh() = default;
    /* Description:
         Makes an empty mesh with reserved capacity.
       Parameters:
         initial_face_array_capacity, initial_vertex_array_capacity - [in] reservations.
         has_vertex_normals, has_texture_coordinates - [in] accepted for compatibility; this
           mesh keeps positions only.
    */
    ON_Mesh(int initial_face_array_capacity, int initial_vertex_array_capacity,
            bool has_vertex_normals = false, bool has_texture_coordinates = false);
    // Copies vertices and faces; the copy builds its own topology when asked.
    ON_Mesh(const ON_Mesh& src);
    ON_Mesh& operator=(const ON_Mesh& src);
    // Takes over src's vertices, faces and cached topology; src is left empty.
    ON_Mesh(ON_Mesh&& src) noexcept;
    ON_Mesh& operator=(ON_Mesh&& src) noexcept;
    virtual ~ON_Mesh();

    bool IsValid(ON_TextLog* text_log = nullptr) const;
    void Destroy();

    int VertexCount() const { return m_V.Count(); }
    int FaceCount() const { return m_F.Count(); }
    int TriangleCount() const;
    int QuadCount() const;

    /* Description:
         Sets vertex vertex_index; vertex_index == VertexCount() appends.
       Returns:
         false for another index.
    */
    bool SetVertex(int vertex_index, const ON_3dPoint& point);
    bool SetVertex(int vertex_index, const ON_3fPoint& point);

    /* Description:
         Sets face face_index to the triangle (a, b, c, c); face_index == FaceCount() appends.
       Returns:
         false for another index.
    */
    bool SetTriangle(int face_index, int a, int b, int c);
    // As SetTriangle, for the quad (a, b, c, d).
    bool SetQuad(int face_index, int a, int b, int c, int d);

    /* Description:
         The mesh topology, built on the first call and cached.
       Remarks:
         Safe to call from several threads at once: one build wins, the others are discarded.
    */
    const ON_MeshTopology& Topology() const;

    // Tells whether a topology is cached.
    bool TopologyExists() const;

    // Discards the cached topology.
    void DestroyTopology();

private:
    // Owned; built lazily by Topology(). Kept behind a pointer so that moving the mesh keeps it,
    // ON_ClassArray moves its elements.
    mutable std::atomic<ON_MeshTopology*> m_top{nullptr};
};
