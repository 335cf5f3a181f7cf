// Kestrin toolkit tests: DXF output. Every entity kind is written and read back by an
// independent reader (ezdxf) that audits the file and compares the geometry with the database;
// exact tags are compared for one record of each subclass layout; saving is atomic.
#include "DxfFileTest.h"

#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <KestrinPosix/ProcessorCount.h>
#include <ToolkitTestHooks.h>

// While set, write() to a file (a descriptor past the standard streams) writes nothing and
// returns 0. Defined here, it stands in for the C library's write() for the toolkit too.
static bool g_bWritesMakeNoProgress = false;

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    if (g_bWritesMakeNoProgress && fd > STDERR_FILENO) {
        return 0;
    }
    return ::syscall(SYS_write, fd, data, size);
}

using namespace toolkit_test;
namespace fs = std::filesystem;

namespace {

constexpr double kPi = 3.14159265358979323846;

class DxfWriter : public DxfFileTest {};

// The text between "ENTITIES\n" and the section's end.
std::string EntitiesSection(const std::string& text) {
    const std::string begin = "  2\nENTITIES\n";
    const std::size_t from = text.find(begin) + begin.size();
    return text.substr(from, text.find("  0\nENDSEC\n", from) - from);
}

// A uniform cubic B-spline at a knot: (a + 4b + c) / 6.
OdGePoint3d AtKnot(const OdGePoint3d& a, const OdGePoint3d& b, const OdGePoint3d& c) {
    return OdGePoint3d((a.x + 4 * b.x + c.x) / 6, (a.y + 4 * b.y + c.y) / 6,
                       (a.z + 4 * b.z + c.z) / 6);
}

} // namespace

TEST_F(DxfWriter, CurvesAndPointsReadBackWithIndependentReader) {
    DxfTestDrawing drawing;
    drawing.addPoint(OdGePoint3d(1.5, -2.25, 1e-7));
    drawing.addLine(OdGePoint3d(0, 0, 0), OdGePoint3d(0.1, 1.0 / 3.0, 123456.789));
    const OdGePoint3d c(1, 2, 3);
    drawing.addArc(c, 2, OdGeVector3d(0, 0, 1), 0, kPi / 2, "[3, 2, 3]");
    drawing.addArc(c, 2, OdGeVector3d(0, 0, -1), 0, kPi / 2, "[-1, 2, 3]");
    drawing.addArc(c, 2, OdGeVector3d(1, 0, 0), kPi / 2, kPi, "[1, 2, 5]");
    drawing.addArc(c, 2.5, OdGeVector3d(1, 2, 3), 0.3, 2.0);
    drawing.addArc(c, 1, OdGeVector3d(0, 0, 1), 3 * kPi / 2, 3 * kPi); // end angle unreduced
    drawing.addArc(c, 1, OdGeVector3d(1.0 / 64, 0, 1), 1, 2);          // on the 1/64 edge
    drawing.addCircle(c, 4, OdGeVector3d(0, 0, 5));                    // normal not unit
    drawing.addCircle(c, 4, OdGeVector3d(0, 0, -1));
    drawing.addCircle(OdGePoint3d(-7, 8, 9), 0.5, OdGeVector3d(1, 0, 0));
    drawing.addCircle(OdGePoint3d(1e5, 1e5, 1e5), 50, OdGeVector3d(-0.3, 0.4, 0.2));
    drawing.addPolyline({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, true);
    drawing.addPolyline({{0, 0, 0}, {1, 0, 1}, {1, 1, 2}, {5, 5, 5}}, false);
    ExpectReadsBack(drawing);
}

TEST_F(DxfWriter, MeshesReadBackWithIndependentReader) {
    DxfTestDrawing drawing;
    drawing.addPolyface({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0.5, 0.5, 1}},
                        {{1, 2, 5, 0}, {1, 2, 3, 4}, {3, -4, 5, 0}});
    drawing.addPolyface({{0, 0, 0}, {1, 0, 0}}, {}); // vertices without faces
    drawing.addFace({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 1, 0});
    drawing.addFace({0, 0, 1}, {1, 0, 1}, {1, 1, 2}, {0, 1, 2});
    ExpectReadsBack(drawing);
}

