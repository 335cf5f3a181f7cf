// Kestrin toolkit tests: setters store what they are given (arc angles unreduced, normals
// unnormalized) and refuse what no drawing can hold, leaving the entity unchanged.
#include "Db3dPolyline.h"
#include "DbArc.h"
#include "DbCircle.h"
#include "DbFace.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "DbPolyFaceMesh.h"
#include "DbSpline.h"
#include "ToolkitTestSupport.h"

#include <limits>

using namespace toolkit_test;

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = 3.14159265358979323846;

OdDbPolyFaceMeshVertexPtr NewMeshVertex(double x) {
    OdDbPolyFaceMeshVertexPtr pVertex = OdDbPolyFaceMeshVertex::createObject();
    pVertex->setPosition(OdGePoint3d(x, 0, 0));
    return pVertex;
}

OdDbFaceRecordPtr NewFaceRecord(OdInt16 a, OdInt16 b, OdInt16 c, OdInt16 d) {
    OdDbFaceRecordPtr pFace = OdDbFaceRecord::createObject();
    pFace->setVertexAt(0, a);
    pFace->setVertexAt(1, b);
    pFace->setVertexAt(2, c);
    pFace->setVertexAt(3, d);
    return pFace;
}
} // namespace

TEST(EntitySetters, NewEntitiesHaveToolkitDefaults) {
    OdDbArcPtr pArc = OdDbArc::createObject();
    EXPECT_EQ(pArc->normal(), OdGeVector3d::kZAxis);
    EXPECT_EQ(pArc->radius(), 0.0);
    EXPECT_EQ(pArc->layer(), OdString(L"0"));
    EXPECT_EQ(pArc->colorIndex(), OdDbEntity::kColorByLayer);
    EXPECT_FALSE(OdDb3dPolyline::createObject()->isClosed());
    EXPECT_EQ(OdDbSpline::createObject()->numControlPoints(), 0);
}

TEST(EntitySetters, NonFiniteCoordinatesAreRefused) {
    OdDbPointPtr pPoint = OdDbPoint::createObject();
    pPoint->setPosition(OdGePoint3d(1, 2, 3));
    ExpectOdError(eInvalidInput, [&] { pPoint->setPosition(OdGePoint3d(kNaN, 0, 0)); });
    ExpectPointEq(pPoint->position(), OdGePoint3d(1, 2, 3));
    OdDbLinePtr pLine = OdDbLine::createObject();
    ExpectOdError(eInvalidInput, [&] { pLine->setEndPoint(OdGePoint3d(0, kInf, 0)); });
    OdDbFacePtr pFace = OdDbFace::createObject();
    ExpectOdError(eInvalidInput, [&] { pFace->setVertexAt(2, OdGePoint3d(0, 0, -kInf)); });
    OdDbCirclePtr pCircle = OdDbCircle::createObject();
    ExpectOdError(eInvalidInput, [&] { pCircle->setCenter(OdGePoint3d(kNaN, kNaN, kNaN)); });
}

TEST(EntitySetters, ArcKeepsAnglesAndNormalAsGiven) {
    OdDbArcPtr pArc = OdDbArc::createObject();
    pArc->setStartAngle(3 * kPi / 2);
    pArc->setEndAngle(3 * kPi);
    pArc->setNormal(OdGeVector3d(0, 0, 5));
    EXPECT_EQ(pArc->startAngle(), 3 * kPi / 2);
    EXPECT_EQ(pArc->endAngle(), 3 * kPi);
    EXPECT_EQ(pArc->normal(), OdGeVector3d(0, 0, 5));
    pArc->setStartAngle(-1.0);
    EXPECT_EQ(pArc->startAngle(), -1.0);
    ExpectOdError(eInvalidInput, [&] { pArc->setEndAngle(kNaN); });
    EXPECT_EQ(pArc->endAngle(), 3 * kPi);
}

TEST(EntitySetters, RadiusAndNormalRules) {
    OdDbCirclePtr pCircle = OdDbCircle::createObject();
    pCircle->setRadius(0.0);
    ExpectOdError(eInvalidInput, [&] { pCircle->setRadius(-1e-300); });
    ExpectOdError(eInvalidInput, [&] { pCircle->setRadius(kInf); });
    ExpectOdError(eDegenerateGeometry, [&] { pCircle->setNormal(OdGeVector3d(0, 0, 0)); });
    ExpectOdError(eDegenerateGeometry, [&] { pCircle->setNormal(OdGeVector3d(1e-11, 0, 0)); });
    ExpectOdError(eInvalidInput, [&] { pCircle->setNormal(OdGeVector3d(1e300, 1e300, 0)); });
    pCircle->setNormal(OdGeVector3d(0, 2, 0));
    EXPECT_EQ(pCircle->normal(), OdGeVector3d(0, 2, 0));
    OdDbArcPtr pArc = OdDbArc::createObject();
    ExpectOdError(eDegenerateGeometry, [&] { pArc->setNormal(OdGeVector3d()); });
    ExpectOdError(eInvalidInput, [&] { pArc->setRadius(-2.0); });
}

