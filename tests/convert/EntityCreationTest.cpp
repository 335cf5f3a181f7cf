// Kestrin conversion tests: entity creation through class descriptors, the model-space append with
// its containment of toolkit failures, polyline vertices, and the failure text left behind.
#include "ConvertTestSupport.h"

#include "KestrinConvert/CurveConversion.h"

using convert_test::ConvertTest;

namespace {

OdRxObjectPtr MakePoint() {
    return OdDbPoint::createObject();
}

// A class whose descriptor makes objects of another class (a point): what a host with a
// wrongly registered class would hand out.
class MislabelledEntity : public OdDbEntity {
public:
    static OdRxClass* desc() {
        static OdRxClass s_class(OdString("MislabelledEntity"), &OdDbEntity::rxClassObject(),
                                 &MakePoint, OdString(""));
        return &s_class;
    }
};

} // namespace

TEST_F(ConvertTest, CreateEntityMakesEntityOutsideAnyDatabase) {
    OdDbLinePtr pLine = CreateEntity<OdDbLine>();
    ASSERT_FALSE(pLine.isNull());
    EXPECT_EQ(pLine->numRefs(), 1);
    EXPECT_TRUE(pLine->objectId().isNull());
}

TEST_F(ConvertTest, CreateEntityWithoutDescriptorRaises117) {
    OdToolkitTestHooks::setClassMissing(OdDbLine::rxClassObject(), true);
    try {
        CreateEntity<OdDbLine>();
        ADD_FAILURE() << "no OdError raised";
    } catch (const OdError& error) {
        EXPECT_EQ(static_cast<int>(error.code()), 117);
    }
}

TEST_F(ConvertTest, CreateEntityOfWrongClassRaisesNotThatKindOfClass) {
    try {
        CreateEntity<MislabelledEntity>();
        ADD_FAILURE() << "no OdError raised";
    } catch (const OdError_NotThatKindOfClass& error) {
        EXPECT_EQ(error.objectClass(), OdDbPoint::desc());
        EXPECT_EQ(error.wantedClass(), MislabelledEntity::desc());
    }
}

TEST_F(ConvertTest, AppendToModelSpaceAddsEntityAndClosesModelSpace) {
    OdDbPointPtr pPoint = CreateEntity<OdDbPoint>();
    EXPECT_TRUE(AppendToModelSpace(m_pDb, pPoint));
    EXPECT_FALSE(pPoint->objectId().isNull());
    EXPECT_EQ(Entities().size(), 1u);
    ExpectModelSpaceClosed();
    EXPECT_EQ(FailureText(), "");
}

TEST_F(ConvertTest, AppendGivingNullIdFailsWithItsText) {
    OdToolkitTestHooks::failAppendOnCall(1);
    OdDbPointPtr pPoint = CreateEntity<OdDbPoint>();
    EXPECT_FALSE(AppendToModelSpace(m_pDb, pPoint));
    EXPECT_TRUE(Entities().empty());
    // Only the caller's reference is left, so the entity goes with it.
    EXPECT_EQ(pPoint->numRefs(), 1);
    EXPECT_EQ(FailureText(), "Unable to add object to database");
    ExpectModelSpaceClosed();
}

TEST_F(ConvertTest, AppendContainsToolkitFailures) {
    {
        // Model space already open for write elsewhere: opening it again raises.
        OdDbObjectPtr pOpen = m_pDb->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
        EXPECT_FALSE(AppendToModelSpace(m_pDb, CreateEntity<OdDbPoint>()));
        EXPECT_NE(FailureText(), "");
    }
    ClearConversionFailure();
    // An entity that already belongs to the drawing cannot be appended again.
    OdDbPointPtr pPoint = CreateEntity<OdDbPoint>();
    ASSERT_TRUE(AppendToModelSpace(m_pDb, pPoint));
    EXPECT_FALSE(AppendToModelSpace(m_pDb, pPoint));
    EXPECT_EQ(FailureText(), odStringToUtf8(OdError(eAlreadyInDb).description()));
    EXPECT_FALSE(AppendToModelSpace(OdDbDatabasePtr(), CreateEntity<OdDbPoint>()));
    EXPECT_EQ(Entities().size(), 1u);
    ExpectModelSpaceClosed();
}

TEST_F(ConvertTest, EachAddOperationOpensAndClosesModelSpaceOnce) {
    EXPECT_TRUE(AddPoint(ON_3dPoint(1, 2, 3), m_pDb));
    ExpectModelSpaceClosed();
    EXPECT_TRUE(AddPoint(ON_3dPoint(4, 5, 6), m_pDb));
    ExpectModelSpaceClosed();
    EXPECT_EQ(OdToolkitTestHooks::openCount(), 2);
}

TEST_F(ConvertTest, AppendPolylineVertexAddsAtEndAndLetsFailuresPass) {
    OdDb3dPolylinePtr pPolyline = CreateEntity<OdDb3dPolyline>();
    EXPECT_TRUE(AppendPolylineVertex(pPolyline, OdGePoint3d(1, 0, 0)));
    EXPECT_TRUE(AppendPolylineVertex(pPolyline, OdGePoint3d(2, 0, 0)));
    ASSERT_EQ(pPolyline->numVertices(), 2u);
    convert_test::ExpectPointEq(pPolyline->vertexAt(1)->position(), OdGePoint3d(2, 0, 0));

    OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter::PolylineVertexSetPosition, 1);
    EXPECT_THROW(AppendPolylineVertex(pPolyline, OdGePoint3d(3, 0, 0)), OdError);
    EXPECT_EQ(pPolyline->numVertices(), 2u);
}

TEST_F(ConvertTest, FailureTextIsThatOfTheLastFailure) {
    OdToolkitTestHooks::failAppendOnCall(1);
    EXPECT_FALSE(AddLine(ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0)), m_pDb));
    // The add operation takes over the text of its failed append.
    EXPECT_EQ(FailureText(), "Unable to add object to database");

    EXPECT_TRUE(AddPoint(ON_3dPoint(0, 0, 0), m_pDb));
    EXPECT_EQ(FailureText(), "Unable to add object to database") << "success keeps the text";

    OdToolkitTestHooks::setClassMissing(OdDbPoint::rxClassObject(), true);
    EXPECT_FALSE(AddPoint(ON_3dPoint(0, 0, 0), m_pDb));
    EXPECT_EQ(FailureText(), odStringToUtf8(OdError(eNotInitializedYet).description()));

    ClearConversionFailure();
    EXPECT_EQ(FailureText(), "");
}
