// Kestrin openNURBS-compatible geometry.
// ON_MeshTopology construction. Vertices are grouped by sorting their exact float coordinates;
// groups are then renumbered by their lowest mesh vertex index. Face sides are bucketed by their
// smaller topology vertex (a counting sort), and each small bucket is sorted by the other end, so
// the whole build is O(n log n) with a handful of flat buffers and no per-vertex allocation.
#include "opennurbs_mesh_topology.h"

#include "opennurbs_mesh.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <tuple>

namespace {

constexpr int CornerCount = 4; // corners (and sides) of a mesh face

// A float's bits mapped to an unsigned integer with the same order as the float, with -0 and +0
// mapped to the same value, so that sorting keys groups exactly equal coordinates.
std::uint32_t OrderedKey(float f) {
    if (f == 0.0f) {
        f = 0.0f; // -0 == +0
    }
    std::uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    constexpr std::uint32_t SignBit = 0x80000000u;
    return (bits & SignBit) != 0 ? ~bits : (bits | SignBit);
}

struct VertexKey {
    std::uint32_t x;
    std::uint32_t y;
    std::uint32_t z;
    int index; // mesh vertex index
    bool operator<(const VertexKey& other) const {
        return std::tie(x, y, z, index) < std::tie(other.x, other.y, other.z, other.index);
    }
    bool SameLocation(const VertexKey& other) const {
        return x == other.x && y == other.y && z == other.z;
    }
};

// One face side between two different topology vertices, filed under its smaller end.
struct Side {
    int other;    // the larger topology vertex
    int face;     // face index
    int corner;   // the side runs from this corner to the next
    bool reverse; // the face runs from the larger to the smaller end
    bool operator<(const Side& s) const {
        return std::tie(other, face, corner) < std::tie(s.other, s.face, s.corner);
    }
};

bool HasNaN(const ON_3fPoint& p) {
    return std::isnan(p.x) || std::isnan(p.y) || std::isnan(p.z);
}

} // namespace

void ON_MeshTopology::Destroy() {
    m_mesh = nullptr;
    m_topv_map.Destroy();
    m_topv.Destroy();
    m_tope.Destroy();
    m_topf.Destroy();
    m_vi_buffer = {};
    m_topei_buffer = {};
    m_topfi_buffer = {};
}

