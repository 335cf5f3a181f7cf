// Kestrin openNURBS-compatible geometry.
// ON_MeshFace setters and validity.
#include "opennurbs_mesh_face.h"

bool ON_MeshFace::IsValid(int mesh_vertex_count) const {
    for (int k = 0; k < 4; ++k) {
        if (vi[k] < 0 || vi[k] >= mesh_vertex_count) {
            return false;
        }
    }
    if (vi[0] == vi[1] || vi[1] == vi[2] || vi[0] == vi[2]) {
        return false;
    }
    return IsTriangle() || (vi[3] != vi[0] && vi[3] != vi[1]);
}

void ON_MeshFace::SetTriangle(int a, int b, int c) {
    SetQuad(a, b, c, c);
}

void ON_MeshFace::SetQuad(int a, int b, int c, int d) {
    vi[0] = a;
    vi[1] = b;
    vi[2] = c;
    vi[3] = d;
}
