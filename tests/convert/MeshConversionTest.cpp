// Kestrin conversion tests: meshes to a polyface mesh, 3D faces, edge lines and vertex points;
// the polyface limit and its fall-back; faces naming vertices outside the mesh; containment of
// toolkit failures in each form.
#include "ConvertTestSupport.h"
#include "MessageBoxRecorder.h"

#include "KestrinConvert/MeshConversion.h"

#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

using convert_test::ConvertTest;
using convert_test::ExpectPointEq;

namespace {

struct Corners {
    int a, b, c, d; // d == c for a triangle
};

ON_Mesh Mesh(const std::vector<ON_3fPoint>& vertices, const std::vector<Corners>& faces) {
    ON_Mesh mesh;
    for (const ON_3fPoint& vertex : vertices) {
        mesh.m_V.Append(vertex);
    }
    for (const Corners& corners : faces) {
        ON_MeshFace face;
        face.vi[0] = corners.a;
        face.vi[1] = corners.b;
        face.vi[2] = corners.c;
        face.vi[3] = corners.d;
        mesh.m_F.Append(face);
    }
    return mesh;
}

// Unit square in the x-y plane, as one quad or as two triangles over its four corners.
const std::vector<ON_3fPoint> kSquare = {ON_3fPoint(0, 0, 0), ON_3fPoint(1, 0, 0),
                                         ON_3fPoint(1, 1, 0), ON_3fPoint(0, 1, 0)};

// A unit cube of six quads over 24 vertices: each corner repeated for each of its three faces.
ON_Mesh Cube() {
    const ON_3fPoint c[8] = {ON_3fPoint(0, 0, 0), ON_3fPoint(1, 0, 0), ON_3fPoint(1, 1, 0),
                             ON_3fPoint(0, 1, 0), ON_3fPoint(0, 0, 1), ON_3fPoint(1, 0, 1),
                             ON_3fPoint(1, 1, 1), ON_3fPoint(0, 1, 1)};
    const int sides[6][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4},
                             {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
    std::vector<ON_3fPoint> vertices;
    std::vector<Corners> faces;
    for (const auto& side : sides) {
        const int first = static_cast<int>(vertices.size());
        for (int corner : side) {
            vertices.push_back(c[corner]);
        }
        faces.push_back({first, first + 1, first + 2, first + 3});
    }
    return Mesh(vertices, faces);
}

// A strip of triangles (i, i+1, i+2) over vertexCount vertices, wrapping round at the end.
ON_Mesh Strip(int vertexCount, int faceCount) {
    ON_Mesh mesh;
    for (int i = 0; i < vertexCount; ++i) {
        mesh.m_V.Append(ON_3fPoint(static_cast<float>(i), static_cast<float>(i % 7), 0.0f));
    }
    for (int f = 0; f < faceCount; ++f) {
        ON_MeshFace face;
        face.vi[0] = f % vertexCount;
        face.vi[1] = (f + 1) % vertexCount;
        face.vi[2] = (f + 2) % vertexCount;
        face.vi[3] = face.vi[2];
        mesh.m_F.Append(face);
    }
    return mesh;
}

std::vector<OdInt16> FaceRecord(const OdDbFaceRecord* pRecord) {
    std::vector<OdInt16> indices;
    for (OdUInt16 k = 0; k < OdDbFaceRecord::kCornerCount; ++k) {
        indices.push_back(pRecord->getVertexAt(k));
    }
    return indices;
}

OdGePoint3d Corner(const OdDbFace* pFace, OdUInt16 k) {
    OdGePoint3d point;
    EXPECT_EQ(pFace->getVertexAt(k, point), eOk);
    return point;
}

} // namespace

TEST_F(ConvertTest, QuadAndTriangleBecomeFaceRecordsWithVisibleEdges) {
    const ON_Mesh mesh = Mesh(kSquare, {{0, 1, 2, 3}, {0, 1, 2, 2}});
    EXPECT_TRUE(AddPolyFaceMesh(mesh, m_pDb, true));
    OdDbPolyFaceMeshPtr pMesh = OnlyEntity<OdDbPolyFaceMesh>();
    ASSERT_EQ(pMesh->numVertices(), 4);
    ASSERT_EQ(pMesh->numFaces(), 2);
    EXPECT_EQ(FaceRecord(pMesh->faceRecordAt(0)), (std::vector<OdInt16>{1, 2, 3, 4}));
    EXPECT_EQ(FaceRecord(pMesh->faceRecordAt(1)), (std::vector<OdInt16>{1, 2, 3, 0}));
    ExpectPointEq(pMesh->vertexAt(2)->position(), OdGePoint3d(1, 1, 0));
    ExpectModelSpaceClosed();
}

TEST_F(ConvertTest, QuadAndTriangleBecome3dFaces) {
    const ON_Mesh mesh = Mesh(kSquare, {{0, 1, 2, 3}, {0, 1, 2, 2}});
    EXPECT_TRUE(AddMeshAs3dFaces(mesh, m_pDb));
    const std::vector<OdDbEntityPtr> entities = Entities();
    ASSERT_EQ(entities.size(), 2u);
    OdDbFacePtr pQuad = entities[0];
    OdDbFacePtr pTriangle = entities[1];
    for (OdUInt16 k = 0; k < 4; ++k) {
        ExpectPointEq(Corner(pQuad, k), OdGePoint3d(kSquare[k].x, kSquare[k].y, kSquare[k].z));
    }
    ExpectPointEq(Corner(pTriangle, 3), Corner(pTriangle, 2));
    ExpectPointEq(Corner(pTriangle, 2), OdGePoint3d(1, 1, 0));
}

TEST_F(ConvertTest, SinglePrecisionPositionsWidenExactly) {
    const ON_3fPoint odd(0.1f, -1.0e-7f, 3.3e4f);
    const OdGePoint3d widened(static_cast<double>(odd.x), static_cast<double>(odd.y),
                              static_cast<double>(odd.z));
    const ON_Mesh mesh = Mesh({odd, ON_3fPoint(1, 0, 0), ON_3fPoint(0, 1, 0)}, {{0, 1, 2, 2}});
    EXPECT_TRUE(AddPolyFaceMesh(mesh, m_pDb, true));
    EXPECT_TRUE(AddMeshAs3dFaces(mesh, m_pDb));
    EXPECT_TRUE(AddMeshVertices(mesh, m_pDb));
    const std::vector<OdDbEntityPtr> entities = Entities();
    ASSERT_EQ(entities.size(), 5u);
    ExpectPointEq(OdDbPolyFaceMeshPtr(entities[0])->vertexAt(0)->position(), widened);
    ExpectPointEq(Corner(OdDbFacePtr(entities[1]), 0), widened);
    ExpectPointEq(OdDbPointPtr(entities[2])->position(), widened);
}

TEST_F(ConvertTest, CubeGivesEachFormItsCount) {
    const ON_Mesh cube = Cube();
    EXPECT_TRUE(AddPolyFaceMesh(cube, m_pDb, true));
    OdDbPolyFaceMeshPtr pMesh = OnlyEntity<OdDbPolyFaceMesh>();
    EXPECT_EQ(pMesh->numVertices(), 24);
    EXPECT_EQ(pMesh->numFaces(), 6);

    EXPECT_TRUE(AddMeshAs3dFaces(cube, m_pDb));
    EXPECT_TRUE(AddMeshEdges(cube, m_pDb));
    EXPECT_TRUE(AddMeshVertices(cube, m_pDb));
    EXPECT_EQ(CountOf<OdDbFace>(), 6);
    EXPECT_EQ(CountOf<OdDbLine>(), 12);
    EXPECT_EQ(CountOf<OdDbPoint>(), 8);
}

TEST_F(ConvertTest, SharedSidesGiveOneLineAndSharedPositionsOnePoint) {
    // Two triangles over 4 vertices, and the same two over 6 vertices where 4 repeats 0 and 3
    // repeats 2: both give the 5 edges (0,1) (0,2) (0,3) (1,2) (2,3) and 4 points.
    const ON_Mesh shared = Mesh(kSquare, {{0, 1, 2, 2}, {0, 2, 3, 3}});
    const ON_Mesh repeated =
        Mesh({kSquare[0], kSquare[1], kSquare[2], kSquare[2], kSquare[0], kSquare[3]},
             {{0, 1, 2, 2}, {4, 3, 5, 5}});
    for (const ON_Mesh* pMesh : {&shared, &repeated}) {
        ConvertTest::m_pDb = OdDbDatabase::createObject();
        EXPECT_TRUE(AddMeshEdges(*pMesh, m_pDb));
        EXPECT_TRUE(AddMeshVertices(*pMesh, m_pDb));
        EXPECT_EQ(CountOf<OdDbLine>(), 5);
        EXPECT_EQ(CountOf<OdDbPoint>(), 4);

        std::set<std::pair<int, int>> edges;
        for (const OdDbEntityPtr& pEntity : Entities()) {
            OdDbLinePtr pLine = OdDbLine::cast(pEntity);
            if (pLine.isNull()) {
                continue;
            }
            auto cornerOf = [](const OdGePoint3d& p) {
                return static_cast<int>(p.x) + 2 * static_cast<int>(p.y);
            };
            edges.insert({cornerOf(pLine->startPoint()), cornerOf(pLine->endPoint())});
        }
        // Square corners by number: 0 (0,0), 1 (1,0), 3 (1,1), 2 (0,1); each edge starts at its
        // lower topology vertex.
        EXPECT_EQ(edges, (std::set<std::pair<int, int>>{{0, 1}, {0, 3}, {0, 2}, {1, 3}, {3, 2}}));
    }
    // The polyface form keeps coincident vertices apart.
    EXPECT_TRUE(AddPolyFaceMesh(repeated, m_pDb, true));
    EXPECT_EQ(OdDbPolyFaceMeshPtr(Entities().back())->numVertices(), 6);
}

TEST_F(ConvertTest, MeshWithoutFaces) {
    const ON_Mesh mesh = Mesh(kSquare, {});
    EXPECT_TRUE(AddMeshAs3dFaces(mesh, m_pDb));
    EXPECT_TRUE(Entities().empty());
    EXPECT_TRUE(AddPolyFaceMesh(mesh, m_pDb, true));
    OdDbPolyFaceMeshPtr pMesh = OnlyEntity<OdDbPolyFaceMesh>();
    EXPECT_EQ(pMesh->numVertices(), 4);
    EXPECT_EQ(pMesh->numFaces(), 0);
}

TEST_F(ConvertTest, LargestPolyfaceMeshStaysOneMesh) {
    const ON_Mesh mesh = Strip(kPolyFaceMeshMaxCount, kPolyFaceMeshMaxCount);
    convert_test::MessageBoxRecorder boxes;
    EXPECT_TRUE(AddPolyFaceMesh(mesh, m_pDb, true));
    EXPECT_TRUE(boxes.Texts().empty());
    OdDbPolyFaceMeshPtr pMesh = OnlyEntity<OdDbPolyFaceMesh>();
    EXPECT_EQ(pMesh->numVertices(), 32767);
    ASSERT_EQ(pMesh->numFaces(), 32767);
    // The last face (32766, 0, 1) names the last vertex, number 32767.
    EXPECT_EQ(FaceRecord(pMesh->faceRecordAt(32766)), (std::vector<OdInt16>{32767, 1, 2, 0}));
}

TEST_F(ConvertTest, OversizedMeshWarnsThenBecomes3dFaces) {
    convert_test::MessageBoxRecorder boxes;
    EXPECT_TRUE(AddPolyFaceMesh(Strip(32768, 10), m_pDb, true));
    EXPECT_EQ(CountOf<OdDbFace>(), 10);
    EXPECT_EQ(Entities().size(), 10u);
    EXPECT_TRUE(AddPolyFaceMesh(Strip(10, 32768), m_pDb, true));
    EXPECT_EQ(CountOf<OdDbFace>(), 10 + 32768);

    const std::wstring tail =
        L"\n\nA PolyFace Mesh cannot contain more than 32,767 vertices and/or faces. Due to this "
        L"limitation the mesh will be created as a set of 3D Faces and not a single PolyFace "
        L"Mesh.";
    EXPECT_EQ(boxes.Texts(), (std::vector<std::wstring>{
                                 L"The mesh contains 32768 vertices and 10 faces." + tail,
                                 L"The mesh contains 10 vertices and 32768 faces." + tail}));
    EXPECT_EQ(boxes.Types(), (std::vector<unsigned int>{0u, 0u}));
}

TEST_F(ConvertTest, OversizedMeshWithoutWarningShowsNoBox) {
    convert_test::MessageBoxRecorder boxes;
    EXPECT_TRUE(AddPolyFaceMesh(Strip(32768, 3), m_pDb, false));
    EXPECT_EQ(CountOf<OdDbFace>(), 3);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(ConvertTest, FailedPolyfaceBuildDiscardsWholeMeshWithoutFallBack) {
    const ON_Mesh cube = Cube();
    const OdToolkitSetter failures[] = {
        OdToolkitSetter::PolyFaceMeshVertexSetPosition, OdToolkitSetter::PolyFaceMeshAppendVertex,
        OdToolkitSetter::FaceRecordSetVertexAt, OdToolkitSetter::PolyFaceMeshAppendFaceRecord};
    for (OdToolkitSetter setter : failures) {
        OdToolkitTestHooks::failSetterOnCall(setter, 3);
        EXPECT_FALSE(AddPolyFaceMesh(cube, m_pDb, true)) << static_cast<int>(setter);
    }
    OdToolkitTestHooks::reset();
    OdToolkitTestHooks::setClassMissing(OdDbFaceRecord::rxClassObject(), true);
    EXPECT_FALSE(AddPolyFaceMesh(cube, m_pDb, true));
    OdToolkitTestHooks::reset();
    OdToolkitTestHooks::failAppendOnCall(1);
    EXPECT_FALSE(AddPolyFaceMesh(cube, m_pDb, true));
    EXPECT_EQ(FailureText(), "Unable to add object to database");

    EXPECT_TRUE(Entities().empty()) << "no 3D faces either";
    ExpectModelSpaceClosed();
}

TEST_F(ConvertTest, FailedPolyfaceBuildKeepsWhatWasAppended) {
    OdDbPolyFaceMeshPtr pMesh = CreateEntity<OdDbPolyFaceMesh>();
    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::PolyFaceMeshAppendFaceRecord, 2);
    EXPECT_FALSE(BuildPolyFaceMesh(Cube(), pMesh));
    EXPECT_EQ(pMesh->numVertices(), 24);
    EXPECT_EQ(pMesh->numFaces(), 1);
}

TEST_F(ConvertTest, FaceFailureStops3dFacesButFailedAppendDoesNot) {
    const ON_Mesh cube = Cube();
    // The second corner of the second face: the first face stays, the rest is not converted.
    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::FaceSetVertexAt, 6);
    EXPECT_FALSE(AddMeshAs3dFaces(cube, m_pDb));
    EXPECT_EQ(Entities().size(), 1u);

