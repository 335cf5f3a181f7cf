// Kestrin openNURBS-compatible geometry.
// ON_MeshFace: one face of a mesh, four vertex indices into the mesh's vertex array. A triangle
// repeats its third index in the fourth place (vi[2] == vi[3]); any other face is a quad.
#pragma once

/* Description:
     A mesh face: corners vi[0] ... vi[3], 0-based indices into ON_Mesh::m_V.
   Remarks:
     Plain data (kept in ON_SimpleArray); the default face is (0,0,0,0), which is not valid.
*/
class ON_MeshFace {
public:
    int vi[4] = {0, 0, 0, 0}; // corner vertex indices; vi[2] == vi[3] for a triangle

    /* Description:
         Tells whether the face is a triangle: vi[2] == vi[3].
    */
    bool IsTriangle() const { return vi[2] == vi[3]; }

    /* Description:
         Tells whether the face is a quad: vi[2] != vi[3].
    */
    bool IsQuad() const { return vi[2] != vi[3]; }

    /* Description:
         Makes the face the triangle (a, b, c, c).
    */
    void SetTriangle(int a, int b, int c);

    /* Description:
         Makes the face the quad (a, b, c, d).
    */
    void SetQuad(int a, int b, int c, int d);

    /* Description:
         Tells whether the face refers to existing vertices and has distinct corners.
       Parameters:
         mesh_vertex_count - [in] the mesh's vertex count.
       Returns:
         true when every index lies in 0 ... mesh_vertex_count - 1 and the corners are
         distinct: vi[0], vi[1], vi[2] for a triangle, all four for a quad.
    */
    bool IsValid(int mesh_vertex_count) const;
};
