// Kestrin toolkit tests: the test-support switches act exactly on the call they name and leave
// everything else alone.
#include "ToolkitTestHooks.h"
#include "DbLine.h"
#include "DbSpline.h"
#include "ToolkitTestSupport.h"

using namespace toolkit_test;

TEST(ToolkitTestHooks, SetterRaisesOnItsNthCallOnly) {
    OdToolkitTestHooks::Scope hooks;
    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::LineSetEndPoint, 2, eDegenerateGeometry);
    OdDbLinePtr pLine = OdDbLine::createObject();
    pLine->setStartPoint(OdGePoint3d(9, 9, 9)); // other setters do not count
    pLine->setEndPoint(OdGePoint3d(1, 0, 0));
    ExpectOdError(eDegenerateGeometry, [&] { pLine->setEndPoint(OdGePoint3d(2, 0, 0)); });
    ExpectPointEq(pLine->endPoint(), OdGePoint3d(1, 0, 0)); // the failing call changed nothing
    pLine->setEndPoint(OdGePoint3d(3, 0, 0));
    ExpectPointEq(pLine->endPoint(), OdGePoint3d(3, 0, 0));
}

TEST(ToolkitTestHooks, AppendReturnsNullIdAndAddsNothing) {
    OdToolkitTestHooks::Scope hooks;
    OdDbDatabasePtr pDb = NewDatabase();
    OdToolkitTestHooks::failAppendOnCall(2);
    EXPECT_FALSE(AppendToModelSpace(pDb, OdDbLine::createObject()).isNull());
    OdDbLinePtr pRejected = OdDbLine::createObject();
    EXPECT_EQ(AppendToModelSpace(pDb, pRejected), OdDbObjectId::kNull);
    EXPECT_EQ(pRejected->database(), nullptr);
    EXPECT_EQ(pRejected->numRefs(), 1);
    EXPECT_FALSE(AppendToModelSpace(pDb, OdDbLine::createObject()).isNull());
    OdToolkitTestHooks::failAppendOnCall(0); // every call
    EXPECT_TRUE(AppendToModelSpace(pDb, OdDbLine::createObject()).isNull());
    EXPECT_TRUE(AppendToModelSpace(pDb, OdDbLine::createObject()).isNull());
    OdDbBlockTableRecordPtr pMs = pDb->getModelSpaceId().safeOpenObject(OdDb::kForRead);
    EXPECT_EQ(pMs->numEntities(), 2u);
}

TEST(ToolkitTestHooks, ResetTurnsEverythingOff) {
    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::SplineSetNurbsData, 1);
    OdToolkitTestHooks::setClassMissing(OdDbSpline::rxClassObject(), true);
    OdToolkitTestHooks::failAppendOnCall(0);
    OdToolkitTestHooks::reset();
    OdDbSplinePtr pSpline = OdDbSpline::createObject();
    pSpline->setNurbsData(1, false, false, false, {{0, 0, 0}, {1, 0, 0}}, {0, 0, 1, 1}, {}, 0, 0);
    OdDbDatabasePtr pDb = NewDatabase();
    EXPECT_FALSE(AppendToModelSpace(pDb, pSpline).isNull());
    EXPECT_EQ(OdToolkitTestHooks::openCount(), 1);
}
