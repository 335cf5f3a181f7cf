// Kestrin toolkit tests: reference counting, class descriptors and class-testing casts.
#include "DbCircle.h"
#include "DbLine.h"
#include "RxObjectImpl.h"
#include "StaticRxObject.h"
#include "ToolkitTestHooks.h"
#include "ToolkitTestSupport.h"

using toolkit_test::ExpectOdError;

TEST(RxObject, SmartPointersCountReferencesAndDeleteAtZero) {
    OdDbLinePtr pLine = OdDbLine::createObject();
    EXPECT_EQ(pLine->numRefs(), 1);
    {
        OdDbLinePtr pCopy = pLine;
        OdDbEntityPtr pEntity = pLine;
        EXPECT_EQ(pLine->numRefs(), 3);
    }
    EXPECT_EQ(pLine->numRefs(), 1);
    OdDbLinePtr pMoved = std::move(pLine);
    EXPECT_TRUE(pLine.isNull());
    EXPECT_EQ(pMoved->numRefs(), 1);
}

TEST(RxObject, CastToOtherClassRaisesWithBothClasses) {
    OdDbLinePtr pLine = OdDbLine::createObject();
    OdDbEntityPtr pEntity = pLine;
    try {
        OdDbCirclePtr pCircle = pEntity;
        FAIL() << "cast succeeded";
    } catch (const OdError_NotThatKindOfClass& error) {
        EXPECT_EQ(error.code(), eNotThatKindOfClass);
        EXPECT_EQ(error.objectClass(), OdDbLine::desc());
        EXPECT_EQ(error.wantedClass(), OdDbCircle::desc());
        EXPECT_EQ(error.description(),
                  OdString(L"Object of class OdDbLine can't be cast to OdDbCircle."));
    }
    EXPECT_EQ(pLine->numRefs(), 2); // the failed cast took no reference
}

TEST(RxObject, CastOfEmptyPointerStaysEmpty) {
    OdDbEntityPtr pEntity;
    OdDbLinePtr pLine = pEntity;
    EXPECT_TRUE(pLine.isNull());
    OdDbLinePtr pFromNull(static_cast<const OdRxObject*>(nullptr));
    EXPECT_TRUE(pFromNull.isNull());
}

TEST(RxObject, QueryXAndCastAnswerWithoutRaising) {
    OdDbLinePtr pLine = OdDbLine::createObject();
    EXPECT_TRUE(OdDbCircle::cast(pLine).isNull());
    EXPECT_EQ(OdDbCurve::cast(pLine).get(), pLine.get());
    EXPECT_EQ(pLine->queryX(nullptr), nullptr);
    ExpectOdError(eNotThatKindOfClass, [&] { pLine->x(OdDbCircle::desc()); });
    EXPECT_TRUE(pLine->isKindOf(OdDbEntity::desc()));
    EXPECT_FALSE(pLine->isKindOf(OdDbCircle::desc()));
}

TEST(RxClass, DescriptorsKnowNameParentAndCreate) {
    EXPECT_EQ(OdDbLine::desc()->name(), OdString(L"OdDbLine"));
    EXPECT_EQ(OdDbLine::desc()->dxfName(), OdString(L"LINE"));
    EXPECT_EQ(OdDbLine::desc()->myParent(), OdDbCurve::desc());
    EXPECT_TRUE(OdDbLine::desc()->isDerivedFrom(OdRxObject::desc()));
    EXPECT_FALSE(OdDbLine::desc()->isDerivedFrom(nullptr));
    OdRxObjectPtr pObject = OdDbLine::desc()->create();
    EXPECT_EQ(pObject->isA(), OdDbLine::desc());
    EXPECT_TRUE(OdDbEntity::desc()->create().isNull()); // abstract
}

TEST(RxClass, MissingDescriptorMakesCreateObjectRaise117) {
    OdToolkitTestHooks::Scope hooks;
    OdDbLinePtr pExisting = OdDbLine::createObject();
    OdToolkitTestHooks::setClassMissing(OdDbLine::rxClassObject(), true);
    EXPECT_EQ(OdDbLine::desc(), nullptr);
    EXPECT_EQ(pExisting->isA(), &OdDbLine::rxClassObject()); // objects still know their class
    try {
        OdDbLine::createObject();
        FAIL() << "no error";
    } catch (const OdError& error) {
        EXPECT_EQ(static_cast<int>(error.code()), 117);
    }
    OdToolkitTestHooks::reset();
    EXPECT_NE(OdDbLine::desc(), nullptr);
}

// A class of the test's own, declared with the toolkit's macros as a module would.
class CountedThing : public OdRxObject {
public:
    ODRX_DECLARE_MEMBERS(CountedThing);
};
ODRX_NO_CONS_DEFINE_MEMBERS(CountedThing, OdRxObject)

TEST(RxObject, StaticObjectIgnoresCounting) {
    OdStaticRxObject<CountedThing> thing;
    {
        OdRxObjectPtr p1(&thing);
        OdRxObjectPtr p2 = p1;
        EXPECT_EQ(thing.numRefs(), 1);
    } // releasing must not delete an object with automatic storage
    EXPECT_EQ(thing.numRefs(), 1);
}

TEST(RxObject, ImplDeletesOnLastRelease) {
    OdSmartPtr<CountedThing> pThing = OdRxObjectImpl<CountedThing>::createObject();
    EXPECT_EQ(pThing->numRefs(), 1);
    CountedThing* pRaw = pThing.detach();
    EXPECT_EQ(pRaw->numRefs(), 1);
    pRaw->release(); // deletes; the sanitizer reports a leak otherwise
}

TEST(RxObject, CloneCopiesNothingForClassesWithoutContents) {
    OdDbLinePtr pLine = OdDbLine::createObject();
    ExpectOdError(eNotApplicable, [&] { pLine->clone(); });
    EXPECT_TRUE(pLine->isEqualTo(pLine));
    EXPECT_EQ(pLine->comparedTo(pLine), OdRx::kNotOrderable);
}