TEST_F(DxfWriter, SplinesReadBackAndEvaluateLikeTheSource) {
    DxfTestDrawing drawing;
    drawing.addSpline(3, false, false, false, {{0, 0, 0}, {1, 2, 0}, {3, 2, 1}, {4, 0, 0}},
                      {0, 0, 0, 0, 1, 1, 1, 1}, {1, 1, 1, 1}, 4, {});
    // Rational quadratic quarter circle of radius 10: C(t) = sum(B_i w_i P_i) / sum(B_i w_i).
    const double w = std::sqrt(0.5);
    std::vector<std::vector<double>> arcSamples;
    for (double t : {0.0, 0.25, 0.5, 0.8, 1.0}) {
        const double b0 = (1 - t) * (1 - t), b1 = 2 * t * (1 - t) * w, b2 = t * t;
        const double d = b0 + b1 + b2;
        arcSamples.push_back({t, (10 * b0 + 10 * b1) / d, (10 * b1 + 10 * b2) / d, 0});
    }
    EXPECT_NEAR(arcSamples[2][1], 10 * std::sqrt(0.5), 1e-12); // the source is the circle
    drawing.addSpline(2, true, false, false, {{10, 0, 0}, {10, 10, 0}, {0, 10, 0}},
                      {0, 0, 0, 1, 1, 1}, {1, w, 1}, 10, arcSamples);
    // Periodic uniform cubic: 7 control points, the first 3 repeated, knots 0..10, domain [3, 7].
    const OdGePoint3dArray cv{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 5},
                              {0, 0, 0}, {10, 0, 0}, {10, 10, 0}};
    std::vector<std::vector<double>> loopSamples;
    for (unsigned int i = 0; i < 5; ++i) {
        const OdGePoint3d p = AtKnot(cv[i], cv[i + 1], cv[i + 2]);
        loopSamples.push_back({3.0 + i, p.x, p.y, p.z});
    }
    drawing.addSpline(3, false, true, true, cv, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                      {1, 1, 1, 1, 1, 1, 1}, 10, loopSamples);
    ExpectReadsBack(drawing);
}

TEST_F(DxfWriter, EmptyDrawingIsValid) {
    DxfTestDrawing drawing;
    ExpectReadsBack(drawing);
}

TEST_F(DxfWriter, LineRecordTagsAreExact) {
    DxfTestDrawing drawing;
    drawing.addLine(OdGePoint3d(1, 2.5, -3), OdGePoint3d(0.1, 0, 1e-20));
    ASSERT_TRUE(odDbSaveAsDxf(*drawing.database(), path("line.dxf")).ok());
    EXPECT_EQ(EntitiesSection(ReadFile(path("line.dxf"))),
              "  0\nLINE\n  5\n102\n330\n100\n100\nAcDbEntity\n  8\n0\n100\nAcDbLine\n"
              " 10\n1\n 20\n2.5\n 30\n-3\n 11\n0.1\n 21\n0\n 31\n1e-20\n");
}

TEST_F(DxfWriter, NumbersAreTheShortestTextThatReadsBack) {
    // Every layout of a double: integers with and without trailing zeros, the point inside and
    // before the digits, the ends of fixed notation (1e-4, 1e16), exponents of one to three
    // digits, negative zero, the smallest subnormal and the largest double; then a spread of
    // magnitudes; then every power of two with the doubles either side (below a power of two the
    // doubles are twice as dense, and the subnormals end at the smallest normal). Each must be
    // exactly what fmt's "{}" gives, and read back to the same double.
    // The writer keeps the text of recent values, so each is written twice.
    std::vector<double> values = {
        0.0,       -0.0,    1.0,     7e15,   123456789012345678.0,   12.5,
        -0.001234, 1e-4,    9.99e-5, 1e16,   9999999999999998.0,     1e15,
        0.1,       1.0 / 3, -2.5e-8, 5e-324, 1.7976931348623157e308, 1e100,
        1.5e-100,  3e-10,   100.0,   2e21};
    std::uint64_t bits = 0x9E3779B97F4A7C15u;
    for (int i = 0; i < 3000; ++i) {
        bits ^= bits << 13;
        bits ^= bits >> 7;
        bits ^= bits << 17;
        const double mantissa = static_cast<double>(bits % 2000001) / 1000 - 1000;
        values.push_back(std::ldexp(mantissa, static_cast<int>(bits >> 58) - 32));
    }
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        const double power = std::ldexp(1.0, exponent);
        values.insert(values.end(),
                      {std::nextafter(power, 0.0), power, std::nextafter(power, 2 * power)});
    }
    // Then all of them again, in reverse: a value written before must come out alike.
    values.insert(values.end(), values.rbegin(), values.rend());
    DxfTestDrawing drawing;
    for (std::size_t i = 0; i + 2 < values.size(); i += 3) {
        drawing.addPoint(OdGePoint3d(values[i], values[i + 1], values[i + 2]));
    }
    ASSERT_TRUE(odDbSaveAsDxf(*drawing.database(), path("numbers.dxf")).ok());
    std::istringstream entities(EntitiesSection(ReadFile(path("numbers.dxf"))));
    std::size_t next = 0;
    for (std::string code, text; std::getline(entities, code) && std::getline(entities, text);) {
        if (code == " 10" || code == " 20" || code == " 30") {
            ASSERT_LT(next, values.size());
            EXPECT_EQ(text, fmt::format("{}", values[next]));
            EXPECT_EQ(std::strtod(text.c_str(), nullptr), values[next]) << text;
            ++next;
        }
    }
    EXPECT_EQ(next, values.size() / 3 * 3);
}

