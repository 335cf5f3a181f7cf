// Kestrin toolkit tests: the database keeps entities in order with unique handles, opens and
// closes objects observably, and owns what is appended.
#include "Db3dPolyline.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "ToolkitTestHooks.h"
#include "ToolkitTestSupport.h"

#include <set>

using namespace toolkit_test;

TEST(DbDatabase, AppendKeepsOrderAndGivesUniqueIncreasingHandles) {
    OdDbDatabasePtr pDb = NewDatabase();
    std::vector<OdDbObjectId> ids;
    for (int i = 0; i < 5; ++i) {
        OdDbPointPtr pPoint = OdDbPoint::createObject();
        pPoint->setPosition(OdGePoint3d(i, 0, 0));
        ids.push_back(AppendToModelSpace(pDb, pPoint));
        EXPECT_FALSE(ids.back().isNull());
        EXPECT_EQ(pPoint->ownerId(), pDb->getModelSpaceId());
        EXPECT_EQ(pPoint->database(), pDb.get());
    }
    OdDbBlockTableRecordPtr pMs = pDb->getModelSpaceId().safeOpenObject(OdDb::kForRead);
    int i = 0;
    OdUInt64 lastHandle = pMs->getDbHandle();
    for (OdDbObjectIteratorPtr pIt = pMs->newIterator(); !pIt->done(); pIt->step(), ++i) {
        EXPECT_EQ(pIt->objectId(), ids[i]);
        OdDbPointPtr pPoint = pIt->entity();
        EXPECT_EQ(pPoint->position().x, i);
        EXPECT_GT(static_cast<OdUInt64>(pIt->objectId().getHandle()), lastHandle);
        lastHandle = pIt->objectId().getHandle();
    }
    EXPECT_EQ(i, 5);
    EXPECT_GT(static_cast<OdUInt64>(pDb->handseed()), lastHandle);
}

TEST(DbDatabase, ModelSpaceIsClosedAfterEachAppend) {
    OdToolkitTestHooks::Scope hooks;
    OdDbDatabasePtr pDb = NewDatabase();
    const OdDbObjectId msId = pDb->getModelSpaceId();
    EXPECT_EQ(OdToolkitTestHooks::openMode(msId), OdDb::kNotOpen);
    {
        OdDbBlockTableRecordPtr pMs = msId.safeOpenObject(OdDb::kForWrite);
        EXPECT_EQ(OdToolkitTestHooks::openMode(msId), OdDb::kForWrite);
        ExpectOdError(eWasOpenForWrite, [&] { msId.safeOpenObject(OdDb::kForRead); });
    }
    EXPECT_EQ(OdToolkitTestHooks::openMode(msId), OdDb::kNotOpen);
    AppendToModelSpace(pDb, OdDbLine::createObject());
    AppendToModelSpace(pDb, OdDbLine::createObject());
    EXPECT_EQ(OdToolkitTestHooks::openMode(msId), OdDb::kNotOpen);
    EXPECT_EQ(OdToolkitTestHooks::openCount(), 3);
}

TEST(DbDatabase, AppendNeedsModelSpaceOpenForWrite) {
    OdDbDatabasePtr pDb = NewDatabase();
    OdDbBlockTableRecordPtr pMs = pDb->getModelSpaceId().safeOpenObject(OdDb::kForRead);
    OdDbLinePtr pLine = OdDbLine::createObject();
    ExpectOdError(eNotOpenForWrite, [&] { pMs->appendOdDbEntity(pLine); });
    EXPECT_EQ(pMs->numEntities(), 0u);
}

TEST(DbDatabase, AppendRejectsNullAndEntitiesAlreadyOwned) {
    OdDbDatabasePtr pDb = NewDatabase();
    OdDbLinePtr pLine = OdDbLine::createObject();
    AppendToModelSpace(pDb, pLine);
    ExpectOdError(eAlreadyInDb, [&] { AppendToModelSpace(pDb, pLine); });
    ExpectOdError(eNullEntityPointer, [&] { AppendToModelSpace(pDb, nullptr); });
    ExpectOdError(eNullObjectId, [] { OdDbObjectId::kNull.safeOpenObject(OdDb::kForWrite); });
}