TEST(EntitySetters, CornerIndicesOutOfRangeAreRefused) {
    OdDbFacePtr pFace = OdDbFace::createObject();
    ExpectOdError(eInvalidIndex, [&] { pFace->setVertexAt(4, OdGePoint3d()); });
    OdGePoint3d corner(7, 7, 7);
    EXPECT_EQ(pFace->getVertexAt(4, corner), eInvalidIndex);
    EXPECT_EQ(corner.x, 7.0);
    OdDbFaceRecordPtr pRecord = OdDbFaceRecord::createObject();
    ExpectOdError(eInvalidIndex, [&] { pRecord->setVertexAt(4, 1); });
    pRecord->setVertexAt(1, -3);
    EXPECT_FALSE(pRecord->isEdgeVisibleAt(1));
}

TEST(PolyFaceMesh, FaceRecordsMustNameExistingVertices) {
    OdDbPolyFaceMeshPtr pMesh = OdDbPolyFaceMesh::createObject();
    for (int i = 0; i < 4; ++i) {
        pMesh->appendVertex(NewMeshVertex(i));
    }
    pMesh->appendFaceRecord(NewFaceRecord(1, 2, 3, 0));
    pMesh->appendFaceRecord(NewFaceRecord(1, -2, 3, 4));
    ExpectOdError(eInvalidIndex, [&] { pMesh->appendFaceRecord(NewFaceRecord(1, 2, 5, 0)); });
    ExpectOdError(eInvalidIndex, [&] { pMesh->appendFaceRecord(NewFaceRecord(1, 2, -5, 0)); });
    ExpectOdError(eInvalidIndex, [&] { pMesh->appendFaceRecord(NewFaceRecord(1, 0, 3, 0)); });
    EXPECT_EQ(pMesh->numVertices(), 4);
    EXPECT_EQ(pMesh->numFaces(), 2);
    int n = 0;
    for (OdDbObjectIteratorPtr pIt = pMesh->vertexIterator(); !pIt->done(); pIt->step()) {
        ++n;
    }
    EXPECT_EQ(n, 6); // vertices, then face records
}

TEST(PolyFaceMesh, HoldsAtMost32767Vertices) {
    OdDbPolyFaceMeshPtr pMesh = OdDbPolyFaceMesh::createObject();
    for (int i = 0; i < OdDbPolyFaceMesh::kMaxCount; ++i) {
        pMesh->appendVertex(OdDbPolyFaceMeshVertex::createObject());
    }
    EXPECT_EQ(pMesh->numVertices(), 32767);
    ExpectOdError(eInvalidInput, [&] { pMesh->appendVertex(NewMeshVertex(0)); });
    pMesh->appendFaceRecord(NewFaceRecord(1, 2, 32767, 0));
}

namespace {
struct SplineData {
    int degree = 3;
    bool rational = false;
    bool periodic = false;
    OdGePoint3dArray points{{0, 0, 0}, {1, 1, 0}, {2, -1, 0}, {3, 0, 0}};
    OdGeDoubleArray knots{0, 0, 0, 0, 1, 1, 1, 1};
    OdGeDoubleArray weights{1, 1, 1, 1};
    double tol = 0.0;

    void setOn(OdDbSpline* pSpline) const {
        pSpline->setNurbsData(degree, rational, false, periodic, points, knots, weights, tol, tol);
    }
};
} // namespace

TEST(SplineSetNurbsData, StoresValidDataAsGiven) {
    OdDbSplinePtr pSpline = OdDbSpline::createObject();
    SplineData data;
    data.setOn(pSpline);
    EXPECT_EQ(pSpline->degree(), 3);
    EXPECT_EQ(pSpline->numKnots(), 8);
    EXPECT_TRUE(pSpline->knots() == data.knots);
    data.weights = OdGeDoubleArray(); // weights may be left out when not rational
    data.setOn(pSpline);
    EXPECT_TRUE(pSpline->weights().isEmpty());
}

TEST(SplineSetNurbsData, AcceptsPeriodicAsOrderPlusCountKnotsWithWrappedPoints) {
    SplineData data;
    data.periodic = true;
    data.points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}};
    data.knots = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    data.weights = {1, 1, 1, 1, 1, 1, 1};
    OdDbSplinePtr pSpline = OdDbSpline::createObject();
    data.setOn(pSpline);
    EXPECT_TRUE(pSpline->isPeriodic());
    EXPECT_EQ(pSpline->numControlPoints(), 7);
}

TEST(SplineSetNurbsData, RefusesInconsistentData) {
    const auto expectRefused = [](const SplineData& data) {
        OdDbSplinePtr pSpline = OdDbSpline::createObject();
        ExpectOdError(eInvalidInput, [&] { data.setOn(pSpline); });
        EXPECT_EQ(pSpline->numControlPoints(), 0); // unchanged
    };
    SplineData data;
    data.degree = 0;
    expectRefused(data);
    data = SplineData();
    data.degree = 26;
    expectRefused(data);
    data = SplineData();
    data.knots.removeLast();
    expectRefused(data);
    data = SplineData();
    data.rational = true;
    data.weights.removeLast();
    expectRefused(data);
    data = SplineData();
    data.rational = true;
    data.weights[2] = 0.0;
    expectRefused(data);
    data = SplineData();
    data.knots[4] = 0.5;
    data.knots[5] = 0.25; // decreasing
    expectRefused(data);
    data = SplineData();
    data.knots = {1, 1, 1, 1, 1, 1, 1, 1}; // empty domain
    expectRefused(data);
    data = SplineData();
    data.points[1].z = kNaN;
    expectRefused(data);
    data = SplineData();
    data.knots[7] = kInf;
    expectRefused(data);
    data = SplineData();
    data.tol = -1.0;
    expectRefused(data);
}
