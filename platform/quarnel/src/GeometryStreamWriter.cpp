// Copyright (c) Kestrin developers.
//
// The encoder of the worker's reply. Each object kind's layout is written once here, in the
// order GeometryStreamReader.cpp reads it back.
#include "GeometryStreamWriter.h"

#include "GeometryStream.h"

#include <KestrinPosix/WriteAll.h>

#include <algorithm>
#include <cstring>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the stream is little-endian");

namespace quarnel::stream {
namespace {

// Writes the reply's bytes into memory or, given a descriptor, to it in blocks as they come.
class ByteWriter {
public:
    ByteWriter() = default;
    // The buffer is flushed once it holds a block, and what it takes at a time is smaller than a
    // block, so it never grows past this.
    explicit ByteWriter(int fd) : m_fd(fd) { m_bytes.reserve(2 * kBlockBytes); }

    template <typename T> void Put(T value) {
        const std::size_t at = m_bytes.size();
        m_bytes.resize(at + sizeof(T));
        std::memcpy(m_bytes.data() + at, &value, sizeof(T));
        FlushIfFull();
    }
    void PutBytes(const void* data, std::size_t size) {
        const auto* first = static_cast<const std::uint8_t*>(data);
        if (m_fd >= 0 && size >= kBlockBytes) { // a large array goes out as it is
            Flush();
            Write(first, size);
            return;
        }
        m_bytes.insert(m_bytes.end(), first, first + size);
        FlushIfFull();
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
    void PutEnd() {
        Put(kEndMarker);
        Flush();
    }
    // The bytes of a writer without a descriptor.
    std::vector<std::uint8_t> Bytes() { return std::move(m_bytes); }
    // Whether every write to the descriptor succeeded.
    bool Written() const { return m_bWritten; }

private:
    // Large enough to make system calls rare, small enough to stay in the cache.
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

    void FlushIfFull() {
        if (m_fd >= 0 && m_bytes.size() >= kBlockBytes) {
            Flush();
        }
    }
    void Flush() {
        if (m_fd >= 0) {
            Write(m_bytes.data(), m_bytes.size());
            m_bytes.clear();
        }
    }
    void Write(const std::uint8_t* data, std::size_t size) {
        m_bWritten = m_bWritten && kposix::WriteAll(m_fd, data, size) == 0;
    }

    int m_fd = -1; // -1: the bytes stay in memory
    bool m_bWritten = true;
    std::vector<std::uint8_t> m_bytes;
};

static_assert(sizeof(std::array<float, 3>) == kMeshVertexBytes, "packed mesh vertices");
static_assert(sizeof(std::array<std::uint32_t, 4>) == kMeshFaceBytes, "packed mesh faces");

void PutGeometry(const TranslatedGeometry& geometry, ByteWriter* out) {
    out->PutHeader(ReadStatus::Translated);
    out->PutSection(geometry.points);
    out->PutSection(geometry.lines);
    out->PutSection(geometry.polylines);
    out->PutSection(geometry.circles);
    out->PutSection(geometry.arcs);
    out->PutSection(geometry.nurbsCurves);
    out->PutSection(geometry.meshes);
    out->PutEnd();
}

} // namespace

std::vector<std::uint8_t> EncodeGeometry(const TranslatedGeometry& geometry) {
    ByteWriter out;
    PutGeometry(geometry, &out);
    return out.Bytes();
}

bool WriteGeometry(int fd, const TranslatedGeometry& geometry) {
    ByteWriter out(fd);
    PutGeometry(geometry, &out);
    return out.Written();
}

std::vector<std::uint8_t> EncodeFailure(ReadStatus status, const std::string& detail) {
    ByteWriter out;
    out.PutHeader(status);
    const std::size_t length = std::min<std::size_t>(detail.size(), kMaxDetailBytes);
    out.Put(static_cast<std::uint32_t>(length));
    out.PutBytes(detail.data(), length);
    out.PutEnd();
    return out.Bytes();
}

} // namespace quarnel::stream
