// Copyright (c) Kestrin developers.
//
// The decoder of the worker's reply. Reading never goes past the end of the buffer: each field is
// taken through one bounds-checked cursor, and each count is compared with the bytes left (times
// the smallest size an object of that kind can have) before anything is allocated for it.
#include "GeometryStreamReader.h"

#include "GeometryStream.h"

#include <cmath>
#include <cstring>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the stream is little-endian");

namespace quarnel::stream {
namespace {

// The smallest encoded sizes, so that counts can be checked before allocating.
constexpr std::size_t kMinPolylineBytes = sizeof(std::uint32_t) + 2 * kPointBytes;
constexpr std::size_t kMinNurbsBytes = 3 * sizeof(std::uint32_t) + 2 * kPointBytes;
constexpr std::size_t kMinMeshBytes = 2 * sizeof(std::uint32_t);
constexpr double kFullTurn = 6.283185307179586;
// An arc's sweep may exceed a full turn by rounding only.
constexpr double kSweepRoundingAllowance = 1e-9;

class Decoder {
public:
    Decoder(const std::uint8_t* bytes, std::size_t size) : m_at(bytes), m_end(bytes + size) {}

    const std::string& Problem() const { return m_problem; }
    std::size_t BytesLeft() const { return static_cast<std::size_t>(m_end - m_at); }

    bool Fail(const char* what) {
        if (m_problem.empty()) {
            m_problem = what;
        }
        return false;
    }

    template <typename T> bool Get(T* value) {
        if (BytesLeft() < sizeof(T)) {
            return Fail("truncated");
        }
        std::memcpy(value, m_at, sizeof(T));
        m_at += sizeof(T);
        return true;
    }

    bool GetFinite(double* value) {
        return Get(value) && (std::isfinite(*value) || Fail("a number is not finite"));
    }

    bool Get(Point3* p) { return GetFinite(&p->x) && GetFinite(&p->y) && GetFinite(&p->z); }

    bool Get(LineSegment* l) { return Get(&l->from) && Get(&l->to); }

    bool Get(Frame* f) {
        return Get(&f->origin) && Get(&f->xAxis) && Get(&f->yAxis) && Get(&f->zAxis);
    }

    bool Get(FullCircle* c) {
        return Get(&c->plane) && GetFinite(&c->radius) &&
               (c->radius > 0.0 || Fail("a circle's radius is not positive"));
    }

    bool Get(CircularArc* a) {
        if (!Get(&a->circle) || !GetFinite(&a->startAngle) || !GetFinite(&a->endAngle)) {
            return false;
        }
        const double sweep = a->endAngle - a->startAngle;
        return (sweep > 0.0 && sweep <= kFullTurn + kSweepRoundingAllowance) ||
               Fail("an arc's sweep is out of range");
    }

    // A count of objects that each take at least minBytes, checked against what is left.
    bool GetCount(std::uint64_t limit, std::size_t minBytes, std::size_t* count) {
        std::uint64_t value = 0;
        if (!Get(&value)) {
            return false;
        }
        if (value > limit || value > BytesLeft() / minBytes) {
            return Fail("a count exceeds the data present");
        }
        *count = static_cast<std::size_t>(value);
        return true;
    }

    bool GetCount32(std::uint32_t limit, std::size_t minBytes, std::size_t* count) {
        std::uint32_t value = 0;
        if (!Get(&value)) {
            return false;
        }
        if (value > limit || value > BytesLeft() / minBytes) {
            return Fail("a count exceeds the data present");
        }
        *count = value;
        return true;
    }

    bool Get(PointChain* chain) {
        std::size_t count = 0;
        if (!GetCount32(kMaxPointsPerObject, kPointBytes, &count)) {
            return false;
        }
        if (count < 2) {
            return Fail("a polyline has fewer than two points");
        }
        chain->resize(count);
        for (Point3& p : *chain) {
            if (!Get(&p)) {
                return false;
            }
        }
        return true;
    }