TEST_F(DxfWriter, ArcRecordTagsAreExact) {
    // Normal (0,0,-1): OCS x axis (-1,0,0), y axis (0,1,0), so the centre (1,2,3) is (-1,2,-3);
    // angles 3pi/2 and 3pi are written reduced, in degrees.
    DxfTestDrawing drawing;
    drawing.addArc(OdGePoint3d(1, 2, 3), 2, OdGeVector3d(0, 0, -2), 3 * kPi / 2, 3 * kPi);
    ASSERT_TRUE(odDbSaveAsDxf(*drawing.database(), path("arc.dxf")).ok());
    EXPECT_EQ(EntitiesSection(ReadFile(path("arc.dxf"))),
              "  0\nARC\n  5\n102\n330\n100\n100\nAcDbEntity\n  8\n0\n100\nAcDbCircle\n"
              " 10\n-1\n 20\n2\n 30\n-3\n 40\n2\n210\n0\n220\n0\n230\n-1\n100\nAcDbArc\n"
              " 50\n270\n 51\n180\n");
}

TEST_F(DxfWriter, PolyfaceRecordTagsAreExact) {
    DxfTestDrawing drawing;
    drawing.addPolyface({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{1, -2, 3, 0}});
    ASSERT_TRUE(odDbSaveAsDxf(*drawing.database(), path("pface.dxf")).ok());
    const std::string zero = " 10\n0\n 20\n0\n 30\n0\n";
    const std::string head = "100\nAcDbEntity\n  8\n0\n100\nAcDbVertex\n";
    EXPECT_EQ(EntitiesSection(ReadFile(path("pface.dxf"))),
              "  0\nPOLYLINE\n  5\n102\n330\n100\n100\nAcDbEntity\n  8\n0\n100\nAcDbPolyFaceMesh\n"
              " 66\n1\n" +
                  zero + " 70\n64\n 71\n3\n 72\n1\n" + "  0\nVERTEX\n  5\n103\n330\n102\n" + head +
                  "100\nAcDbPolyFaceMeshVertex\n" + zero + " 70\n192\n" +
                  "  0\nVERTEX\n  5\n104\n330\n102\n" + head +
                  "100\nAcDbPolyFaceMeshVertex\n"
                  " 10\n1\n 20\n0\n 30\n0\n 70\n192\n" +
                  "  0\nVERTEX\n  5\n105\n330\n102\n" + head +
                  "100\nAcDbPolyFaceMeshVertex\n"
                  " 10\n0\n 20\n1\n 30\n0\n 70\n192\n" +
                  "  0\nVERTEX\n  5\n106\n330\n102\n" + head + "100\nAcDbFaceRecord\n" + zero +
                  " 70\n128\n 71\n1\n 72\n-2\n 73\n3\n" + // no 74: a triangle
                  "  0\nSEQEND\n  5\n107\n330\n102\n100\nAcDbEntity\n  8\n0\n");
}

TEST_F(DxfWriter, HandseedExceedsEveryHandleWritten) {
    DxfTestDrawing drawing;
    drawing.addPolyline({{0, 0, 0}, {1, 1, 1}}, false);
    drawing.addPoint(OdGePoint3d(1, 1, 1));
    ASSERT_TRUE(odDbSaveAsDxf(*drawing.database(), path("h.dxf")).ok());
    std::istringstream in(ReadFile(path("h.dxf")));
    std::string code, value;
    unsigned long long seed = 0, largest = 0;
    bool bSeedNext = false;
    while (std::getline(in, code) && std::getline(in, value)) {
        const int groupCode = std::stoi(code);
        if (bSeedNext) {
            seed = std::stoull(value, nullptr, 16);
            bSeedNext = false;
        } else if (groupCode == 9 && value == "$HANDSEED") {
            bSeedNext = true;
        } else if (groupCode == 5 || groupCode == 105) {
            largest = std::max(largest, std::stoull(value, nullptr, 16));
        }
    }
    EXPECT_GT(seed, largest);
    EXPECT_EQ(seed, static_cast<OdUInt64>(drawing.database()->handseed()));
}

