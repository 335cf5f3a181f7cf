// Kestrin tests: mesh topology. Coincident vertices (exact float equality) share a topology
// vertex, numbered by lowest mesh vertex; edges are sorted (smaller, larger) pairs; collapsed
// sides make no edge; a face index outside the vertex array is skipped, never read.
#include <opennurbs.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

struct Corners {
    int a;
    int b;
    int c;
    int d;
};

ON_Mesh MakeMesh(std::initializer_list<ON_3fPoint> vertices, std::initializer_list<Corners> faces) {
    ON_Mesh mesh;
    for (const ON_3fPoint& v : vertices) {
        mesh.m_V.Append(v);
    }
    for (const Corners& f : faces) {
        mesh.m_F.AppendNew().SetQuad(f.a, f.b, f.c, f.d);
    }
    return mesh;
}

std::vector<std::pair<int, int>> EdgePairs(const ON_MeshTopology& top) {
    std::vector<std::pair<int, int>> pairs;
    for (int e = 0; e < top.TopEdgeCount(); ++e) {
        pairs.emplace_back(top.m_tope[e].m_topvi[0], top.m_tope[e].m_topvi[1]);
    }
    return pairs;
}

std::vector<int> MeshVertices(const ON_MeshTopologyVertex& v) {
    return std::vector<int>(v.m_vi, v.m_vi + v.m_v_count);
}

// A unit cube of six quads, each with its own four vertices (24 in all), listed
// counterclockwise from outside.
ON_Mesh MakeCube() {
    const float corner[8][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}};
    const int quads[6][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4},
                             {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
    ON_Mesh mesh;
    for (const auto& quad : quads) {
        const int base = mesh.m_V.Count();
        for (int k : quad) {
            mesh.m_V.Append(ON_3fPoint(corner[k][0], corner[k][1], corner[k][2]));
        }
        mesh.m_F.AppendNew().SetQuad(base, base + 1, base + 2, base + 3);
    }
    return mesh;
}

TEST(MeshTopology, CubeOfTwentyFourVerticesHasEightVerticesAndTwelveEdges) {
    const ON_Mesh mesh = MakeCube();
    const ON_MeshTopology& top = mesh.Topology();
    EXPECT_EQ(top.TopVertexCount(), 8);
    ASSERT_EQ(top.TopEdgeCount(), 12);
    for (int e = 0; e < top.TopEdgeCount(); ++e) {
        EXPECT_EQ(top.m_tope[e].m_topf_count, 2) << "edge " << e;
    }
    int mesh_vertices = 0;
    for (int t = 0; t < top.TopVertexCount(); ++t) {
        EXPECT_EQ(top.m_topv[t].m_v_count, 3);
        mesh_vertices += top.m_topv[t].m_v_count;
    }
    EXPECT_EQ(mesh_vertices, 24);
}

TEST(MeshTopology, TwoTrianglesOverFourVerticesHaveFiveEdges) {
    const ON_Mesh mesh =
        MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1, 2, 2}, {0, 2, 3, 3}});
    const ON_MeshTopology& top = mesh.Topology();
    EXPECT_EQ(top.TopVertexCount(), 4);
    EXPECT_EQ(EdgePairs(top),
              (std::vector<std::pair<int, int>>{{0, 1}, {0, 2}, {0, 3}, {1, 2}, {2, 3}}));
    EXPECT_EQ(top.m_tope[top.TopEdge(2, 0)].m_topf_count, 2);
}

TEST(MeshTopology, CoincidentVerticesShareATopologyVertex) {
    // Vertices 0 and 4 coincide, and 1 and 3 (-0 equals +0).
    const ON_Mesh mesh =
        MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, -0.0f, 0}, {0, 0, -0.0f}, {1, 1, 0}},
                 {{0, 1, 2, 2}, {3, 4, 5, 5}});
    const ON_MeshTopology& top = mesh.Topology();
    ASSERT_EQ(top.TopVertexCount(), 4);
    EXPECT_EQ(top.TopEdgeCount(), 5);
    EXPECT_EQ(MeshVertices(top.m_topv[0]), (std::vector<int>{0, 4}));
    EXPECT_EQ(MeshVertices(top.m_topv[1]), (std::vector<int>{1, 3}));
    EXPECT_EQ(top.m_topv_map[4], 0);
    EXPECT_EQ(top.m_topv_map[5], 3);
    const int shared = top.TopEdge(0, 1);
    ASSERT_GE(shared, 0);
    EXPECT_EQ(top.m_tope[shared].m_topf_count, 2);
}

