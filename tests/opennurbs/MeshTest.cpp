// Kestrin tests: ON_Mesh data: face kinds, validity with its explanation, and what copies and
// moves do with the cached topology.
#include <opennurbs.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

class StringLog : public ON_TextLog {
public:
    std::string text;

protected:
    void AppendText(const char* s) override { text += s; }
};

ON_Mesh MakeSquare() {
    ON_Mesh mesh;
    mesh.SetVertex(0, ON_3dPoint(0, 0, 0));
    mesh.SetVertex(1, ON_3dPoint(1, 0, 0));
    mesh.SetVertex(2, ON_3dPoint(1, 1, 0));
    mesh.SetVertex(3, ON_3dPoint(0, 1, 0));
    mesh.SetTriangle(0, 0, 1, 2);
    mesh.SetQuad(1, 0, 1, 2, 3);
    return mesh;
}

TEST(Mesh, TrianglesRepeatTheirThirdCorner) {
    const ON_Mesh mesh = MakeSquare();
    EXPECT_EQ(mesh.m_F[0].vi[3], 2);
    EXPECT_TRUE(mesh.m_F[0].IsTriangle());
    EXPECT_TRUE(mesh.m_F[1].IsQuad());
    EXPECT_EQ(mesh.TriangleCount(), 1);
    EXPECT_EQ(mesh.QuadCount(), 1);
    ON_Mesh other;
    EXPECT_FALSE(other.SetVertex(1, ON_3dPoint(0, 0, 0))); // only the next index appends
}

TEST(Mesh, IsValidNamesTheFaceThatRefersOutsideTheVertices) {
    ON_Mesh mesh = MakeSquare();
    EXPECT_TRUE(mesh.IsValid());
    mesh.m_F[1].vi[2] = 4;
    StringLog log;
    EXPECT_FALSE(mesh.IsValid(&log));
    EXPECT_NE(log.text.find("m_F[1]"), std::string::npos);
    StringLog empty_log;
    EXPECT_FALSE(ON_Mesh().IsValid(&empty_log));
    EXPECT_FALSE(empty_log.text.empty());
}

TEST(Mesh, CopyBuildsItsOwnTopologyAndMoveKeepsIt) {
    ON_Mesh mesh = MakeSquare();
    const ON_MeshTopology* topology = &mesh.Topology();
    const ON_Mesh copy(mesh);
    EXPECT_FALSE(copy.TopologyExists());
    EXPECT_EQ(copy.Topology().TopEdgeCount(), 5);
    EXPECT_NE(&copy.Topology(), topology);

    const ON_Mesh moved(std::move(mesh));
    EXPECT_EQ(&moved.Topology(), topology);
    EXPECT_EQ(moved.Topology().m_mesh, &moved);
    EXPECT_EQ(moved.Topology().TopVertexPoint(2), ON_3dPoint(1, 1, 0));
}

TEST(TextLog, IndentsEveryNewLine) {
    StringLog log;
    log.Print("a\n");
    log.PushIndent();
    log.Print("b\nc");
    log.Print(" %d\n", 7);
    log.PopIndent();
    log.Print("d\n");
    EXPECT_EQ(log.text, "a\n    b\n    c 7\nd\n");
}

} // namespace