TEST_F(DxfWriter, SplineWithoutCurveDataIsLeftOutAndCounted) {
    DxfTestDrawing drawing;
    AppendToModelSpace(drawing.database(), OdDbSpline::createObject());
    drawing.addPoint(OdGePoint3d(1, 2, 3));
    const OdDbDxfSaveStatus status = odDbSaveAsDxf(*drawing.database(), path("drawing.dxf"));
    EXPECT_EQ(status.skippedEntities, 1u);
    ExpectReadsBack(drawing); // the point alone
}

TEST_F(DxfWriter, LargeDrawingKeepsEntityOrderAcrossChunks) {
    // Enough entities for several chunks formatted on different threads, with splines that no
    // file can carry at chunk edges: every point must come once, in order, and each left-out
    // spline must be counted once.
    constexpr int kPoints = 20000;
    DxfTestDrawing drawing;
    unsigned int splines = 0;
    for (int i = 0; i < kPoints; ++i) {
        if (i % 1023 == 0) { // at the start of each chunk of 1024 entities
            AppendToModelSpace(drawing.database(), OdDbSpline::createObject());
            ++splines;
        }
        drawing.addPoint(OdGePoint3d(i, 0, 0));
    }
    const OdDbDxfSaveStatus status = odDbSaveAsDxf(*drawing.database(), path("large.dxf"));
    ASSERT_TRUE(status.ok());
    EXPECT_EQ(status.skippedEntities, splines);
    std::istringstream entities(EntitiesSection(ReadFile(path("large.dxf"))));
    int next = 0;
    for (std::string code, text; std::getline(entities, code) && std::getline(entities, text);) {
        if (code == " 10") {
            ASSERT_EQ(text, std::to_string(next));
            ++next;
        }
    }
    EXPECT_EQ(next, kPoints);
}

TEST_F(DxfWriter, EntitiesWithManyRecordsKeepTheirOrderAcrossChunks) {
    // Polyface meshes of 300 records and polylines of 100, between points: chunks then end
    // after a few entities, mid-way through the drawing's kinds. Every record must come once, in
    // order, each mesh and polyline whole.
    constexpr int kGroups = 60;
    constexpr int kMeshSide = 10; // 100 vertices, 200 faces
    DxfTestDrawing drawing;
    std::vector<OdGePoint3d> grid;
    std::vector<std::vector<OdInt16>> triangles;
    for (int r = 0; r < kMeshSide; ++r) {
        for (int c = 0; c < kMeshSide; ++c) {
            grid.emplace_back(c, r, 0);
            const auto v = static_cast<OdInt16>(r * kMeshSide + c + 1);
            const auto next = static_cast<OdInt16>(v % 100 + 1);
            const auto afterNext = static_cast<OdInt16>(next % 100 + 1);
            triangles.push_back({v, next, afterNext, 0});
            triangles.push_back({v, afterNext, next, 0});
        }
    }
    std::string expected;
    for (int g = 0; g < kGroups; ++g) {
        drawing.addPoint(OdGePoint3d(g, 0, 0));
        drawing.addPolyface(grid, triangles);
        std::vector<OdGePoint3d> line;
        for (int i = 0; i < 100; ++i) {
            line.emplace_back(g, 1, i);
        }
        drawing.addPolyline(line, false);
        expected += fmt::format("POINT {} POLYLINE {}x{} SEQEND POLYLINE {}x{} SEQEND ", g,
                                "VERTEX", 300, "VERTEX", 100);
    }
    ASSERT_TRUE(odDbSaveAsDxf(*drawing.database(), path("records.dxf")).ok());
    std::istringstream entities(EntitiesSection(ReadFile(path("records.dxf"))));
    std::string written;
    std::string run;
    int runLength = 0;
    for (std::string code, text; std::getline(entities, code) && std::getline(entities, text);) {
        if (code == " 10" && run == "POINT") {
            written += text + " ";
        }
        if (code != "  0") {
            continue;
        }
        if (text == "VERTEX") {
            run = text;
            ++runLength;
            continue;
        }
        if (runLength > 0) {
            written += fmt::format("VERTEXx{} ", runLength);
            runLength = 0;
        }
        written += text + " ";
        run = text;
    }
    EXPECT_EQ(written, expected);
}