TEST(MeshTopology, VerticesNumberedByFirstAppearanceNotLocation) {
    const ON_Mesh mesh =
        MakeMesh({{5, 5, 0}, {0, 0, 0}, {9, 0, 0}, {0, 9, 0}}, {{0, 1, 2, 2}, {0, 2, 3, 3}});
    const ON_MeshTopology& top = mesh.Topology();
    ASSERT_EQ(top.TopVertexCount(), 4);
    EXPECT_EQ(top.TopVertexPoint(0), ON_3dPoint(5, 5, 0));
    EXPECT_EQ(top.TopVertexPoint(1), ON_3dPoint(0, 0, 0));
    EXPECT_EQ(top.TopVertexPoint(2), ON_3dPoint(9, 0, 0));
    EXPECT_EQ(top.TopVertexPoint(3), ON_3dPoint(0, 9, 0));
    for (const auto& pair : EdgePairs(top)) {
        EXPECT_LT(pair.first, pair.second);
    }
    const std::vector<std::pair<int, int>> pairs = EdgePairs(top);
    EXPECT_TRUE(std::is_sorted(pairs.begin(), pairs.end()));
}

TEST(MeshTopology, CollapsedSidesMakeNoEdge) {
    const ON_Mesh mesh = MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, {{0, 1, 1, 2}});
    const ON_MeshTopology& top = mesh.Topology();
    EXPECT_EQ(top.TopVertexCount(), 3);
    EXPECT_EQ(top.TopEdgeCount(), 3);
}

TEST(MeshTopology, FaceIndexOutsideTheVertexArrayIsSkipped) {
    const ON_Mesh mesh =
        MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, {{0, 1, 2, 2}, {0, 2, 7, 7}, {-1, 0, 1, 1}});
    const ON_MeshTopology& top = mesh.Topology();
    EXPECT_EQ(top.TopVertexCount(), 3);
    // Only sides between existing vertices: (0,1), (1,2), (2,0) of the first face and the same
    // (0,2) and (0,1) again from the others.
    EXPECT_EQ(EdgePairs(top), (std::vector<std::pair<int, int>>{{0, 1}, {0, 2}, {1, 2}}));
    EXPECT_EQ(top.m_topf[1].m_topei[2], -1);
}

TEST(MeshTopology, EmptyMeshesAndMeshesWithoutFaces) {
    const ON_Mesh empty;
    EXPECT_EQ(empty.Topology().TopVertexCount(), 0);
    EXPECT_EQ(empty.Topology().TopEdgeCount(), 0);
    const ON_Mesh points = MakeMesh({{0, 0, 0}, {0, 0, 0}, {1, 0, 0}}, {});
    EXPECT_EQ(points.Topology().TopVertexCount(), 2);
    EXPECT_EQ(points.Topology().TopEdgeCount(), 0);
    EXPECT_FALSE(points.Topology().TopVertexPoint(2).IsValid());
}

TEST(MeshTopology, BuiltOnceAndCachedUntilTheMeshChanges) {
    ON_Mesh mesh = MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, {{0, 1, 2, 2}});
    EXPECT_FALSE(mesh.TopologyExists());
    const ON_MeshTopology* first = &mesh.Topology();
    EXPECT_TRUE(mesh.TopologyExists());
    EXPECT_EQ(&mesh.Topology(), first);
    ASSERT_TRUE(mesh.SetVertex(3, ON_3fPoint(0, 1, 0)));
    EXPECT_FALSE(mesh.TopologyExists());
    ASSERT_TRUE(mesh.SetTriangle(1, 0, 2, 3));
    EXPECT_EQ(mesh.Topology().TopEdgeCount(), 5);
}

TEST(MeshTopology, MeshesInAClassArrayKeepTheirTopologyThroughGrowth) {
    ON_ClassArray<ON_Mesh> meshes;
    for (int i = 0; i < 10; ++i) {
        ON_Mesh& mesh = meshes.AppendNew();
        mesh = MakeMesh({{0, 0, static_cast<float>(i)}, {1, 0, 0}, {1, 1, 0}}, {{0, 1, 2, 2}});
        mesh.Topology();
    }
    EXPECT_EQ(meshes[0].Topology().TopVertexPoint(0), ON_3dPoint(0, 0, 0));
    EXPECT_EQ(meshes[9].Topology().TopVertexPoint(0), ON_3dPoint(0, 0, 9));
}

} // namespace
