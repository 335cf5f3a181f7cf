// Copyright (c) Kestrin developers.
//
// The worker's reply format: what is encoded decodes to the same objects, and a reply that is
// cut short, padded, or lies about its counts or contents does not decode at all.
#include "GeometryStream.h"
#include "GeometryStreamReader.h"
#include "GeometryStreamWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <limits>
#include <unistd.h>

namespace quarnel::stream {
namespace {

TranslatedGeometry OneOfEachKind() {
    TranslatedGeometry g;
    g.points.push_back({1, 2, 3});
    g.lines.push_back({{0, 0, 0}, {10, 0, 0}});
    g.polylines.push_back({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
    const Frame xy{{5, 5, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    g.circles.push_back({xy, 2.5});
    g.arcs.push_back({{xy, 3.0}, 0.5, 2.0});
    NurbsData nurbs;
    nurbs.rational = true;
    nurbs.order = 3;
    nurbs.points = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    nurbs.weights = {1.0, std::sqrt(0.5), 1.0};
    nurbs.knots = {0, 0, 1, 1};
    g.nurbsCurves.push_back(nurbs);
    MeshData mesh;
    mesh.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}};
    mesh.faces = {{0, 1, 2, 2}, {1, 3, 2, 2}};
    g.meshes.push_back(mesh);
    return g;
}

bool Decodes(const std::vector<std::uint8_t>& bytes, WorkerReply* reply = nullptr) {
    WorkerReply local;
    std::string problem;
    return DecodeReply(bytes.data(), bytes.size(), reply != nullptr ? reply : &local, &problem);
}

// The first offset at which value is encoded in bytes.
std::size_t OffsetOfDouble(const std::vector<std::uint8_t>& bytes, double value) {
    for (std::size_t i = 0; i + sizeof(double) <= bytes.size(); ++i) {
        if (std::memcmp(bytes.data() + i, &value, sizeof(double)) == 0) {
            return i;
        }
    }
    return bytes.size();
}

TEST(GeometryStream, EveryKindRoundTrips) {
    const TranslatedGeometry original = OneOfEachKind();
    WorkerReply reply;
    ASSERT_TRUE(Decodes(EncodeGeometry(original), &reply));
    EXPECT_EQ(reply.status, ReadStatus::Translated);
    const TranslatedGeometry& g = reply.geometry;
    ASSERT_EQ(g.points.size(), 1u);
    EXPECT_EQ(g.points[0].z, 3.0);
    ASSERT_EQ(g.lines.size(), 1u);
    EXPECT_EQ(g.lines[0].to.x, 10.0);
    ASSERT_EQ(g.polylines.size(), 1u);
    EXPECT_EQ(g.polylines[0].size(), 3u);
    ASSERT_EQ(g.circles.size(), 1u);
    EXPECT_EQ(g.circles[0].radius, 2.5);
    ASSERT_EQ(g.arcs.size(), 1u);
    EXPECT_EQ(g.arcs[0].endAngle, 2.0);
    ASSERT_EQ(g.nurbsCurves.size(), 1u);
    EXPECT_TRUE(g.nurbsCurves[0].rational);
    EXPECT_EQ(g.nurbsCurves[0].weights[1], std::sqrt(0.5));
    EXPECT_EQ(g.nurbsCurves[0].knots, original.nurbsCurves[0].knots);
    ASSERT_EQ(g.meshes.size(), 1u);
    EXPECT_EQ(g.meshes[0].faces, original.meshes[0].faces);
    EXPECT_EQ(g.meshes[0].vertices, original.meshes[0].vertices);
}

TEST(GeometryStream, NonRationalCurveGetsUnitWeights) {
    TranslatedGeometry g;
    NurbsData line;
    line.order = 2;
    line.points = {{0, 0, 0}, {1, 1, 1}};
    line.knots = {0, 1};
    g.nurbsCurves.push_back(line);
    WorkerReply reply;
    ASSERT_TRUE(Decodes(EncodeGeometry(g), &reply));
    EXPECT_EQ(reply.geometry.nurbsCurves[0].weights, (std::vector<double>{1.0, 1.0}));
}

TEST(GeometryStream, FailureCarriesStatusAndDetail) {
    WorkerReply reply;
    ASSERT_TRUE(Decodes(EncodeFailure(ReadStatus::UnreadableContent, "FOO, BAR"), &reply));
    EXPECT_EQ(reply.status, ReadStatus::UnreadableContent);
    EXPECT_EQ(reply.detail, "FOO, BAR");
}

TEST(GeometryStream, WrittenReplyIsTheEncodedOneAndAFailedWriteIsTold) {
    // Meshes whose arrays are larger than the writer's block, and many small objects between
    // them, so that blocks are flushed both full and part-full.
    TranslatedGeometry g = OneOfEachKind();
    MeshData large;
    for (std::uint32_t i = 0; i < 200000; ++i) {
        const float f = static_cast<float>(i);
        large.vertices.push_back({f, f + 0.5f, -f});
        large.faces.push_back({i, (i + 1) % 200000, (i + 2) % 200000, (i + 2) % 200000});
    }
    g.meshes.push_back(large);
    g.points.assign(100000, Point3{1.5, -2.5, 3.5});
    g.meshes.push_back(large);
    const std::vector<std::uint8_t> encoded = EncodeGeometry(g);

    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(WriteGeometry(::fileno(file), g));
    std::vector<std::uint8_t> written(encoded.size() + 1);
    std::rewind(file);
    EXPECT_EQ(std::fread(written.data(), 1, written.size(), file), encoded.size());
    written.resize(encoded.size());
    EXPECT_TRUE(written == encoded);
    std::fclose(file);

    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]); // the reader is gone: every write fails
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    EXPECT_FALSE(WriteGeometry(ends[1], g));
    std::signal(SIGPIPE, previous);
    ::close(ends[1]);
}

TEST(GeometryStream, EmptyGeometryIsAValidReply) {
    WorkerReply reply;
    ASSERT_TRUE(Decodes(EncodeGeometry({}), &reply));
    EXPECT_TRUE(reply.geometry.meshes.empty());
}

TEST(GeometryStream, EveryTruncationIsRejected) {
    const std::vector<std::uint8_t> whole = EncodeGeometry(OneOfEachKind());
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + size);
        EXPECT_FALSE(Decodes(cut)) << "cut at " << size << " of " << whole.size();
    }
}