bool ON_MeshTopology::Create(const ON_Mesh& mesh) {
    Destroy();
    m_mesh = &mesh;
    const int vertex_count = mesh.m_V.Count();
    const int face_count = mesh.m_F.Count();
    const ON_3fPoint* V = mesh.m_V.Array();
    const ON_MeshFace* F = mesh.m_F.Array();

    // Topology vertices: sort by location, one group per run of equal locations. A vertex with
    // a NaN coordinate equals nothing, itself included, so it stays alone.
    std::vector<int> group_of(static_cast<std::size_t>(vertex_count));
    std::vector<int> group_lowest;
    {
        std::vector<VertexKey> keys(static_cast<std::size_t>(vertex_count));
        for (int i = 0; i < vertex_count; ++i) {
            keys[static_cast<std::size_t>(i)] = {OrderedKey(V[i].x), OrderedKey(V[i].y),
                                                 OrderedKey(V[i].z), i};
        }
        std::sort(keys.begin(), keys.end());
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const bool joins =
                k > 0 && keys[k].SameLocation(keys[k - 1]) && !HasNaN(V[keys[k].index]);
            if (!joins) {
                group_lowest.push_back(keys[k].index); // runs are sorted by index: first is lowest
            }
            group_of[static_cast<std::size_t>(keys[k].index)] =
                static_cast<int>(group_lowest.size()) - 1;
        }
    }
    const int top_vertex_count = static_cast<int>(group_lowest.size());

    // Number the groups by first appearance in m_V and list each group's vertices ascending.
    std::vector<int> group_number(static_cast<std::size_t>(top_vertex_count));
    m_topv_map.SetCapacity(static_cast<std::size_t>(vertex_count));
    m_topv_map.SetCount(vertex_count);
    std::vector<int> vi_offset(static_cast<std::size_t>(top_vertex_count) + 1, 0);
    {
        int next = 0;
        for (int i = 0; i < vertex_count; ++i) {
            const int g = group_of[static_cast<std::size_t>(i)];
            if (group_lowest[static_cast<std::size_t>(g)] == i) {
                group_number[static_cast<std::size_t>(g)] = next++;
            }
            const int topvi = group_number[static_cast<std::size_t>(g)];
            m_topv_map[i] = topvi;
            ++vi_offset[static_cast<std::size_t>(topvi) + 1];
        }
    }
    for (int t = 0; t < top_vertex_count; ++t) {
        vi_offset[static_cast<std::size_t>(t) + 1] += vi_offset[static_cast<std::size_t>(t)];
    }
    m_vi_buffer.resize(static_cast<std::size_t>(vertex_count));
    {
        std::vector<int> fill(vi_offset.begin(), vi_offset.end() - 1);
        for (int i = 0; i < vertex_count; ++i) {
            const int topvi = m_topv_map[i];
            m_vi_buffer[static_cast<std::size_t>(fill[static_cast<std::size_t>(topvi)]++)] = i;
        }
    }
    m_topv.SetCapacity(static_cast<std::size_t>(top_vertex_count));
    m_topv.SetCount(top_vertex_count);
    for (int t = 0; t < top_vertex_count; ++t) {
        ON_MeshTopologyVertex& v = m_topv[t];
        const int begin = vi_offset[static_cast<std::size_t>(t)];
        v.m_v_count = vi_offset[static_cast<std::size_t>(t) + 1] - begin;
        v.m_vi = m_vi_buffer.data() + begin;
        v.m_tope_count = 0;
        v.m_topei = nullptr;
    }

    // Face sides, bucketed by their smaller topology vertex. A side with a corner index outside
    // m_V is skipped, as is a side whose ends share a location.
    m_topf.SetCapacity(static_cast<std::size_t>(face_count));
    m_topf.SetCount(face_count);
    auto for_each_side = [&](auto&& visit) {
        for (int f = 0; f < face_count; ++f) {
            const int* vi = F[f].vi;
            for (int j = 0; j < CornerCount; ++j) {
                const int a = vi[j];
                const int b = vi[(j + 1) % CornerCount];
                if (a < 0 || a >= vertex_count || b < 0 || b >= vertex_count) {
                    continue;
                }
                const int ta = m_topv_map[a];
                const int tb = m_topv_map[b];
                if (ta != tb) {
                    visit(f, j, ta, tb);
                }
            }
        }
    };
    std::vector<int> side_offset(static_cast<std::size_t>(top_vertex_count) + 1, 0);
    for_each_side([&](int, int, int ta, int tb) {
        ++side_offset[static_cast<std::size_t>(std::min(ta, tb)) + 1];
    });
    for (int t = 0; t < top_vertex_count; ++t) {
        side_offset[static_cast<std::size_t>(t) + 1] += side_offset[static_cast<std::size_t>(t)];
    }
    const std::size_t side_count = static_cast<std::size_t>(side_offset.back());
    std::vector<Side> sides(side_count);
    {
        std::vector<int> fill(side_offset.begin(), side_offset.end() - 1);
        for_each_side([&](int f, int j, int ta, int tb) {
            const int lo = std::min(ta, tb);
            sides[static_cast<std::size_t>(fill[static_cast<std::size_t>(lo)]++)] = {
                std::max(ta, tb), f, j, ta > tb};
        });
    }

    // Edges: runs of equal (smaller, larger) pairs; within a run the sides are in face order.
    for (int f = 0; f < face_count; ++f) {
        ON_MeshTopologyFace& face = m_topf[f];
        for (int k = 0; k < CornerCount; ++k) {
            face.m_topei[k] = -1;
            face.m_reve[k] = 0;
        }
    }
    m_topfi_buffer.resize(side_count);
    std::size_t edge_count = 0;
    for (int lo = 0; lo < top_vertex_count; ++lo) {
        const auto begin = sides.begin() + side_offset[static_cast<std::size_t>(lo)];
        const auto end = sides.begin() + side_offset[static_cast<std::size_t>(lo) + 1];
        std::sort(begin, end);
        for (auto it = begin; it != end; ++it) {
            if (it == begin || it->other != (it - 1)->other) {
                ++edge_count;
            }
        }
    }
    m_tope.SetCapacity(edge_count);
    m_tope.SetCount(static_cast<int>(edge_count));
    std::vector<int> vertex_edge_count(static_cast<std::size_t>(top_vertex_count), 0);
    {
        int edge = -1;
        for (int lo = 0; lo < top_vertex_count; ++lo) {
            const int begin = side_offset[static_cast<std::size_t>(lo)];
            const int end = side_offset[static_cast<std::size_t>(lo) + 1];
            for (int s = begin; s < end; ++s) {
                const Side& side = sides[static_cast<std::size_t>(s)];
                if (s == begin || side.other != sides[static_cast<std::size_t>(s) - 1].other) {
                    ON_MeshTopologyEdge& e = m_tope[++edge];
                    e.m_topvi[0] = lo;
                    e.m_topvi[1] = side.other;
                    e.m_topf_count = 0;
                    e.m_topfi = m_topfi_buffer.data() + s;
                    ++vertex_edge_count[static_cast<std::size_t>(lo)];
                    ++vertex_edge_count[static_cast<std::size_t>(side.other)];
                }
                ON_MeshTopologyEdge& e = m_tope[edge];
                m_topfi_buffer[static_cast<std::size_t>(s)] = side.face;
                ++e.m_topf_count;
                ON_MeshTopologyFace& face = m_topf[side.face];
                const int slot = (side.corner + 1) % CornerCount; // the corner the side ends at
                face.m_topei[slot] = edge;
                face.m_reve[slot] = side.reverse ? 1 : 0;
            }
        }
    }
    for (int f = 0; f < face_count; ++f) {
        if (F[f].IsTriangle()) {
            ON_MeshTopologyFace& face = m_topf[f];
            face.m_topei[3] = face.m_topei[2];
            face.m_reve[3] = face.m_reve[2];
        }
    }

    // Edges around each topology vertex, ascending (edges are visited in order).
    m_topei_buffer.resize(2 * edge_count);
    {
        std::vector<int> fill(static_cast<std::size_t>(top_vertex_count) + 1, 0);
        for (int t = 0; t < top_vertex_count; ++t) {
            fill[static_cast<std::size_t>(t) + 1] =
                fill[static_cast<std::size_t>(t)] + vertex_edge_count[static_cast<std::size_t>(t)];
            ON_MeshTopologyVertex& v = m_topv[t];
            v.m_tope_count = vertex_edge_count[static_cast<std::size_t>(t)];
            v.m_topei = v.m_tope_count > 0
                            ? m_topei_buffer.data() + fill[static_cast<std::size_t>(t)]
                            : nullptr;
        }
        for (int e = 0; e < static_cast<int>(edge_count); ++e) {
            for (int end = 0; end < 2; ++end) {
                const int t = m_tope[e].m_topvi[end];
                m_topei_buffer[static_cast<std::size_t>(fill[static_cast<std::size_t>(t)]++)] = e;
            }
        }
    }
    return true;
}