TEST_F(DxfWriter, MissingFolderIsReportedWithReason) {
    DxfTestDrawing drawing;
    const std::string target = path("no-such-folder/drawing.dxf");
    const OdDbDxfSaveStatus status = odDbSaveAsDxf(*drawing.database(), target);
    EXPECT_EQ(status.result, eFileNotFound);
    const std::string reason = odStringToUtf8(status.reason);
    EXPECT_NE(reason.find(target), std::string::npos) << reason;
    EXPECT_NE(reason.find("No such file or directory"), std::string::npos) << reason;
}

TEST_F(DxfWriter, FailedWriteLeavesEarlierFileAndNoTemporary) {
    const std::string target = path("drawing.dxf");
    std::ofstream(target) << "earlier drawing";
    DxfTestDrawing drawing;
    for (int i = 0; i < 20000; ++i) {
        drawing.addPoint(OdGePoint3d(i, i, i)); // well over the file size limit below
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file size limit makes the write fail part-way, as a full disk would.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const OdDbDxfSaveStatus status = odDbSaveAsDxf(*drawing.database(), target);
        ::_exit(status.ok() ? 0 : (status.reason.isEmpty() ? 2 : 1));
    }
    int childStatus = 0;
    ASSERT_EQ(::waitpid(child, &childStatus, 0), child);
    ASSERT_TRUE(WIFEXITED(childStatus));
    EXPECT_EQ(WEXITSTATUS(childStatus), 1); // failed, with a reason
    EXPECT_EQ(ReadFile(target), "earlier drawing");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

// The write loop once called write() again forever when it returned 0; a write that makes no
// progress is a failed save now (the child is stopped after 10 s if it hangs).
TEST_F(DxfWriter, WriteThatMakesNoProgressFailsTheSave) {
    const std::string target = path("drawing.dxf");
    std::ofstream(target) << "earlier drawing";
    DxfTestDrawing drawing;
    drawing.addPoint(OdGePoint3d(1, 2, 3));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(10);
        g_bWritesMakeNoProgress = true;
        const OdDbDxfSaveStatus status = odDbSaveAsDxf(*drawing.database(), target);
        g_bWritesMakeNoProgress = false;
        ::_exit(status.ok() ? 0 : (status.reason.isEmpty() ? 2 : 1));
    }
    int childStatus = 0;
    ASSERT_EQ(::waitpid(child, &childStatus, 0), child);
    ASSERT_TRUE(WIFEXITED(childStatus)) << "stopped by signal " << WTERMSIG(childStatus);
    EXPECT_EQ(WEXITSTATUS(childStatus), 1); // failed, with a reason
    EXPECT_EQ(ReadFile(target), "earlier drawing");
}

// A formatting thread that could not get its chunk buffers once ended the program; the failure
// reaches the caller of the save, and the earlier file stays.
TEST_F(DxfWriter, AllocationFailureInAFormattingThreadReachesTheCaller) {
    if (kposix::UsableProcessors() < 2) {
        GTEST_SKIP() << "one processor: the entities are formatted on the calling thread only";
    }
    const std::string target = path("drawing.dxf");
    std::ofstream(target) << "earlier drawing";
    DxfTestDrawing drawing;
    for (int i = 0; i < 5000; ++i) { // several chunks
        drawing.addPoint(OdGePoint3d(i, i, i));
    }
    OdToolkitTestHooks::failChunkWriters(true);
    EXPECT_THROW(odDbSaveAsDxf(*drawing.database(), target), std::bad_alloc);
    OdToolkitTestHooks::failChunkWriters(false);
    EXPECT_EQ(ReadFile(target), "earlier drawing");
    EXPECT_TRUE(odDbSaveAsDxf(*drawing.database(), target).ok());
}

TEST_F(DxfWriter, SaveReplacesEarlierFile) {
    const std::string target = path("drawing.dxf");
    std::ofstream(target) << "earlier drawing";
    DxfTestDrawing drawing;
    drawing.addPoint(OdGePoint3d(1, 2, 3));
    ASSERT_TRUE(odDbSaveAsDxf(*drawing.database(), target).ok());
    EXPECT_NE(ReadFile(target).find("AC1015"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}
