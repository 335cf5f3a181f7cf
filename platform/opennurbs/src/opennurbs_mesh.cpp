// Kestrin openNURBS-compatible geometry.
// ON_Mesh: vertex and face setters, validity, and the lazily built, cached topology. The cache is
// published atomically so that concurrent const callers share one topology.
#include "opennurbs_mesh.h"

#include "opennurbs_textlog.h"

#include <memory>
#include <utility>

ON_Mesh::ON_Mesh(int initial_face_array_capacity, int initial_vertex_array_capacity,
                 bool /*has_vertex_normals*/, bool /*has_texture_coordinates*/) {
    if (initial_face_array_capacity > 0) {
        m_F.Reserve(static_cast<std::size_t>(initial_face_array_capacity));
    }
    if (initial_vertex_array_capacity > 0) {
        m_V.Reserve(static_cast<std::size_t>(initial_vertex_array_capacity));
    }
}

ON_Mesh::ON_Mesh(const ON_Mesh& src) : m_V(src.m_V), m_F(src.m_F) {}

ON_Mesh& ON_Mesh::operator=(const ON_Mesh& src) {
    if (this != &src) {
        m_V = src.m_V;
        m_F = src.m_F;
        DestroyTopology();
    }
    return *this;
}

ON_Mesh::ON_Mesh(ON_Mesh&& src) noexcept
    : m_V(std::move(src.m_V)), m_F(std::move(src.m_F)),
      m_top(src.m_top.exchange(nullptr, std::memory_order_acq_rel)) {}

ON_Mesh& ON_Mesh::operator=(ON_Mesh&& src) noexcept {
    if (this != &src) {
        DestroyTopology();
        m_V = std::move(src.m_V);
        m_F = std::move(src.m_F);
        m_top.store(src.m_top.exchange(nullptr, std::memory_order_acq_rel),
                    std::memory_order_release);
    }
    return *this;
}

ON_Mesh::~ON_Mesh() {
    DestroyTopology();
}

bool ON_Mesh::IsValid(ON_TextLog* text_log) const {
    if (m_F.Count() < 1) {
        if (text_log != nullptr) {
            text_log->Print("ON_Mesh has no faces.\n");
        }
        return false;
    }
    const int vertex_count = m_V.Count();
    for (int i = 0; i < vertex_count; ++i) {
        if (!m_V[i].IsValid()) {
            if (text_log != nullptr) {
                text_log->Print("ON_Mesh.m_V[%d] is not a valid point.\n", i);
            }
            return false;
        }
    }
    for (int i = 0; i < m_F.Count(); ++i) {
        if (!m_F[i].IsValid(vertex_count)) {
            if (text_log != nullptr) {
                const int* vi = m_F[i].vi;
                text_log->Print("ON_Mesh.m_F[%d] = (%d, %d, %d, %d) is not valid for %d "
                                "vertices.\n",
                                i, vi[0], vi[1], vi[2], vi[3], vertex_count);
            }
            return false;
        }
    }
    return true;
}

int ON_Mesh::TriangleCount() const {
    int count = 0;
    for (int i = 0; i < m_F.Count(); ++i) {
        if (m_F[i].IsTriangle()) {
            ++count;
        }
    }
    return count;
}

int ON_Mesh::QuadCount() const {
    return m_F.Count() - TriangleCount();
}

bool ON_Mesh::SetVertex(int i, const ON_3fPoint& point) {
    if (i < 0 || i > m_V.Count()) {
        return false;
    }
    DestroyTopology();
    if (i == m_V.Count()) {
        m_V.Append(point);
    } else {
        m_V[i] = point;
    }
    return true;
}

bool ON_Mesh::SetVertex(int i, const ON_3dPoint& point) {
    return SetVertex(i, ON_3fPoint(point));
}

bool ON_Mesh::SetTriangle(int i, int a, int b, int c) {
    return SetQuad(i, a, b, c, c);
}

bool ON_Mesh::SetQuad(int i, int a, int b, int c, int d) {
    if (i < 0 || i > m_F.Count()) {
        return false;
    }
    DestroyTopology();
    ON_MeshFace& face = i == m_F.Count() ? m_F.AppendNew() : m_F[i];
    face.vi[0] = a;
    face.vi[1] = b;
    face.vi[2] = c;
    face.vi[3] = d;
    return true;
}

const ON_MeshTopology& ON_Mesh::Topology() const {
    ON_MeshTopology* topology = m_top.load(std::memory_order_acquire);
    if (topology == nullptr) {
        // Concurrent first callers may each build one; the first to publish wins and the others
        // discard theirs, so no lock has to live inside a mesh that arrays move bitwise.
        auto built = std::make_unique<ON_MeshTopology>();
        built->Create(*this);
        ON_MeshTopology* expected = nullptr;
        if (m_top.compare_exchange_strong(expected, built.get(), std::memory_order_acq_rel)) {
            topology = built.release();
        } else {
            topology = expected;
        }
    }
    // Array growth may have moved the mesh since the topology was built; it always describes
    // this mesh. A mesh that is not moved is only read here.
    if (topology->m_mesh != this) {
        topology->m_mesh = this;
    }
    return *topology;
}

bool ON_Mesh::TopologyExists() const {
    return m_top.load(std::memory_order_acquire) != nullptr;
}

void ON_Mesh::DestroyTopology() {
    delete m_top.exchange(nullptr, std::memory_order_acq_rel);
}

void ON_Mesh::Destroy() {
    DestroyTopology();
    m_V.Destroy();
    m_F.Destroy();
}