ON_3dPoint ON_MeshTopology::TopVertexPoint(int topvi) const {
    if (m_mesh == nullptr || topvi < 0 || topvi >= m_topv.Count()) {
        return ON_3dPoint::UnsetPoint;
    }
    return ON_3dPoint(m_mesh->m_V[m_topv[topvi].m_vi[0]]);
}

ON_Line ON_MeshTopology::TopEdgeLine(int topei) const {
    if (topei < 0 || topei >= m_tope.Count()) {
        return ON_Line(ON_3dPoint::UnsetPoint, ON_3dPoint::UnsetPoint);
    }
    const ON_MeshTopologyEdge& e = m_tope[topei];
    return ON_Line(TopVertexPoint(e.m_topvi[0]), TopVertexPoint(e.m_topvi[1]));
}

int ON_MeshTopology::TopEdge(int topvi0, int topvi1) const {
    const int lo = std::min(topvi0, topvi1);
    const int hi = std::max(topvi0, topvi1);
    const ON_MeshTopologyEdge* begin = m_tope.Array();
    const ON_MeshTopologyEdge* end = begin + m_tope.Count();
    const ON_MeshTopologyEdge* it =
        std::lower_bound(begin, end, std::make_pair(lo, hi),
                         [](const ON_MeshTopologyEdge& e, const std::pair<int, int>& key) {
                             return std::make_pair(e.m_topvi[0], e.m_topvi[1]) < key;
                         });
    if (it != end && it->m_topvi[0] == lo && it->m_topvi[1] == hi) {
        return static_cast<int>(it - begin);
    }
    return -1;
}