    bool Get(NurbsData* n) {
        std::uint32_t rational = 0;
        std::uint32_t order = 0;
        std::size_t cvCount = 0;
        if (!Get(&rational) || !Get(&order)) {
            return false;
        }
        if (rational > 1 || order < 2 || order > kMaxNurbsOrder) {
            return Fail("a NURBS curve's header is invalid");
        }
        if (!GetCount32(kMaxPointsPerObject, kPointBytes, &cvCount)) {
            return false;
        }
        if (cvCount < order) {
            return Fail("a NURBS curve has fewer control points than its order");
        }
        n->rational = rational != 0;
        n->order = static_cast<int>(order);
        n->points.resize(cvCount);
        for (Point3& p : n->points) {
            if (!Get(&p)) {
                return false;
            }
        }
        n->weights.assign(cvCount, 1.0);
        if (n->rational) {
            for (double& w : n->weights) {
                if (!GetFinite(&w)) {
                    return false;
                }
                if (!(w > 0.0)) {
                    return Fail("a NURBS weight is not positive");
                }
            }
        }
        const std::size_t knotCount = order + cvCount - 2;
        if (knotCount > BytesLeft() / sizeof(double)) {
            return Fail("truncated");
        }
        n->knots.resize(knotCount);
        for (std::size_t i = 0; i < knotCount; ++i) {
            if (!GetFinite(&n->knots[i])) {
                return false;
            }
            if (i > 0 && n->knots[i] < n->knots[i - 1]) {
                return Fail("NURBS knots decrease");
            }
        }
        if (!(n->knots[order - 2] < n->knots[cvCount - 1])) {
            return Fail("a NURBS curve's domain is empty");
        }
        return true;
    }

    bool Get(MeshData* m) {
        std::uint32_t vertexCount = 0;
        std::uint32_t faceCount = 0;
        if (!Get(&vertexCount) || !Get(&faceCount)) {
            return false;
        }
        if (vertexCount > kMaxPointsPerObject || faceCount > kMaxPointsPerObject ||
            vertexCount > BytesLeft() / kMeshVertexBytes ||
            faceCount > (BytesLeft() - vertexCount * kMeshVertexBytes) / kMeshFaceBytes) {
            return Fail("a count exceeds the data present");
        }
        m->vertices.resize(vertexCount);
        std::memcpy(m->vertices.data(), m_at, vertexCount * kMeshVertexBytes);
        m_at += vertexCount * kMeshVertexBytes;
        for (const auto& v : m->vertices) {
            if (!std::isfinite(v[0]) || !std::isfinite(v[1]) || !std::isfinite(v[2])) {
                return Fail("a mesh vertex is not finite");
            }
        }
        m->faces.resize(faceCount);
        std::memcpy(m->faces.data(), m_at, faceCount * kMeshFaceBytes);
        m_at += faceCount * kMeshFaceBytes;
        for (const auto& f : m->faces) {
            for (std::uint32_t index : f) {
                if (index >= vertexCount) {
                    return Fail("a mesh face refers to a missing vertex");
                }
            }
        }
        return true;
    }

    template <typename T> bool GetSection(std::size_t minBytes, std::vector<T>* objects) {
        std::size_t count = 0;
        if (!GetCount(kMaxObjectsPerKind, minBytes, &count)) {
            return false;
        }
        objects->resize(count);
        for (T& object : *objects) {
            if (!Get(&object)) {
                return false;
            }
        }
        return true;
    }

private:
    const std::uint8_t* m_at;
    const std::uint8_t* m_end;
    std::string m_problem;
};

bool DecodeGeometry(Decoder& in, TranslatedGeometry* g) {
    return in.GetSection(kPointBytes, &g->points) && in.GetSection(2 * kPointBytes, &g->lines) &&
           in.GetSection(kMinPolylineBytes, &g->polylines) &&
           in.GetSection(kCircleBytes, &g->circles) && in.GetSection(kArcBytes, &g->arcs) &&
           in.GetSection(kMinNurbsBytes, &g->nurbsCurves) &&
           in.GetSection(kMinMeshBytes, &g->meshes);
}

bool DecodeDetail(Decoder& in, std::string* detail) {
    std::size_t length = 0;
    if (!in.GetCount32(kMaxDetailBytes, 1, &length)) {
        return false;
    }
    detail->resize(length);
    for (char& c : *detail) {
        if (!in.Get(&c)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool DecodeReply(const std::uint8_t* bytes, std::size_t size, WorkerReply* reply,
                 std::string* problem) {
    Decoder in(bytes, size);
    std::uint32_t magic = 0;
    std::uint32_t version = 0;
    std::uint32_t status = 0;
    bool ok = in.Get(&magic) && (magic == kMagic || in.Fail("not a worker reply")) &&
              in.Get(&version) && (version == kVersion || in.Fail("unknown reply version")) &&
              in.Get(&status) &&
              (status <= static_cast<std::uint32_t>(kLastReadStatus) || in.Fail("unknown status"));
    if (ok) {
        reply->status = static_cast<ReadStatus>(status);
        ok = reply->status == ReadStatus::Translated ? DecodeGeometry(in, &reply->geometry)
                                                     : DecodeDetail(in, &reply->detail);
    }
    std::uint32_t end = 0;
    ok = ok && in.Get(&end) && (end == kEndMarker || in.Fail("end marker missing")) &&
         (in.BytesLeft() == 0 || in.Fail("bytes after the end marker"));
    if (!ok) {
        *problem = in.Problem();
    }
    return ok;
}

} // namespace quarnel::stream
