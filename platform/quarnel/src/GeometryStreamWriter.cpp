// Copyright (c) Kestrin developers.
//
// The encoder of the worker's reply. Each object kind's layout is written once here, in the
// order GeometryStreamReader.cpp reads it back.
#include "GeometryStreamWriter.h"

#include "GeometryStream.h"

#include <algorithm>
#include <cstring>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the stream is little-endian");

namespace quarnel::stream {
namespace {

class ByteWriter {
public:
    template <typename T> void Put(T value) {
        const std::size_t at = m_bytes.size();
        m_bytes.resize(at + sizeof(T));
        std::memcpy(m_bytes.data() + at, &value, sizeof(T));
    }
    void PutBytes(const void* data, std::size_t size) {
        const auto* first = static_cast<const std::uint8_t*>(data);
        m_bytes.insert(m_bytes.end(), first, first + size);
    }
    void Put(const Point3& p) {
        Put(p.x);
        Put(p.y);
        Put(p.z);
    }
    void Put(const Frame& f) {
        Put(f.origin);
        Put(f.xAxis);
        Put(f.yAxis);
        Put(f.zAxis);
    }
    void Put(const FullCircle& c) {
        Put(c.plane);
        Put(c.radius);
    }
    void Put(const LineSegment& l) {
        Put(l.from);
        Put(l.to);
    }
    void Put(const CircularArc& a) {
        Put(a.circle);
        Put(a.startAngle);
        Put(a.endAngle);
    }
    void Put(const PointChain& chain) {
        Put(static_cast<std::uint32_t>(chain.size()));
        for (const Point3& p : chain) {
            Put(p);
        }
    }
    void Put(const NurbsData& n) {
        Put(static_cast<std::uint32_t>(n.rational ? 1 : 0));
        Put(static_cast<std::uint32_t>(n.order));
        Put(static_cast<std::uint32_t>(n.points.size()));
        for (const Point3& p : n.points) {
            Put(p);
        }
        if (n.rational) {
            PutBytes(n.weights.data(), n.weights.size() * sizeof(double));
        }
        PutBytes(n.knots.data(), n.knots.size() * sizeof(double));
    }
    void Put(const MeshData& m) {
        Put(static_cast<std::uint32_t>(m.vertices.size()));
        Put(static_cast<std::uint32_t>(m.faces.size()));
        PutBytes(m.vertices.data(), m.vertices.size() * kMeshVertexBytes);
        PutBytes(m.faces.data(), m.faces.size() * kMeshFaceBytes);
    }
    template <typename T> void PutSection(const std::vector<T>& objects) {
        Put(static_cast<std::uint64_t>(objects.size()));
        for (const T& object : objects) {
            Put(object);
        }
    }
    void PutHeader(ReadStatus status) {
        Put(kMagic);
        Put(kVersion);
        Put(static_cast<std::uint32_t>(status));
    }
    std::vector<std::uint8_t> Finish() {
        Put(kEndMarker);
        return std::move(m_bytes);
    }

private:
    std::vector<std::uint8_t> m_bytes;
};

static_assert(sizeof(std::array<float, 3>) == kMeshVertexBytes, "packed mesh vertices");
static_assert(sizeof(std::array<std::uint32_t, 4>) == kMeshFaceBytes, "packed mesh faces");

} // namespace

std::vector<std::uint8_t> EncodeGeometry(const TranslatedGeometry& geometry) {
    ByteWriter out;
    out.PutHeader(ReadStatus::Translated);
    out.PutSection(geometry.points);
    out.PutSection(geometry.lines);
    out.PutSection(geometry.polylines);
    out.PutSection(geometry.circles);
    out.PutSection(geometry.arcs);
    out.PutSection(geometry.nurbsCurves);
    out.PutSection(geometry.meshes);
    return out.Finish();
}

std::vector<std::uint8_t> EncodeFailure(ReadStatus status, const std::string& detail) {
    ByteWriter out;
    out.PutHeader(status);
    const std::size_t length = std::min<std::size_t>(detail.size(), kMaxDetailBytes);
    out.Put(static_cast<std::uint32_t>(length));
    out.PutBytes(detail.data(), length);
    return out.Finish();
}

} // namespace quarnel::stream