TEST(DbDatabase, AppendedEntityBelongsToDatabase) {
    OdDbDatabasePtr pDb = NewDatabase();
    OdDbLine* pRaw = nullptr;
    {
        OdDbLinePtr pLine = OdDbLine::createObject();
        pLine->setEndPoint(OdGePoint3d(1, 2, 3));
        pRaw = pLine.get();
        AppendToModelSpace(pDb, pLine);
        EXPECT_EQ(OdToolkitTestHooks::openMode(pLine->objectId()), OdDb::kForWrite);
    }
    EXPECT_EQ(pRaw->numRefs(), 1); // the model space's reference; now closed
    EXPECT_EQ(OdToolkitTestHooks::openMode(pRaw->objectId()), OdDb::kNotOpen);
    ExpectOdError(eNotOpenForWrite, [&] {
        OdDbLinePtr pRead = pRaw->objectId().safeOpenObject(OdDb::kForRead);
        pRead->setStartPoint(OdGePoint3d(5, 5, 5));
    });
    OdDbLinePtr pWrite = pRaw->objectId().safeOpenObject(OdDb::kForWrite);
    pWrite->setStartPoint(OdGePoint3d(5, 5, 5));
    EXPECT_EQ(pWrite->startPoint().x, 5.0);
}

TEST(DbDatabase, EntityHeldAfterDatabaseGoesIsDetached) {
    OdDbLinePtr pLine = OdDbLine::createObject();
    {
        OdDbDatabasePtr pDb = NewDatabase();
        AppendToModelSpace(pDb, pLine);
    }
    EXPECT_EQ(pLine->database(), nullptr);
    EXPECT_TRUE(pLine->objectId().isNull());
    pLine->setStartPoint(OdGePoint3d(1, 1, 1)); // writable again: it belongs to no database
}

TEST(DbDatabase, PolylineVerticesBecomeResidentWithThePolyline) {
    OdDbDatabasePtr pDb = NewDatabase();
    OdDb3dPolylinePtr pPolyline = OdDb3dPolyline::createObject();
    for (int i = 0; i < 3; ++i) {
        OdDb3dPolylineVertexPtr pVertex = OdDb3dPolylineVertex::createObject();
        pVertex->setPosition(OdGePoint3d(i, i, 0));
        EXPECT_TRUE(pPolyline->appendVertex(pVertex).isNull()); // not resident yet
    }
    const OdDbObjectId id = AppendToModelSpace(pDb, pPolyline);
    std::set<OdUInt64> handles{id.getHandle(), pPolyline->sequenceEndHandle()};
    int n = 0;
    for (OdDbObjectIteratorPtr pIt = pPolyline->vertexIterator(); !pIt->done(); pIt->step(), ++n) {
        EXPECT_FALSE(pIt->objectId().isNull());
        handles.insert(pIt->objectId().getHandle());
        OdDb3dPolylineVertexPtr pVertex = pIt->entity();
        EXPECT_EQ(pVertex->ownerId(), id);
        EXPECT_EQ(pVertex->position().x, n);
    }
    EXPECT_EQ(n, 3);
    EXPECT_EQ(handles.size(), 5u); // polyline, three vertices, end of sequence
    OdDb3dPolylineVertexPtr pLate = OdDb3dPolylineVertex::createObject();
    EXPECT_FALSE(pPolyline->appendVertex(pLate).isNull()); // still open for write: held here
    ExpectOdError(eWasOpenForWrite, [&] { id.safeOpenObject(OdDb::kForWrite); });
}

TEST(DbDatabase, VertexCannotBelongToTwoPolylines) {
    OdDb3dPolylinePtr pFirst = OdDb3dPolyline::createObject();
    OdDb3dPolylinePtr pSecond = OdDb3dPolyline::createObject();
    OdDb3dPolylineVertexPtr pVertex = OdDb3dPolylineVertex::createObject();
    pFirst->appendVertex(pVertex);
    ExpectOdError(eAlreadyInDb, [&] { pSecond->appendVertex(pVertex); });
    ExpectOdError(eNullObjectPointer, [&] { pSecond->appendVertex(nullptr); });
    EXPECT_EQ(pSecond->numVertices(), 0u);
}