TEST(GeometryStream, BytesAfterTheEndAreRejected) {
    std::vector<std::uint8_t> bytes = EncodeGeometry(OneOfEachKind());
    bytes.push_back(0);
    EXPECT_FALSE(Decodes(bytes));
}

TEST(GeometryStream, WrongMagicVersionOrStatusIsRejected) {
    const std::vector<std::uint8_t> good = EncodeGeometry({});
    for (std::size_t field = 0; field < 3; ++field) {
        std::vector<std::uint8_t> bad = good;
        bad[field * sizeof(std::uint32_t)] ^= 0x40;
        EXPECT_FALSE(Decodes(bad)) << "field " << field;
    }
}

// A count far beyond the bytes present must fail before anything is allocated for it.
TEST(GeometryStream, HugeCountIsRejected) {
    std::vector<std::uint8_t> bytes = EncodeGeometry({});
    const std::uint64_t huge = 0x7FFFFFFF;
    std::memcpy(bytes.data() + 3 * sizeof(std::uint32_t), &huge, sizeof(huge));
    EXPECT_FALSE(Decodes(bytes));
}

TEST(GeometryStream, NonFiniteNumberIsRejected) {
    TranslatedGeometry g;
    g.points.push_back({0, std::numeric_limits<double>::quiet_NaN(), 0});
    EXPECT_FALSE(Decodes(EncodeGeometry(g)));
    g.points[0].y = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(Decodes(EncodeGeometry(g)));
}

TEST(GeometryStream, MeshIndexOutOfRangeIsRejected) {
    TranslatedGeometry g = OneOfEachKind();
    g.meshes[0].faces[1][1] = 4;
    EXPECT_FALSE(Decodes(EncodeGeometry(g)));
}

TEST(GeometryStream, InvalidCurvesAreRejected) {
    TranslatedGeometry shortPolyline;
    shortPolyline.polylines.push_back({{0, 0, 0}});
    EXPECT_FALSE(Decodes(EncodeGeometry(shortPolyline)));

    TranslatedGeometry zeroRadius = OneOfEachKind();
    zeroRadius.circles[0].radius = 0.0;
    EXPECT_FALSE(Decodes(EncodeGeometry(zeroRadius)));

    TranslatedGeometry backwardsArc = OneOfEachKind();
    backwardsArc.arcs[0].endAngle = 0.25;
    EXPECT_FALSE(Decodes(EncodeGeometry(backwardsArc)));

    TranslatedGeometry decreasingKnots = OneOfEachKind();
    decreasingKnots.nurbsCurves[0].knots = {0, 1, 0.5, 1};
    EXPECT_FALSE(Decodes(EncodeGeometry(decreasingKnots)));

    TranslatedGeometry tooFewPoints = OneOfEachKind();
    tooFewPoints.nurbsCurves[0].points.pop_back();
    tooFewPoints.nurbsCurves[0].weights.pop_back();
    tooFewPoints.nurbsCurves[0].knots.pop_back();
    EXPECT_FALSE(Decodes(EncodeGeometry(tooFewPoints)));
}

TEST(GeometryStream, NonPositiveWeightIsRejected) {
    std::vector<std::uint8_t> bytes = EncodeGeometry(OneOfEachKind());
    const std::size_t at = OffsetOfDouble(bytes, std::sqrt(0.5));
    ASSERT_LT(at, bytes.size());
    const double negative = -1.0;
    std::memcpy(bytes.data() + at, &negative, sizeof(negative));
    EXPECT_FALSE(Decodes(bytes));
}

TEST(GeometryStream, OverlongDetailIsCut) {
    WorkerReply reply;
    ASSERT_TRUE(Decodes(EncodeFailure(ReadStatus::Damaged, std::string(10000, 'x')), &reply));
    EXPECT_EQ(reply.detail.size(), kMaxDetailBytes);
}

} // namespace
} // namespace quarnel::stream