    // The second face's append gives the null id: that face is lost, the other five stay.
    OdToolkitTestHooks::failAppendOnCall(2);
    EXPECT_TRUE(AddMeshAs3dFaces(cube, m_pDb));
    EXPECT_EQ(Entities().size(), 1u + 5u);

    // A failed conversion of the handle to an entity ends the loop as well.
    OdToolkitTestHooks::reset();
    OdToolkitTestHooks::setClassMissing(OdDbEntity::rxClassObject(), true);
    EXPECT_FALSE(AddMeshAs3dFaces(cube, m_pDb));
    OdToolkitTestHooks::setClassMissing(OdDbEntity::rxClassObject(), false);
    EXPECT_EQ(Entities().size(), 6u);
    ExpectModelSpaceClosed();
}

TEST_F(ConvertTest, FailedLineOrPointDoesNotStopEdgesOrVertices) {
    const ON_Mesh cube = Cube();
    OdToolkitTestHooks::failAppendOnCall(2);
    EXPECT_TRUE(AddMeshEdges(cube, m_pDb));
    EXPECT_EQ(CountOf<OdDbLine>(), 11);
    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::PointSetPosition, 1);
    EXPECT_TRUE(AddMeshVertices(cube, m_pDb));
    EXPECT_EQ(CountOf<OdDbPoint>(), 7);
}

TEST_F(ConvertTest, FaceOutsideTheVerticesRejectsPolyfaceMesh) {
    // Vertex numbers past the end, negative, and one that a 16-bit face record would wrap to 1.
    const Corners bad[] = {{0, 1, 4, 4}, {-1, 1, 2, 2}, {0, 1, 65536, 3}};
    for (const Corners& corners : bad) {
        const ON_Mesh mesh = Mesh(kSquare, {{0, 1, 2, 3}, corners});
        EXPECT_FALSE(AddPolyFaceMesh(mesh, m_pDb, true));
        EXPECT_NE(FailureText().find("Face 1 of the mesh refers to vertex"), std::string::npos);
    }
    EXPECT_TRUE(Entities().empty());
}

TEST_F(ConvertTest, FaceOutsideTheVerticesIsLeftOutOf3dFaces) {
    const ON_Mesh mesh = Mesh(kSquare, {{0, 1, 2, 3}, {0, 1, 4, 4}, {0, 2, 3, 3}});
    EXPECT_FALSE(AddMeshAs3dFaces(mesh, m_pDb));
    EXPECT_EQ(CountOf<OdDbFace>(), 2);
    EXPECT_EQ(FailureText(),
              "Face 1 of the mesh refers to vertex 4, outside the 4 vertices it can use");
}

TEST_F(ConvertTest, FaceOutsideTheVerticesAddsNoEdgeOrPointOfItsOwn) {
    // The topology leaves out the sides that end outside the mesh; the bad face's one valid
    // side (0,1) is the quad's too.
    const ON_Mesh mesh = Mesh(kSquare, {{0, 1, 2, 3}, {0, 1, 9, -9}});
    EXPECT_TRUE(AddMeshEdges(mesh, m_pDb));
    EXPECT_TRUE(AddMeshVertices(mesh, m_pDb));
    EXPECT_EQ(CountOf<OdDbLine>(), 4);
    EXPECT_EQ(CountOf<OdDbPoint>(), 4);
}

TEST_F(ConvertTest, ExceptionOtherThanToolkitFailurePassesThroughAddOperation) {
    // A failure of the host's own (here: its user interface) is not contained: the mesh after
    // the box is not converted.
    convert_test::MessageBoxRecorder boxes;
    boxes.FailFromNowOn();
    EXPECT_THROW(AddPolyFaceMesh(Strip(32768, 3), m_pDb, true), std::runtime_error);
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(Entities().empty());
}
